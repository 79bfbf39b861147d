#include "core/search/SearchIndex.h"

#include <algorithm>

namespace {

constexpr int lineContext = 60;

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber();
}

// Blanks and line ends as one blank, letter case folded.
QString normalisedGap(QStringView gap)
{
    QString out;
    bool blank = false;
    for (QChar c : gap) {
        if (c.isSpace() || c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QChar::Nbsp) {
            blank = true;
            continue;
        }
        if (blank)
            out += u' ';
        blank = false;
        out += c.toCaseFolded();
    }
    if (blank)
        out += u' ';
    return out;
}

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

} // namespace

QList<std::pair<int, int>> SearchIndex::words(const QString &text)
{
    QList<std::pair<int, int>> found;
    const int size = int(text.size());
    int i = 0;
    while (i < size) {
        while (i < size && !isWordChar(text[i]))
            ++i;
        const int start = i;
        while (i < size && isWordChar(text[i]))
            ++i;
        if (i > start)
            found.append({start, i - start});
    }
    return found;
}

int SearchIndex::wordId(const QString &folded)
{
    auto it = m_wordIds.constFind(folded);
    if (it != m_wordIds.cend())
        return it.value();
    const int id = int(m_postings.size());
    m_wordIds.insert(folded, id);
    m_postings.emplace_back();
    return id;
}

void SearchIndex::put(const SearchDocument &document)
{
    remove(document.key);
    Entry entry{document, {}, true};
    if (entry.doc.text.size() > MaxIndexedChars)
        entry.doc.text.truncate(MaxIndexedChars);
    const int docIndex = int(m_docs.size());
    const auto found = words(entry.doc.text);
    entry.tokens.reserve(size_t(found.size()));
    for (const auto &[start, length] : found) {
        const int id = wordId(entry.doc.text.mid(start, length).toCaseFolded());
        m_postings[size_t(id)].push_back({docIndex, int(entry.tokens.size())});
        entry.tokens.push_back({id, start, length});
    }
    m_docs.push_back(std::move(entry));
    m_keys.insert(document.key, docIndex);
    ++m_liveCount;
}

void SearchIndex::remove(const QString &key)
{
    const auto it = m_keys.constFind(key);
    if (it == m_keys.cend())
        return;
    Entry &old = m_docs[size_t(it.value())];
    old.live = false;
    old.tokens.clear();
    old.tokens.shrink_to_fit();
    old.doc.text.clear();
    m_keys.erase(it);
    --m_liveCount;
    if (m_docs.size() > 64 && size_t(m_liveCount) * 2 < m_docs.size())
        compact();
}

void SearchIndex::removeWithPrefix(const QString &prefix)
{
    QStringList keys;
    for (auto it = m_keys.cbegin(); it != m_keys.cend(); ++it)
        if (it.key().startsWith(prefix))
            keys.append(it.key());
    for (const QString &key : std::as_const(keys))
        remove(key);
}

// Drops removed documents and their postings.
void SearchIndex::compact()
{
    std::vector<Entry> kept;
    kept.reserve(size_t(m_liveCount));
    for (Entry &entry : m_docs)
        if (entry.live)
            kept.push_back(std::move(entry));
    m_docs.clear();
    m_keys.clear();
    m_wordIds.clear();
    m_postings.clear();
    m_liveCount = 0;
    for (Entry &entry : kept)
        put(entry.doc);
}

bool SearchIndex::matchesAt(const Entry &entry, int token, const std::vector<int> &words,
                            const QStringList &gaps) const
{
    if (size_t(token) + words.size() > entry.tokens.size())
        return false;
    for (size_t k = 1; k < words.size(); ++k) {
        const Token &previous = entry.tokens[size_t(token) + k - 1];
        const Token &current = entry.tokens[size_t(token) + k];
        if (current.word != words[k])
            return false;
        const int gapStart = previous.start + previous.length;
        if (normalisedGap(QStringView(entry.doc.text).mid(gapStart, current.start - gapStart)) !=
            gaps[qsizetype(k - 1)])
            return false;
    }
    return true;
}

SearchHit SearchIndex::hitAt(int doc, int start, int length) const
{
    const QString &text = m_docs[size_t(doc)].doc.text;
    int lineStart = start;
    while (lineStart > 0 && !isLineEnd(text[lineStart - 1]))
        --lineStart;
    int lineEnd = start + length;
    while (lineEnd < text.size() && !isLineEnd(text[lineEnd]))
        ++lineEnd;
    const int from = std::max(lineStart, start - lineContext);
    const int to = std::min(lineEnd, start + length + lineContext);
    SearchHit hit{doc, start, length, text.mid(from, to - from), start - from};
    if (from > lineStart) {
        hit.line.prepend(QStringLiteral("…"));
        ++hit.lineMatchStart;
    }
    if (to < lineEnd)
        hit.line.append(QStringLiteral("…"));
    return hit;
}

SearchAnswer SearchIndex::find(const QString &query, int limit) const
{
    QString phrase = query.trimmed();
    if (phrase.size() >= 2 && phrase.startsWith(u'"') && phrase.endsWith(u'"'))
        phrase = phrase.mid(1, phrase.size() - 2);
    const auto queryWords = words(phrase);
    SearchAnswer answer;
    if (queryWords.isEmpty())
        return answer;
    std::vector<int> ids;
    QStringList gaps;
    for (qsizetype k = 0; k < queryWords.size(); ++k) {
        const auto [start, length] = queryWords[k];
        const auto id = m_wordIds.constFind(phrase.mid(start, length).toCaseFolded());
        if (id == m_wordIds.cend())
            return answer;
        ids.push_back(id.value());
        if (k > 0) {
            const int gapStart = queryWords[k - 1].first + queryWords[k - 1].second;
            gaps.append(normalisedGap(QStringView(phrase).mid(gapStart, start - gapStart)));
        }
    }
    for (const Posting &posting : m_postings[size_t(ids.front())]) {
        const Entry &entry = m_docs[size_t(posting.doc)];
        if (!entry.live || !matchesAt(entry, posting.token, ids, gaps))
            continue;
        ++answer.total;
        if (answer.hits.size() >= limit)
            continue;
        const Token &first = entry.tokens[size_t(posting.token)];
        const Token &last = entry.tokens[size_t(posting.token) + ids.size() - 1];
        answer.hits.append(hitAt(posting.doc, first.start, last.start + last.length - first.start));
    }
    return answer;
}
