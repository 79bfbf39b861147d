#include "core/text/TextFinder.h"

#include <algorithm>

void TextFinder::setText(const QString &text)
{
    m_text = text;
    m_folded = foldCase(text);
    m_last = LastSearch{};
}

QString TextFinder::foldCase(QStringView text)
{
    QString folded(text.size(), Qt::Uninitialized);
    QChar *out = folded.data();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < size && text[i + 1].isLowSurrogate()) {
            const char32_t folding = QChar::toCaseFolded(QChar::surrogateToUcs4(c, text[i + 1].unicode()));
            const bool staysWide = QChar::requiresSurrogates(folding);
            out[i] = staysWide ? QChar(QChar::highSurrogate(folding)) : text[i];
            out[i + 1] = staysWide ? QChar(QChar::lowSurrogate(folding)) : text[i + 1];
            ++i;
        } else {
            const char32_t folding = QChar::toCaseFolded(char32_t(c));
            out[i] = QChar::requiresSurrogates(folding) ? QChar(c) : QChar(char16_t(folding));
        }
    }
    return folded;
}

bool TextFinder::isWordCharacter(char32_t ucs4)
{
    if (ucs4 < 0x80)
        return (ucs4 >= 'a' && ucs4 <= 'z') || (ucs4 >= 'A' && ucs4 <= 'Z') || (ucs4 >= '0' && ucs4 <= '9');
    return QChar::isLetterOrNumber(ucs4) || QChar::isMark(ucs4);
}

bool TextFinder::isWholeWordAt(int position, int length) const
{
    // A match that begins or ends with a blank or punctuation is its own boundary on that side.
    if (position > 0 && isWordCharacter(m_text[position].unicode())) {
        char32_t before = m_text[position - 1].unicode();
        if (QChar::isLowSurrogate(before) && position > 1 && m_text[position - 2].isHighSurrogate())
            before = QChar::surrogateToUcs4(m_text[position - 2], m_text[position - 1]);
        if (isWordCharacter(before))
            return false;
    }
    const int after = position + length;
    if (after < m_text.size() && isWordCharacter(m_text[after - 1].unicode())) {
        char32_t next = m_text[after].unicode();
        if (QChar::isHighSurrogate(next) && after + 1 < m_text.size() && m_text[after + 1].isLowSurrogate())
            next = QChar::surrogateToUcs4(m_text[after], m_text[after + 1]);
        if (isWordCharacter(next))
            return false;
    }
    return true;
}

int TextFinder::search(const QString &foldedNeedle, int from, int end, bool wholeWords) const
{
    const QStringView haystack = QStringView(m_folded).left(end);
    for (qsizetype at = haystack.indexOf(foldedNeedle, from); at >= 0;
         at = haystack.indexOf(foldedNeedle, at + 1)) {
        if (!wholeWords || isWholeWordAt(int(at), int(foldedNeedle.size())))
            return int(at);
    }
    return -1;
}

int TextFinder::find(QStringView needle, int start, int end, bool wholeWords) const
{
    const int size = int(m_text.size());
    if (end < 0 || end > size)
        end = size;
    start = std::max(start, 0);
    if (needle.isEmpty() || needle.size() > end - start)
        return -1;

    const QString folded = foldCase(needle);
    const bool sameQuery = m_last.from >= 0 && m_last.end == end && m_last.wholeWords == wholeWords &&
                           m_last.needle == folded && start >= m_last.from;
    // No match lies in [m_last.from, m_last.result), and none at all after m_last.from when it was -1.
    if (sameQuery && (m_last.result < 0 || start <= m_last.result))
        return m_last.result;

    const int result = search(folded, start, end, wholeWords);
    m_last = LastSearch{folded, start, end, wholeWords, result};
    return result;
}
