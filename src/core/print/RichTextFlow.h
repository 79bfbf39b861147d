#pragma once

#include <QColor>

#include <functional>

#include "core/print/PreviewPage.h"

class QTextDocument;

namespace Preview {

// The text column of a page, in twips from the paper's corner: text runs from `left` for `width`,
// between `top` and `bottom`.
struct Column {
    qreal left = 0;
    qreal width = 0;
    qreal top = 0;
    qreal bottom = 0;
};

struct FlowTarget {
    std::function<void(Op)> add;       // draws on the current page
    std::function<Column()> newPage;   // starts the next page and gives its column
};

// Lays `document` out at the column's width and draws it line by line from `startY` down, starting a new
// page whenever the next line would cross the column's bottom. Text without a colour of its own takes
// `defaultColour`. Returns the vertical position below the last line, on the page drawn last.
qreal flowRichText(const QTextDocument &document, Column column, qreal startY, const QColor &defaultColour,
                   const FlowTarget &target);

} // namespace Preview
