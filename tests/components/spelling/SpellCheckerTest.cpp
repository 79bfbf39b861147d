#include <QDir>
#include <gtest/gtest.h>

#include "core/spelling/SpellChecker.h"
#include "core/spelling/SpellWords.h"
#include "support/TempFolder.h"

namespace {

QStringList wordsOf(const QString &text)
{
    QStringList out;
    for (const WordSpan &w : SpellWords::words(text))
        out.append(text.mid(w.start, w.length));
    return out;
}

TEST(SpellWords, SplitsTextIntoTheWordsACheckLooksAt)
{
    const QList<std::pair<QString, QStringList>> cases{
        {"", {}},
        {"Check teh backups.", {"Check", "teh", "backups"}},
        {"see 164.308(a)(1) and 2nd copy", {"see", "and", "copy"}},
        {"don't risk-based and/or 'quoted'", {"don't", "risk", "based", "and", "or", "quoted"}},
        {"line one\nline\ttwo", {"line", "one", "line", "two"}},
        {QString::fromUtf8("user\u2019s café"), {QString::fromUtf8("user\u2019s"), QString::fromUtf8("café")}},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(wordsOf(text), expected) << text.toStdString();

    const QList<WordSpan> spans = SpellWords::words(QStringLiteral("  a,bc"));
    EXPECT_EQ(spans, (QList<WordSpan>{{2, 1}, {4, 2}}));
}

class Checker : public ::testing::Test
{
protected:
    TempFolder folder;
};

TEST_F(Checker, AcceptsAbbreviationsCitationsAndTheRulesOwnWords)
{
    SpellChecker checker;
    ASSERT_TRUE(checker.hasMainDictionary());
    for (const char *word : {"HIPAA", "PHI", "ePHI", "CFR", "the", "Backups", "useable", "Useable"})
        EXPECT_TRUE(checker.isCorrect(QString::fromLatin1(word))) << word;
    EXPECT_TRUE(SpellWords::words(QStringLiteral("164.308(a)(1)")).isEmpty());
    EXPECT_FALSE(checker.isCorrect(QStringLiteral("teh")));
    EXPECT_FALSE(checker.isCorrect(QStringLiteral("Teh")));
    EXPECT_TRUE(checker.suggestions(QStringLiteral("teh")).contains(QStringLiteral("the")));
}

TEST_F(Checker, UserWordsAreWrittenAtOnceAndReadAtTheNextStart)
{
    {
        SpellChecker checker;
        EXPECT_FALSE(checker.isCorrect(QStringLiteral("Tessarelish")));
        ASSERT_TRUE(checker.addUserWord(QStringLiteral("Tessarelish")));
        ASSERT_TRUE(checker.addUserWord(QStringLiteral("zorblat")));
        ASSERT_TRUE(checker.addUserWord(QStringLiteral("ZORBLAT"))); // already listed
        EXPECT_TRUE(checker.isCorrect(QStringLiteral("Tessarelish")));
    }
    EXPECT_EQ(folder.read(QStringLiteral("CustomDict1.dct")), QByteArray("Tessarelish\nzorblat\n"));
    SpellChecker restarted;
    EXPECT_TRUE(restarted.isCorrect(QStringLiteral("Tessarelish")));
    EXPECT_TRUE(restarted.isCorrect(QStringLiteral("Zorblat")));
}

TEST_F(Checker, AFailedWriteOfTheUserListIsReportedAndTheWordStillAccepted)
{
    QDir(folder.path()).mkdir(QStringLiteral("CustomDict1.dct")); // a folder in the file's place
    SpellChecker checker;
    const WriteResult result = checker.addUserWord(QStringLiteral("zorblat"));
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.error.contains(QStringLiteral("CustomDict1.dct")));
    EXPECT_TRUE(checker.isCorrect(QStringLiteral("zorblat")));
}

TEST_F(Checker, AnOversizedUserListIsReadInPartAndCopiedAsideBeforeItIsRewritten)
{
    QByteArray big;
    while (big.size() <= SpellChecker::MaxUserDictionaryBytes - 64)
        big += "zorblat" + QByteArray::number(big.size()) + "x\n";
    big += QByteArray(100, 'w') + "\nqwertyzzz\n"; // crosses the limit: the list read leaves room for a word
    folder.write(QStringLiteral("CustomDict1.dct"), big);
    SpellChecker checker;
    EXPECT_TRUE(checker.isCorrect(QStringLiteral("zorblat0x")));
    EXPECT_FALSE(checker.isCorrect(QStringLiteral("qwertyzzz")));
    ASSERT_TRUE(checker.addUserWord(QStringLiteral("Tessarelish")));
    EXPECT_EQ(folder.read(QStringLiteral("CustomDict1.dct.bak")), big);
    EXPECT_TRUE(folder.read(QStringLiteral("CustomDict1.dct")).endsWith("x\nTessarelish\n"));
}

TEST_F(Checker, AFullUserListIsNeverWrittenLongerThanItsLimit)
{
    QByteArray full;
    while (full.size() < SpellChecker::MaxUserDictionaryBytes - 16)
        full += "zorblat" + QByteArray::number(full.size()) + "x\n";
    full += QByteArray(SpellChecker::MaxUserDictionaryBytes - full.size() - 1, 'q') + "\n";
    folder.write(QStringLiteral("CustomDict1.dct"), full);
    SpellChecker checker;
    const WriteResult result = checker.addUserWord(QStringLiteral("Tessarelish"));
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.error.contains(QStringLiteral("CustomDict1.dct holds as many words as it can (1 MB)")))
        << result.error.toStdString();
    EXPECT_TRUE(checker.isCorrect(QStringLiteral("Tessarelish")));
    EXPECT_EQ(folder.read(QStringLiteral("CustomDict1.dct")), full);
    EXPECT_FALSE(folder.exists(QStringLiteral("CustomDict1.dct.bak")));
}

TEST_F(Checker, AutoCorrectEntriesKeepTheirOrderAndLeadTheSuggestions)
{
    SpellChecker checker;
    checker.addAutoCorrect(QStringLiteral("teh"), QStringLiteral("the"));
    checker.addAutoCorrect(QStringLiteral("zorblat"), QStringLiteral("zebra"));
    EXPECT_EQ(checker.autoCorrectCount(), 2);
    EXPECT_EQ(checker.autoCorrectMisspelling(1), "zorblat");
    EXPECT_EQ(checker.autoCorrectCorrection(1), "zebra");
    EXPECT_EQ(checker.autoCorrectMisspelling(2), "");
    EXPECT_EQ(checker.suggestions(QStringLiteral("zorblat")).value(0), "zebra");
    EXPECT_EQ(checker.suggestions(QStringLiteral("Zorblat")).value(0), "Zebra");
}

TEST_F(Checker, WithoutAMainDictionaryNothingIsReported)
{
    SpellChecker checker(QStringLiteral("CustomDict1.dct"), folder.file(QStringLiteral("missing")));
    EXPECT_FALSE(checker.hasMainDictionary());
    EXPECT_TRUE(checker.isCorrect(QStringLiteral("teh")));
    EXPECT_TRUE(checker.suggestions(QStringLiteral("teh")).isEmpty());
}

} // namespace
