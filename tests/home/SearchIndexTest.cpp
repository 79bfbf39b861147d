#include <gtest/gtest.h>

#include "core/search/SearchIndex.h"

namespace {

SearchDocument doc(const QString &key, const QString &text)
{
    return SearchDocument{key, QStringLiteral("Group"), key, {}, text};
}

QList<std::pair<int, int>> spans(const SearchAnswer &answer)
{
    QList<std::pair<int, int>> found;
    for (const SearchHit &hit : answer.hits)
        found.append({hit.start, hit.length});
    return found;
}

TEST(SearchIndex, FindsWholeWordsAndPhrasesIgnoringCase)
{
    SearchIndex index;
    index.put(doc(QStringLiteral("a"),
                  QStringLiteral("Encryption and decryption (A). ENCRYPTION keys;\n"
                                 "encryptions, pre-encryption, encryption\r\nand decryption.")));
    struct Case
    {
        const char *query;
        QList<std::pair<int, int>> expected;
    };
    const Case cases[] = {
        {"encryption", {{0, 10}, {31, 10}, {65, 10}, {77, 10}}},
        {"  EnCrYpTiOn ", {{0, 10}, {31, 10}, {65, 10}, {77, 10}}},
        {"encrypt", {}},
        {"encryption and decryption", {{0, 25}, {77, 26}}},
        {"\"encryption and decryption\"", {{0, 25}, {77, 26}}},
        {"encryption   and\tdecryption", {{0, 25}, {77, 26}}},
        {"decryption (a)", {{15, 13}}},
        {"decryption a", {}},
        {"pre-encryption", {{61, 14}}},
        {"pre encryption", {}},
        {"keys encryptions", {}},
        {"", {}},
        {"...", {}},
        {"nowhere", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.query);
        EXPECT_EQ(spans(index.find(QString::fromUtf8(c.query))), c.expected);
    }
}

TEST(SearchIndex, AHitCarriesItsLineCutAroundTheWordsAndTheTotalBeyondTheLimit)
{
    SearchIndex index;
    const QString longLine = QString(100, u'x') + QStringLiteral(" audit controls ") + QString(100, u'y');
    index.put(doc(QStringLiteral("a"), QStringLiteral("first line\nthe Audit Controls here\n") + longLine));
    const SearchAnswer answer = index.find(QStringLiteral("audit controls"), 1);
    EXPECT_EQ(answer.total, 2);
    ASSERT_EQ(answer.hits.size(), 1);
    EXPECT_EQ(answer.hits[0].line, "the Audit Controls here");
    EXPECT_EQ(answer.hits[0].lineMatchStart, 4);

    const SearchAnswer both = index.find(QStringLiteral("audit controls"));
    ASSERT_EQ(both.hits.size(), 2);
    const SearchHit &cut = both.hits[1];
    EXPECT_TRUE(cut.line.startsWith(QStringLiteral("…")));
    EXPECT_TRUE(cut.line.endsWith(QStringLiteral("…")));
    EXPECT_EQ(cut.line.mid(cut.lineMatchStart, cut.length), "audit controls");
}

TEST(SearchIndex, APutDocumentReplacesTheOneOfItsKeyAndRemovedOnesAreNotFound)
{
    SearchIndex index;
    for (int i = 0; i < 200; ++i)
        index.put(doc(QStringLiteral("entry %1").arg(i), QStringLiteral("old text %1").arg(i)));
    index.put(doc(QStringLiteral("entry 7"), QStringLiteral("new text")));
    EXPECT_EQ(index.find(QStringLiteral("old text")).total, 199);
    const SearchAnswer fresh = index.find(QStringLiteral("new text"));
    ASSERT_EQ(fresh.total, 1);
    EXPECT_EQ(index.document(fresh.hits[0].document).key, "entry 7");

    index.removeWithPrefix(QStringLiteral("entry 1")); // entry 1, 10..19, 100..199
    EXPECT_EQ(index.documentCount(), 200 - 111);
    EXPECT_EQ(index.find(QStringLiteral("old")).total, 200 - 111 - 1);
    EXPECT_EQ(index.find(QStringLiteral("new")).total, 1);
    index.remove(QStringLiteral("entry 7"));
    EXPECT_EQ(index.find(QStringLiteral("new")).total, 0);
}

TEST(SearchIndex, ADocumentBeyondTheIndexedLengthIsIndexedUpToIt)
{
    SearchIndex index;
    QString text(SearchIndex::MaxIndexedChars - 5, u' ');
    text += QStringLiteral("early late");
    index.put(doc(QStringLiteral("big"), text));
    EXPECT_EQ(index.find(QStringLiteral("early")).total, 1);
    EXPECT_EQ(index.find(QStringLiteral("late")).total, 0);
}

} // namespace
