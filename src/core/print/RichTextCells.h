#pragma once

#include <QRectF>
#include <QTextBlock>

class QTextDocument;
class QTextTable;

namespace Preview {

// Where the rows and cells of a laid-out table stand, in layout coordinates.
struct CellBox {
    QRectF rect;     // border box
    QTextBlock first; // the cell's first paragraph
};

// The table and row a block of a table cell belongs to.
struct RowOf {
    const QTextTable *table = nullptr;
    int row = -1;
};
RowOf rowOf(const QTextDocument &document, const QTextBlock &block);

// The layout box of a table row (its cells' paragraphs and padding), on a device of `scale` times the
// screen's resolution.
QRectF rowRect(const QTextDocument &document, const QTextTable &table, int row, qreal scale);
// The cells that start in `row`, with their border boxes.
QList<CellBox> rowCells(const QTextDocument &document, const QTextTable &table, int row, qreal scale);

// Qt scales vertical paragraph spacing and line heights to the layout's device itself, but takes
// horizontal indents as device pixels: scales those of every paragraph of `document` by `factor` for a
// device of `factor` times the screen's resolution. Space after a paragraph and space before the next add
// up (Qt would take the larger); the space before a cell's first paragraph and after its last, which Qt
// leaves out, pads the cell. Returns the space before the document's first paragraph, in device units,
// which Qt leaves out too.
qreal scaleBlockLengths(QTextDocument &document, qreal factor);

} // namespace Preview
