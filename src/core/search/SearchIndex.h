#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <utility>
#include <vector>

#include "core/home/Place.h"

// A text the search reaches: where it lies (its group and title) and where opening it leads.
struct SearchDocument
{
    QString key;   // names the document for replacing it, e.g. its file's path
    QString group; // "The Security Rule (2003)", "Your entries", …
    QString title;
    Place place;  // start and length are set per match
    QString text; // positions count as the box that shows the text counts them
};

// One match: the document, the words' place in its text, and the line they stand in.
struct SearchHit
{
    int document = -1;
    int start = 0;
    int length = 0;
    QString line; // the line, cut around the match when long
    int lineMatchStart = 0;
};

struct SearchAnswer
{
    QList<SearchHit> hits; // in document order, then by position; at most the limit asked
    int total = 0;         // every match, also those beyond the limit
};

// Whole-word index over documents: finds a word or a phrase (words in order, with the same separators
// once blanks and line ends count as one blank), letter case ignored.
class SearchIndex
{
public:
    // Text beyond this many characters of one document is not indexed, so no single file can make the
    // index unbounded.
    static constexpr int MaxIndexedChars = 4 * 1024 * 1024;

    // Adds the document, replacing one of the same key.
    void put(const SearchDocument &document);
    // Removes the document of that key, if any.
    void remove(const QString &key);
    // Removes every document whose key starts with `prefix`.
    void removeWithPrefix(const QString &prefix);
    int documentCount() const { return m_liveCount; }
    const SearchDocument &document(int index) const { return m_docs[size_t(index)].doc; }

    SearchAnswer find(const QString &query, int limit = 1000) const;

    // The words of a text: start and length of each run of letters and digits.
    static QList<std::pair<int, int>> words(const QString &text);

private:
    struct Token
    {
        int word;
        int start;
        int length;
    };
    struct Entry
    {
        SearchDocument doc;
        std::vector<Token> tokens;
        bool live = false;
    };
    struct Posting
    {
        int doc;
        int token;
    };

    int wordId(const QString &folded);
    bool matchesAt(const Entry &entry, int token, const std::vector<int> &words,
                   const QStringList &gaps) const;
    SearchHit hitAt(int doc, int start, int length) const;
    void compact();

    std::vector<Entry> m_docs;
    QHash<QString, int> m_keys;
    QHash<QString, int> m_wordIds;
    std::vector<std::vector<Posting>> m_postings;
    int m_liveCount = 0;
};
