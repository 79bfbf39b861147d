#include "core/spelling/SpellWords.h"

namespace {

bool isApostrophe(QChar c) { return c == u'\'' || c == QChar(0x2019); }

// Adds the words of text[from, to), a chunk without blanks or digits.
void splitChunk(const QString &text, int from, int to, QList<WordSpan> &out)
{
    int i = from;
    while (i < to) {
        while (i < to && !text[i].isLetter())
            ++i;
        const int start = i;
        while (i < to && (text[i].isLetter() || text[i].isMark()
                          || (isApostrophe(text[i]) && i + 1 < to && text[i + 1].isLetter())))
            ++i;
        if (i > start)
            out.append({start, i - start});
    }
}

} // namespace

QList<WordSpan> SpellWords::words(const QString &text)
{
    QList<WordSpan> out;
    const int n = int(text.size());
    int i = 0;
    while (i < n) {
        while (i < n && text[i].isSpace())
            ++i;
        const int start = i;
        bool digit = false;
        while (i < n && !text[i].isSpace()) {
            digit = digit || text[i].isDigit();
            ++i;
        }
        if (!digit)
            splitChunk(text, start, i, out);
    }
    return out;
}

bool SpellWords::isAbbreviation(const QString &word)
{
    int capitals = 0;
    for (qsizetype i = 1; i < word.size(); ++i)
        capitals += word[i].isUpper() ? 1 : 0;
    return capitals > 0;
}
