#include "core/exports/EditableFlow.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextTable>
#include <QUrl>

#include "core/exports/ReportTables.h"

namespace {

QTextCharFormat charFormat(const QFont &font, const QColor &colour)
{
    QTextCharFormat format;
    format.setFontFamilies({font.family()});
    if (font.pointSizeF() > 0)
        format.setFontPointSize(font.pointSizeF());
    format.setFontWeight(font.bold() ? QFont::Bold : QFont::Normal);
    format.setFontItalic(font.italic());
    format.setFontUnderline(font.underline());
    format.setFontStrikeOut(font.strikeOut());
    format.setForeground(colour);
    return format;
}

QTextCharFormat headingFormat(qreal points)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    font.setBold(true);
    return charFormat(font, Qt::black);
}

} // namespace

EditableFlow::EditableFlow()
{
    clear();
}

EditableFlow::~EditableFlow() = default;

void EditableFlow::clear()
{
    m_document = std::make_shared<QTextDocument>();
    m_cursor = std::make_unique<QTextCursor>(m_document.get());
    m_empty = true;
    m_lastPage = -1;
    m_lastY = -1;
}

void EditableFlow::addLine(const QString &text, const QFont &font, const QColor &colour, int page, qreal y)
{
    const QTextCharFormat format = charFormat(font, colour);
    if (!m_empty && page == m_lastPage && qAbs(y - m_lastY) < 1) {
        m_cursor->insertText(QStringLiteral("\t"), format);
    } else if (!m_empty) {
        m_cursor->insertBlock(QTextBlockFormat(), format);
    }
    m_cursor->insertText(text, format);
    m_empty = false;
    m_lastPage = page;
    m_lastY = y;
}

void EditableFlow::addRichText(const QTextDocument &block)
{
    if (!m_empty)
        m_cursor->insertBlock();
    // Pictures the block holds as resources of its own (a drawn chart) go along with it.
    for (QTextBlock paragraph = block.begin(); paragraph.isValid(); paragraph = paragraph.next())
        for (auto it = paragraph.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QUrl name(format.toImageFormat().name());
            if (const QVariant picture = block.resource(QTextDocument::ImageResource, name); picture.isValid())
                m_document->addResource(QTextDocument::ImageResource, name, picture);
        }
    m_cursor->insertFragment(QTextDocumentFragment(&block));
    m_empty = false;
    m_lastPage = -1;
}

std::shared_ptr<const QTextDocument> EditableFlow::fromTables(const QString &title,
                                                              const QList<ReportTable> &tables)
{
    auto document = std::make_shared<QTextDocument>();
    QTextCursor cursor(document.get());
    QTextBlockFormat heading;
    heading.setHeadingLevel(1);
    cursor.setBlockFormat(heading);
    cursor.insertText(title, headingFormat(14));
    QTextTableFormat tableFormat;
    tableFormat.setBorder(0.5);
    tableFormat.setCellPadding(3);
    tableFormat.setCellSpacing(0);
    tableFormat.setHeaderRowCount(1);
    tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QTextCharFormat plain;
    plain.setFontFamilies({QStringLiteral("Times New Roman")});
    plain.setFontPointSize(10);
    plain.setFontWeight(QFont::Normal);
    for (const ReportTable &table : tables) {
        cursor.movePosition(QTextCursor::End);
        QTextBlockFormat subheading;
        subheading.setHeadingLevel(2);
        subheading.setTopMargin(12);
        cursor.insertBlock(subheading, headingFormat(12));
        cursor.insertText(table.heading, headingFormat(12));
        const int columns = int(table.header.size());
        QTextTable *grid = cursor.insertTable(int(table.rows.size()) + 1, columns, tableFormat);
        for (int column = 0; column < columns; ++column) {
            QTextCursor cell = grid->cellAt(0, column).firstCursorPosition();
            cell.insertText(table.header[column], headingFormat(10));
        }
        for (int row = 0; row < table.rows.size(); ++row)
            for (int column = 0; column < columns && column < table.rows[row].size(); ++column) {
                QTextCursor cell = grid->cellAt(row + 1, column).firstCursorPosition();
                cell.insertText(table.rows[row][column], plain);
            }
    }
    return document;
}
