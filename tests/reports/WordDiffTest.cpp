#include <QStringList>
#include <gtest/gtest.h>

#include "core/text/WordDiff.h"

namespace WordDiff {
// Shows a run in a failure message as =, - or + and its text.
void PrintTo(const Run &run, std::ostream *out)
{
    *out << (run.kind == Kind::Same ? "=" : run.kind == Kind::Removed ? "-" : "+") << '"' << run.text.toStdString()
         << '"';
}
} // namespace WordDiff

namespace {

using WordDiff::Kind;
using DiffRun = WordDiff::Run;

struct Case
{
    const char *name;
    const char *before;
    const char *after;
    std::vector<DiffRun> runs;
};

TEST(WordDiff, MarksWholeWordsAndKeepsTheTextReadable)
{
    const auto same = [](const char *text) { return DiffRun{Kind::Same, QString::fromUtf8(text)}; };
    const auto removed = [](const char *text) { return DiffRun{Kind::Removed, QString::fromUtf8(text)}; };
    const auto added = [](const char *text) { return DiffRun{Kind::Added, QString::fromUtf8(text)}; };
    const Case cases[] = {
        {"identical", "A covered entity must", "A covered entity must", {same("A covered entity must")}},
        {"word added inside", "A covered entity must", "A covered entity or business associate must",
         {same("A covered entity "), added("or business associate"), same(" must")}},
        {"words removed keep one blank", "protecting the entity's electronic data", "protecting electronic data",
         {same("protecting "), removed("the entity's"), same(" electronic data")}},
        {"punctuation added alone", "§ 164.314(a) that the", "§ 164.314(a), that the",
         {same("§ 164.314(a)"), added(","), same(" that the")}},
        {"clause removed with its commas", "entity, in accordance with § 164.306, may permit",
         "entity may permit", {same("entity"), removed(", in accordance with § 164.306,"), same(" may permit")}},
        {"replaced word before punctuation", "of this subpart;", "of this part;",
         {same("of this "), removed("subpart"), same(" "), added("part"), same(";")}},
        {"last words replaced", "arrangement, if feasible; or", "arrangement, if feasible; and",
         {same("arrangement, if feasible; "), removed("or"), same(" "), added("and")}},
        {"everything new", "", "Comply with this subpart;", {added("Comply with this subpart;")}},
        {"everything gone", "(D) Authorize termination.", "", {removed("(D) Authorize termination.")}},
        {"numbering changed", "(4) Implementation specifications:", "(3) Implementation specifications:",
         {removed("(4)"), same(" "), added("(3)"), same(" Implementation specifications:")}},
    };
    for (const Case &c : cases) {
        const WordDiff::Comparison comparison =
            WordDiff::compare(QString::fromUtf8(c.before), QString::fromUtf8(c.after));
        EXPECT_EQ(comparison.runs, c.runs) << c.name;
        QString shownAfter;
        for (const DiffRun &run : comparison.runs)
            if (run.kind != Kind::Removed)
                shownAfter += run.text;
        EXPECT_EQ(shownAfter.simplified(), QString::fromUtf8(c.after).simplified()) << c.name;
    }
}

TEST(WordDiff, CountsCommonWordsForTheLikenessOfTwoParagraphs)
{
    const WordDiff::Comparison comparison =
        WordDiff::compare(QStringLiteral("(ii) Other arrangements."),
                          QStringLiteral("(ii) Other arrangements. The covered entity is in compliance."));
    EXPECT_EQ(comparison.before, 4) << "the closing full stop is a word";
    EXPECT_EQ(comparison.after, 11);
    EXPECT_EQ(comparison.common, 4);
    EXPECT_DOUBLE_EQ(comparison.containment(), 1.0);
    EXPECT_DOUBLE_EQ(comparison.similarity(), 4.0 / 11);
    EXPECT_TRUE(comparison.changed());
    EXPECT_FALSE(WordDiff::compare(QStringLiteral("a  b"), QStringLiteral("a b")).changed());
}

TEST(WordDiff, VeryLongTextsStillGiveBothTextsWhole)
{
    QStringList oldWords, newWords;
    for (int i = 0; i < 5000; ++i) {
        oldWords.append(QStringLiteral("old%1").arg(i));
        newWords.append(QStringLiteral("new%1").arg(i));
    }
    const QString before = oldWords.join(u' ');
    const QString after = newWords.join(u' ');
    const WordDiff::Comparison comparison = WordDiff::compare(before, after);
    ASSERT_EQ(comparison.runs.size(), 3u);
    EXPECT_EQ(comparison.runs[0].kind, Kind::Removed);
    EXPECT_EQ(comparison.runs[2].kind, Kind::Added);
    EXPECT_EQ(comparison.runs[2].text, after);
}

} // namespace
