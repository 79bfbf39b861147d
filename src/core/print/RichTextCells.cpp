#include "core/print/RichTextCells.h"

#include <QAbstractTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace Preview {

namespace {

QRectF contentRect(const QTextDocument &document, const QTextTableCell &cell)
{
    const QAbstractTextDocumentLayout *layout = document.documentLayout();
    const QTextBlock first = document.findBlock(cell.firstPosition());
    const QTextBlock last = document.findBlock(cell.lastPosition());
    return layout->blockBoundingRect(first).united(layout->blockBoundingRect(last));
}

qreal padding(const QTextTable &table, qreal scale) { return table.format().cellPadding() * scale; }

// The cell's paragraphs with its padding above and below them.
QRectF paddedRect(const QTextDocument &document, const QTextTable &table, const QTextTableCell &cell, qreal scale)
{
    const QTextTableCellFormat format = cell.format().toTableCellFormat();
    const qreal pad = padding(table, scale);
    const qreal top = format.hasProperty(QTextFormat::TableCellTopPadding) ? format.topPadding() * scale : pad;
    const qreal bottom =
        format.hasProperty(QTextFormat::TableCellBottomPadding) ? format.bottomPadding() * scale : pad;
    return contentRect(document, cell).adjusted(0, -top, 0, bottom);
}

// Whether `next` follows `block` in the same frame, and in the same cell when in a table.
bool sameFlow(const QTextDocument &document, const QTextBlock &block, const QTextBlock &next)
{
    const QTextFrame *frame = document.frameAt(block.position());
    if (frame != document.frameAt(next.position()))
        return false;
    const auto *table = qobject_cast<const QTextTable *>(frame);
    return !table || table->cellAt(block.position()) == table->cellAt(next.position());
}

// Qt leaves out the space before the first paragraph of a cell and after its last: it becomes the
// cell's padding.
void padCell(QTextDocument &document, const QTextBlock &block, qreal before, qreal after)
{
    auto *table = qobject_cast<QTextTable *>(document.frameAt(block.position()));
    if (!table || (before <= 0 && after <= 0))
        return;
    QTextTableCell cell = table->cellAt(block.position());
    QTextTableCellFormat format = cell.format().toTableCellFormat();
    const qreal pad = table->format().cellPadding();
    if (before > 0)
        format.setTopPadding(pad + before);
    if (after > 0)
        format.setBottomPadding(pad + after);
    cell.setFormat(format);
}

} // namespace

RowOf rowOf(const QTextDocument &document, const QTextBlock &block)
{
    const auto *table = qobject_cast<const QTextTable *>(document.frameAt(block.position()));
    if (!table)
        return {};
    return {table, table->cellAt(block.position()).row()};
}

QRectF rowRect(const QTextDocument &document, const QTextTable &table, int row, qreal scale)
{
    QRectF rect;
    for (int c = 0; c < table.columns(); ++c) {
        const QTextTableCell cell = table.cellAt(row, c);
        if (cell.row() == row && cell.rowSpan() == 1)
            rect = rect.united(paddedRect(document, table, cell, scale));
    }
    if (rect.isNull())
        rect = paddedRect(document, table, table.cellAt(row, 0), scale);
    // Rows meet: a row ends where the next begins, so that their shared border is drawn once in place.
    if (row + 1 < table.rows())
        rect.setBottom(std::max(rect.bottom(), paddedRect(document, table, table.cellAt(row + 1, 0), scale).top()));
    return rect;
}

QList<CellBox> rowCells(const QTextDocument &document, const QTextTable &table, int row, qreal scale)
{
    QList<CellBox> cells;
    const qreal pad = padding(table, scale);
    const QRectF rowBox = rowRect(document, table, row, scale);
    for (int c = 0; c < table.columns();) {
        const QTextTableCell cell = table.cellAt(row, c);
        c = cell.column() + cell.columnSpan();
        if (cell.row() != row)
            continue;
        const QRectF content = contentRect(document, cell);
        QRectF box(content.left() - pad, rowBox.top(), content.width() + 2 * pad, rowBox.height());
        if (cell.rowSpan() > 1)
            box.setBottom(rowRect(document, table, row + cell.rowSpan() - 1, scale).bottom());
        cells << CellBox{box, document.findBlock(cell.firstPosition())};
    }
    // Neighbouring cells meet, so that their shared border is drawn once in place.
    for (qsizetype i = 0; i + 1 < cells.size(); ++i)
        cells[i].rect.setRight(std::max(cells[i].rect.right(), cells[i + 1].rect.left()));
    return cells;
}

qreal scaleBlockLengths(QTextDocument &document, qreal factor)
{
    QTextCursor cursor(&document);
    qreal carried = 0; // the space after the paragraph before, in the same flow
    qreal first = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        const QTextBlock previous = block.previous();
        const QTextBlock next = block.next();
        const bool opens = !previous.isValid() || !sameFlow(document, previous, block);
        const bool closes = !next.isValid() || !sameFlow(document, block, next);
        const bool inCell = qobject_cast<QTextTable *>(document.frameAt(block.position())) != nullptr;
        const qreal before = format.topMargin() + (opens ? 0 : carried);
        carried = format.bottomMargin();
        if (!previous.isValid() && !inCell)
            first = before * factor;
        const bool leftOut = opens && (inCell || !previous.isValid());
        format.setLeftMargin(format.leftMargin() * factor);
        format.setRightMargin(format.rightMargin() * factor);
        format.setTextIndent(format.textIndent() * factor);
        format.setTopMargin(leftOut ? 0 : before);
        format.setBottomMargin(closes && !inCell ? carried : 0);
        if (inCell)
            padCell(document, block, opens ? before : 0, closes ? carried : 0);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
    return first;
}

} // namespace Preview
