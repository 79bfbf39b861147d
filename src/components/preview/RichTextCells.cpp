#include "components/preview/RichTextCells.h"

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

// Whether `next` follows `block` in the same frame, and in the same cell when in a table.
bool sameFlow(const QTextDocument &document, const QTextBlock &block, const QTextBlock &next)
{
    const QTextFrame *frame = document.frameAt(block.position());
    if (frame != document.frameAt(next.position()))
        return false;
    const auto *table = qobject_cast<const QTextTable *>(frame);
    return !table || table->cellAt(block.position()) == table->cellAt(next.position());
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
            rect = rect.united(contentRect(document, cell));
    }
    if (rect.isNull())
        rect = contentRect(document, table.cellAt(row, 0));
    const qreal pad = padding(table, scale);
    rect.adjust(0, -pad, 0, pad);
    // Rows meet: a row ends where the next begins, so that their shared border is drawn once in place.
    if (row + 1 < table.rows()) {
        const QTextTableCell below = table.cellAt(row + 1, 0);
        rect.setBottom(std::max(rect.bottom(), contentRect(document, below).top() - pad));
    }
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

void scaleBlockLengths(QTextDocument &document, qreal factor)
{
    QTextCursor cursor(&document);
    QTextBlock previous;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(format.leftMargin() * factor);
        format.setRightMargin(format.rightMargin() * factor);
        format.setTextIndent(format.textIndent() * factor);
        // The space after a paragraph adds to the space before the next one in the same flow.
        if (previous.isValid() && sameFlow(document, previous, block))
            format.setTopMargin(format.topMargin() + previous.blockFormat().bottomMargin());
        if (block.next().isValid() && sameFlow(document, block, block.next()))
            format.setBottomMargin(0);
        previous = block;
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

} // namespace Preview
