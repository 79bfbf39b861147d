#include "InlineMarkup.h"

#include <QFont>
#include <QList>
#include <QTextCharFormat>
#include <QTextCursor>

namespace ContentGen {

namespace {

struct Run
{
    QString text;
    bool bold = false;
    bool italic = false;
};

} // namespace

bool insertMarkup(QTextCursor &cursor, const QString &text, const QTextCharFormat &base, QString *error)
{
    QList<Run> runs(1);
    bool bold = false;
    bool italic = false;
    const auto toggle = [&](bool &flag) {
        flag = !flag;
        runs.append({QString(), bold, italic});
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            runs.last().text += text[++i];
        } else if (c == u'*' && i + 1 < text.size() && text[i + 1] == u'*') {
            toggle(bold);
            ++i;
        } else if (c == u'*') {
            toggle(italic);
        } else {
            runs.last().text += c;
        }
    }
    if (bold || italic) {
        *error = bold ? QStringLiteral("unclosed ** (bold)") : QStringLiteral("unclosed * (italic)");
        return false;
    }
    for (const Run &run : std::as_const(runs)) {
        if (run.text.isEmpty())
            continue;
        QTextCharFormat format = base;
        if (run.bold)
            format.setFontWeight(QFont::Bold);
        if (run.italic)
            format.setFontItalic(true);
        cursor.insertText(run.text, format);
    }
    return true;
}

} // namespace ContentGen
