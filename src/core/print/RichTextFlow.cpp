#include "core/print/RichTextFlow.h"

#include "core/print/RichTextCells.h"
#include "core/text/TextDecorations.h"
#include "core/rtf/RtfWriterLists.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace Preview {

namespace {

bool breaksRun(QChar c, bool justified)
{
    return c == QLatin1Char('\t') || c == QChar::LineSeparator || c == QChar::ParagraphSeparator
        || c == QChar::SoftHyphen || c == QChar::ObjectReplacementCharacter || (justified && c == QLatin1Char(' '));
}

// One device pixel of the layout per twip: lengths in screen pixels count 15 times.
constexpr qreal PixelsToTwips = 15;

// Draws the laid-out lines of one document onto the pages.
class Flow
{
public:
    Flow(const QTextDocument &document, Column column, qreal startY, QColor colour, const FlowTarget &target)
        : m_doc(document), m_column(column), m_shift(startY), m_end(startY), m_colour(colour), m_target(target)
    {
    }

    qreal run()
    {
        for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
            if (!block.isVisible())
                continue;
            const RowOf row = rowOf(m_doc, block);
            if (row.table && (row.table != m_row.table || row.row != m_row.row))
                startRow(row);
            m_row = row;
            const QPointF origin = m_doc.documentLayout()->blockBoundingRect(block).topLeft();
            const QTextLayout *layout = block.layout();
            for (int i = 0; i < layout->lineCount(); ++i)
                placeLine(block, layout->lineAt(i), origin);
        }
        return m_end;
    }

private:
    struct Placed {
        const QTextBlock &block;
        const QTextLine &line;
        qreal left; // page x of the layout's left edge
        qreal top;  // page y of the line's top
    };

    // A table row that fits on a page moves whole to the next page when it does not fit on this one;
    // its cells' shading and borders are drawn before its text.
    void startRow(const RowOf &row)
    {
        const QRectF rect = rowRect(m_doc, *row.table, row.row, PixelsToTwips);
        m_rowWhole = rect.height() <= m_column.bottom - m_column.top;
        if (m_rowWhole && rect.bottom() + m_shift > m_column.bottom && rect.top() + m_shift > m_column.top + 0.5) {
            m_column = m_target.newPage();
            m_shift = m_column.top - rect.top() + repeatHeader(*row.table, row.row, rect.height());
        }
        const bool pageTop = rect.top() + m_shift <= m_column.top + 0.5;
        for (const CellBox &cell : rowCells(m_doc, *row.table, row.row, PixelsToTwips)) {
            const QTextTableCell tableCell = row.table->cellAt(cell.first.position());
            QTextTableCellFormat format = tableCell.format().toTableCellFormat();
            inheritTableBorder(format, row.table->format());
            if (pageTop && row.row > 0)
                closeTop(format, row.table->cellAt(row.row - 1, tableCell.column()));
            drawCell(format, cell.rect.translated(m_column.left, m_shift));
        }
        m_end = qMax(m_end, rect.bottom() + m_shift);
    }

    // A table's heading rows are drawn again at the top of each page the table goes on to, above the
    // row that starts the page; their height, or 0 when there are none or they and the row would not fit.
    qreal repeatHeader(const QTextTable &table, int row, qreal rowHeight)
    {
        const int headerRows = table.format().headerRowCount();
        if (headerRows <= 0 || row < headerRows)
            return 0;
        const QRectF header = rowRect(m_doc, table, 0, PixelsToTwips)
                                  .united(rowRect(m_doc, table, headerRows - 1, PixelsToTwips));
        if (header.height() + rowHeight > m_column.bottom - m_column.top)
            return 0;
        const qreal shift = m_column.top - header.top();
        for (int r = 0; r < headerRows; ++r)
            for (const CellBox &cell : rowCells(m_doc, table, r, PixelsToTwips)) {
                const QTextTableCell tableCell = table.cellAt(cell.first.position());
                QTextTableCellFormat format = tableCell.format().toTableCellFormat();
                inheritTableBorder(format, table.format());
                drawCell(format, cell.rect.translated(m_column.left, shift));
                const QTextBlock last = tableCell.lastCursorPosition().block();
                for (QTextBlock block = cell.first; block.isValid(); block = block.next()) {
                    const QPointF origin = m_doc.documentLayout()->blockBoundingRect(block).topLeft();
                    const QTextLayout *layout = block.layout();
                    for (int i = 0; i < layout->lineCount(); ++i) {
                        const QTextLine line = layout->lineAt(i);
                        drawFragments(Placed{block, line, m_column.left + origin.x(), origin.y() + line.y() + shift});
                    }
                    if (block == last)
                        break;
                }
            }
        m_end = qMax(m_end, m_column.top + header.height());
        return header.height();
    }

    // A cell with no borders of its own in a table with a border (an HTML table's border="1") is drawn
    // with the table's border on each side, as the screen shows it.
    static void inheritTableBorder(QTextTableCellFormat &format, const QTextTableFormat &table)
    {
        const int sides[] = {QTextFormat::TableCellTopBorder, QTextFormat::TableCellLeftBorder,
                             QTextFormat::TableCellBottomBorder, QTextFormat::TableCellRightBorder};
        for (int side : sides)
            if (format.hasProperty(side))
                return;
        if (table.border() <= 0 || table.borderStyle() == QTextFrameFormat::BorderStyle_None)
            return;
        format.setBorder(table.border());
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderBrush(table.borderBrush());
    }

    // A row that starts a page takes the border the row above drew under itself on the page before.
    static void closeTop(QTextTableCellFormat &format, const QTextTableCell &above)
    {
        if (format.topBorder() > 0 && format.topBorderStyle() != QTextFrameFormat::BorderStyle_None)
            return;
        const QTextTableCellFormat upper = above.format().toTableCellFormat();
        format.setTopBorder(upper.bottomBorder());
        format.setTopBorderStyle(upper.bottomBorderStyle());
        format.setTopBorderBrush(upper.bottomBorderBrush());
    }

    void drawCell(const QTextTableCellFormat &format, const QRectF &box)
    {
        if (format.background().style() != Qt::NoBrush)
            m_target.add(FillOp{box, format.background().color()});
        const struct {
            qreal width;
            QBrush brush;
            QTextFrameFormat::BorderStyle style;
            QLineF line;
        } sides[] = {
            {format.topBorder(), format.topBorderBrush(), format.topBorderStyle(), {box.topLeft(), box.topRight()}},
            {format.leftBorder(), format.leftBorderBrush(), format.leftBorderStyle(), {box.topLeft(), box.bottomLeft()}},
            {format.bottomBorder(), format.bottomBorderBrush(), format.bottomBorderStyle(),
             {box.bottomLeft(), box.bottomRight()}},
            {format.rightBorder(), format.rightBorderBrush(), format.rightBorderStyle(),
             {box.topRight(), box.bottomRight()}}};
        for (const auto &side : sides) {
            if (side.width > 0 && side.style != QTextFrameFormat::BorderStyle_None)
                m_target.add(LineOp{side.line, side.brush.style() == Qt::NoBrush ? m_colour : side.brush.color(),
                                    side.width * PixelsToTwips});
        }
    }

    void placeLine(const QTextBlock &block, const QTextLine &line, QPointF origin)
    {
        const qreal top = origin.y() + line.y();
        const bool keptWhole = m_row.table && m_rowWhole;
        if (!keptWhole && top + m_shift + line.height() > m_column.bottom && top + m_shift > m_column.top + 0.5) {
            m_column = m_target.newPage();
            m_shift = m_column.top - top;
        }
        const Placed placed{block, line, m_column.left + origin.x(), top + m_shift};
        m_end = qMax(keptWhole ? m_end : 0.0, placed.top + line.height());
        if (line.lineNumber() == 0 && block.textList())
            drawListMarker(placed);
        drawFragments(placed);
    }

    void drawFragments(const Placed &p)
    {
        const int blockPos = p.block.position();
        const int lineStart = blockPos + p.line.textStart();
        const int lineEnd = lineStart + p.line.textLength();
        for (auto it = p.block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = qMax(fragment.position(), lineStart) - blockPos;
            const int to = qMin(fragment.position() + fragment.length(), lineEnd) - blockPos;
            if (from >= to)
                continue;
            if (fragment.charFormat().isImageFormat())
                drawImages(p, fragment.charFormat().toImageFormat(), from, to);
            else
                drawTextRuns(p, fragment.charFormat(), from, to);
        }
    }

    // Splits [from, to) at tabs and separators (and spaces of justified lines) so each run sits where
    // the layout put it.
    void drawTextRuns(const Placed &p, const QTextCharFormat &format, int from, int to)
    {
        const QString text = p.block.text();
        const bool justified = p.block.blockFormat().alignment() & Qt::AlignJustify;
        const int lineEnd = p.line.textStart() + p.line.textLength();
        int runStart = -1;
        for (int i = from; i < to; ++i) {
            const QChar c = text.at(i);
            if (!breaksRun(c, justified)) {
                if (runStart < 0)
                    runStart = i;
                continue;
            }
            drawRun(p, format, runStart, i);
            runStart = -1;
            if (c == QChar::SoftHyphen && i == lineEnd - 1)
                drawText(p, format, i, QStringLiteral("-"), p.line.cursorToX(i + 1));
            if (c == QLatin1Char('\t'))
                drawLeader(p, format, i);
        }
        drawRun(p, format, runStart, to);
    }

    // The leader of the tab stop the tab at `i` reaches: dots, hyphens or a line across the tab's room.
    void drawLeader(const Placed &p, const QTextCharFormat &format, int i)
    {
        const QFont font = fontOf(format);
        const QFontMetricsF metrics(font, twipsDevice());
        const TextDecorations::Leader leader = TextDecorations::tabLeader(p.block, p.line, i, metrics, 1);
        if (leader.text.isEmpty())
            return;
        const qreal x = p.left + leader.x;
        m_target.add(TextOp{QPointF(x, p.top + p.line.ascent()), leader.text, font, colourOf(format),
                            QRectF(x, p.top, metrics.horizontalAdvance(leader.text), p.line.height())});
    }

    void drawRun(const Placed &p, const QTextCharFormat &format, int start, int end)
    {
        if (start < 0)
            return;
        const QString text = p.block.text();
        while (end > start && text.at(end - 1).isSpace())
            --end;
        if (end > start)
            drawText(p, format, start, text.mid(start, end - start), p.line.cursorToX(end));
    }

    void drawText(const Placed &p, const QTextCharFormat &format, int start, const QString &text, qreal endX)
    {
        const qreal x = p.left + p.line.cursorToX(start);
        const QRectF box(x, p.top, p.left + endX - x, p.line.height());
        if (format.background().style() != Qt::NoBrush)
            m_target.add(FillOp{box, format.background().color()});
        m_target.add(TextOp{QPointF(x, p.top + p.line.ascent()), text, fontOf(format), colourOf(format), box});
    }

    void drawImages(const Placed &p, const QTextImageFormat &format, int from, int to)
    {
        const QImage image = imageNamed(format.name());
        if (image.isNull())
            return;
        for (int i = from; i < to; ++i) {
            const qreal x = p.left + p.line.cursorToX(i);
            const qreal width = p.left + p.line.cursorToX(i + 1) - x;
            const bool sized = format.width() > 0 && format.height() > 0;
            const qreal height = width * (sized ? format.height() / format.width()
                                                : qreal(image.height()) / image.width());
            QRectF rect(x, p.top + p.line.ascent() - height, width, height);
            const qreal fit = qMin(1.0, qMin(m_column.width / rect.width(), (m_column.bottom - m_column.top) / rect.height()));
            rect.setSize(rect.size() * fit);
            m_target.add(ImageOp{rect, image});
        }
    }

    void drawListMarker(const Placed &p)
    {
        const QString marker = Rtf::listMarker(p.block);
        if (marker.isEmpty())
            return;
        const QTextCharFormat format = p.block.charFormat();
        const QFontMetricsF metrics(fontOf(format), twipsDevice());
        const qreal width = metrics.horizontalAdvance(marker);
        const qreal x = qMax(m_column.left, p.left + p.line.x() - width - metrics.horizontalAdvance(QLatin1Char(' ')));
        m_target.add(TextOp{QPointF(x, p.top + p.line.ascent()), marker, fontOf(format), colourOf(format),
                            QRectF(x, p.top, width, p.line.height())});
    }

    // Formats in a document come with the document's default font and size adjustments already applied.
    static QFont fontOf(const QTextCharFormat &format) { return twipsFont(format.font()); }

    QColor colourOf(const QTextCharFormat &format) const
    {
        return format.foreground().style() == Qt::NoBrush ? m_colour : format.foreground().color();
    }

    QImage imageNamed(const QString &name) const
    {
        const QVariant resource = m_doc.resource(QTextDocument::ImageResource, QUrl(name));
        if (resource.typeId() == QMetaType::QPixmap)
            return resource.value<QPixmap>().toImage();
        return resource.value<QImage>();
    }

    const QTextDocument &m_doc;
    Column m_column;
    qreal m_shift; // page y minus layout y on the current page
    qreal m_end;
    QColor m_colour;
    const FlowTarget &m_target;
    RowOf m_row;
    bool m_rowWhole = false;
};

} // namespace

qreal flowRichText(const QTextDocument &document, Column column, qreal startY, const QColor &defaultColour,
                   const FlowTarget &target)
{
    const std::unique_ptr<QTextDocument> copy(document.clone());
    const qreal spaceBefore = scaleBlockLengths(*copy, PixelsToTwips);
    copy->documentLayout()->setPaintDevice(twipsDevice());
    copy->setDocumentMargin(0);
    copy->setTextWidth(column.width);
    return Flow(*copy, column, startY + spaceBefore, defaultColour, target).run();
}

} // namespace Preview
