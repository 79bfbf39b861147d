#include <gtest/gtest.h>

#include "core/text/TextFinder.h"

namespace {

const QString rules = QStringLiteral("The rules of rulemaking: a Rule is a rule, rule's reach.");

TEST(TextFinder, WholeWordsSkipLongerWordsThatContainTheText)
{
    const TextFinder finder(rules);
    EXPECT_EQ(finder.find(u"rule", 0, -1, true), 27);
    EXPECT_EQ(finder.find(u"rule", 28, -1, true), 37);
    EXPECT_EQ(finder.find(u"rule", 38, -1, true), 43);
    EXPECT_EQ(finder.find(u"rule", 44, -1, true), -1);
    EXPECT_EQ(finder.find(u"rule", 0, -1, false), 4);
    EXPECT_EQ(finder.find(u"making", 0, -1, true), -1);
    EXPECT_EQ(finder.find(u"the", 0, -1, true), 0);
}

TEST(TextFinder, ApostrophesUnderscoresAndPunctuationEndWords)
{
    const TextFinder finder(QStringLiteral("rule's rule_x (rule) x-rule rule2 rule\u00e9 rule\u0301"));
    EXPECT_EQ(finder.find(u"rule", 0, -1, true), 0);
    EXPECT_EQ(finder.find(u"rule", 1, -1, true), 7);
    EXPECT_EQ(finder.find(u"rule", 8, -1, true), 15);
    EXPECT_EQ(finder.find(u"rule", 16, -1, true), 23);
    // Digits, accented letters and combining marks belong to the word.
    EXPECT_EQ(finder.find(u"rule", 24, -1, true), -1);
}

TEST(TextFinder, LetterCaseIsIgnoredOnBothSides)
{
    const TextFinder finder(QStringLiteral("SECURITY Security \u00c9t\u00c9 stra\u00dfe"));
    EXPECT_EQ(finder.find(u"security", 0, -1, true), 0);
    EXPECT_EQ(finder.find(u"SECURITY", 1, -1, true), 9);
    EXPECT_EQ(finder.find(u"\u00e9t\u00e9", 0, -1, true), 18);
    EXPECT_EQ(finder.find(u"STRA\u00dfE", 0, -1, true), 22);
}

TEST(TextFinder, FoldingKeepsPositionsOfWideCharacters)
{
    const QString text = QStringLiteral("\U00010400 x \U00010428 rule");
    EXPECT_EQ(TextFinder::foldCase(text).size(), text.size());
    const TextFinder finder(text);
    EXPECT_EQ(finder.find(u"\U00010428", 0, -1, true), 0);
    EXPECT_EQ(finder.find(u"\U00010400", 1, -1, true), 5);
    EXPECT_EQ(finder.find(u"rule", 0, -1, true), 8);
}

TEST(TextFinder, SearchStaysBetweenStartAndEnd)
{
    const TextFinder finder(QStringLiteral("rule one rule two rule"));
    EXPECT_EQ(finder.find(u"rule", 1, -1, true), 9);
    EXPECT_EQ(finder.find(u"rule", 9, -1, true), 9);
    EXPECT_EQ(finder.find(u"rule", 1, 12, true), -1) << "a match must end before the end";
    EXPECT_EQ(finder.find(u"rule", 1, 13, true), 9);
    EXPECT_EQ(finder.find(u"rule", -5, 3, true), -1);
    EXPECT_EQ(finder.find(u"rule", 19, 500, true), -1);
    EXPECT_EQ(finder.find(u"rule", 18, 500, true), 18);
    EXPECT_EQ(finder.find(u"rule", 100, -1, true), -1);
    EXPECT_EQ(finder.find(u"", 0, -1, false), -1);
}

TEST(TextFinder, RepeatedSearchesAgreeWithFreshOnes)
{
    // A caller stepping one position at a time, with changing ends and options, must get exactly what a
    // finder without memory of earlier searches gives.
    const QString text = QStringLiteral("a rule, rules, Rule; rulemaking rule. x rule");
    const TextFinder stepping(text);
    for (bool whole : {true, false}) {
        for (int end : {-1, 30, 44}) {
            for (int start = 0; start <= text.size(); ++start) {
                const TextFinder fresh(text);
                ASSERT_EQ(stepping.find(u"rule", start, end, whole), fresh.find(u"rule", start, end, whole))
                    << start << " " << end << " " << whole;
            }
        }
    }
    const TextFinder fresh(text);
    EXPECT_EQ(stepping.find(u"rules", 0, -1, true), fresh.find(u"rules", 0, -1, true));
}

TEST(TextFinder, NewTextForgetsEarlierResults)
{
    TextFinder finder(QStringLiteral("no match here"));
    EXPECT_EQ(finder.find(u"rule", 0, -1, true), -1);
    finder.setText(QStringLiteral("a rule"));
    EXPECT_EQ(finder.find(u"rule", 0, -1, true), 2);
}

} // namespace

TEST(TextFinderEdges, AMatchThatStartsOrEndsWithABlankNeedsNoBoundaryThere)
{
    const TextFinder finder(QStringLiteral("Make a backup. Backups daily, backup-tape."));
    EXPECT_EQ(finder.find(u" backup", 0, -1, true), 6);
    EXPECT_EQ(finder.find(u" backup", 7, -1, true), 29);
    EXPECT_EQ(finder.find(u"backup ", 0, -1, true), -1);
    EXPECT_EQ(finder.find(u"a ", 0, -1, true), 5);
}
