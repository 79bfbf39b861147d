#include "core/text/PlainText.h"

#include <QTextCursor>

namespace PlainText {

QString normaliseLineBreaks(const QString &text)
{
    if (!text.contains(u'\r'))
        return text;
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(u'\r', u'\n');
    return result;
}

QString trimmedBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

void mapDocumentCharacters(QString &text)
{
    for (QChar &c : text) {
        switch (c.unicode()) {
        case 0xfdd0: // beginning of a frame
        case 0xfdd1: // end of a frame
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
            c = u'\n';
            break;
        case QChar::Nbsp:
            c = u' ';
            break;
        default:
            break;
        }
    }
}

QString selectedText(const QTextCursor &cursor)
{
    QString text = cursor.selectedText();
    mapDocumentCharacters(text);
    return text;
}

} // namespace PlainText
