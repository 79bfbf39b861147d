#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>
#include <memory>

class QTextCursor;
class QTextDocument;
struct ReportTable;

// An editable copy of what a printed document holds, kept as it is drawn: each printed line a paragraph
// in its font (lines printed at the same height joined by tabs), each rich-text block with its tables and
// lists as they are. A report whose layout is a table gives its tables instead.
class EditableFlow
{
public:
    EditableFlow();
    ~EditableFlow();

    void clear();
    void addLine(const QString &text, const QFont &font, const QColor &colour, int page, qreal y);
    void addRichText(const QTextDocument &block);
    std::shared_ptr<const QTextDocument> document() const { return m_document; }

    // A title, then for each table a heading and a table whose first row is the header.
    static std::shared_ptr<const QTextDocument> fromTables(const QString &title,
                                                           const QList<ReportTable> &tables);

private:
    std::shared_ptr<QTextDocument> m_document;
    std::unique_ptr<QTextCursor> m_cursor;
    bool m_empty = true;
    int m_lastPage = -1;
    qreal m_lastY = -1;
};
