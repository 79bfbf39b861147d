#include "TableLayout.h"

#include "ContentStyles.h"
#include "InlineMarkup.h"

#include <QFont>
#include <QTextCursor>

namespace ContentGen {

namespace {

class RowWriter
{
public:
    RowWriter(QTextCursor &cursor, bool markup, QString *error) : m_cursor(cursor), m_markup(markup), m_error(error)
    {
    }

    bool row(const QStringList &cells, bool header)
    {
        if (cells.size() == 1 && !header) {
            beginBlock(m_cursor, Style::GroupRow);
            return text(cells.first(), charFormat(Style::GroupRow));
        }
        const QStringList lead = cells.mid(0, cells.size() - 1);
        if (!lead.join(QString()).isEmpty() && !leadLine(lead, header))
            return false;
        if (cells.last().isEmpty())
            return true;
        beginBlock(m_cursor, Style::RowDetail);
        return text(cells.last(), format(Style::RowDetail, header));
    }

private:
    bool leadLine(const QStringList &lead, bool header)
    {
        beginBlock(m_cursor, Style::RowLead);
        for (qsizetype i = 0; i < lead.size(); ++i) {
            if (i > 0)
                m_cursor.insertText(QStringLiteral("\t"), charFormat(Style::RowLead));
            if (!text(lead[i], format(Style::RowLead, header || i == 0)))
                return false;
        }
        return true;
    }

    static QTextCharFormat format(Style style, bool bold)
    {
        QTextCharFormat format = charFormat(style);
        if (bold)
            format.setFontWeight(QFont::Bold);
        return format;
    }

    bool text(const QString &cell, const QTextCharFormat &format)
    {
        if (m_markup)
            return insertMarkup(m_cursor, cell, format, m_error);
        m_cursor.insertText(cell, format);
        return true;
    }

    QTextCursor &m_cursor;
    bool m_markup;
    QString *m_error;
};

} // namespace

QStringList splitCells(const QString &line)
{
    QStringList cells = line.split(u'|');
    for (QString &cell : cells)
        cell = cell.trimmed();
    return cells;
}

bool insertTable(QTextCursor &cursor, const TableRows &table, bool markup, QString *error)
{
    RowWriter writer(cursor, markup, error);
    if (!table.header.isEmpty() && !writer.row(table.header, true))
        return false;
    for (const QStringList &row : table.rows) {
        if (!writer.row(row, false))
            return false;
    }
    return true;
}

} // namespace ContentGen
