#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QString>

class QFontMetricsF;
class QRectF;
class QTextBlock;
class QTextDocument;
class QTextLine;

// What a rich text view draws beside the laid-out text itself: list markers numbered from their list's
// start and the leaders of tab stops. The editor and the printed page draw them alike.
namespace TextDecorations {

// Marks run from `x` (layout units of the line, not yet moved by the block's position); empty text when
// the tab at `index` (in the block's text) reaches a stop without a leader.
struct Leader {
    QString text;
    qreal x = 0;
};
// `metrics` measures the run's font on the layout's device; one layout unit is `twipsPerUnit` twips.
Leader tabLeader(const QTextBlock &block, const QTextLine &line, int index, const QFontMetricsF &metrics,
                 qreal twipsPerUnit);

// A piece of text to draw at `baseline`, in the document's layout coordinates.
struct Mark {
    QPointF baseline;
    QString text;
    QFont font;
    QColor colour; // invalid: the view's text colour
};

// The list markers and tab leaders of the blocks of `document` (laid out on the screen) that meet `area`.
QList<Mark> marks(const QTextDocument &document, const QRectF &area);

// Blocks of lists in `document` carry a property that keeps Qt's layout from drawing its own markers,
// which cannot start a list at any number but 1: the view draws them from marks().
void takeOverListMarkers(QTextDocument &document);

} // namespace TextDecorations
