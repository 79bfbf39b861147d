#include <gtest/gtest.h>

#include "core/rule/RuleAmendments.h"
#include "core/rule/RuleData.h"

namespace {

using RuleAmendments::Kind;
using RuleAmendments::Paragraph;
using DiffRun = WordDiff::Run;

std::vector<Paragraph> item(std::initializer_list<const char *> citations)
{
    std::vector<QString> list;
    for (const char *citation : citations)
        list.push_back(QString::fromLatin1(citation));
    return RuleAmendments::compareCitations(list);
}

QStringList shown(const std::vector<Paragraph> &paragraphs)
{
    QStringList out;
    for (const Paragraph &paragraph : paragraphs)
        out.append(QString::number(int(paragraph.kind)) + u' ' + paragraph.citation);
    return out;
}

QStringList changedWords(const Paragraph &paragraph, WordDiff::Kind kind)
{
    QStringList words;
    for (const DiffRun &run : paragraph.runs)
        if (run.kind == kind)
            words.append(run.text);
    return words;
}

const auto unchanged = QStringLiteral("0 ");
const auto changed = QStringLiteral("1 ");
const auto added = QStringLiteral("2 ");
const auto removed = QStringLiteral("3 ");

TEST(RuleAmendments, WrittenContractShowsTheReplacedAndRenumberedParagraphs)
{
    const std::vector<Paragraph> paragraphs =
        item({"164.308(b)(1)", "164.308(b)(2)", "164.308(b)(2)(i)", "164.308(b)(2)(ii)", "164.308(b)(2)(iii)",
              "164.308(b)(3)", "164.308(b)(4)"});
    EXPECT_EQ(shown(paragraphs),
              QStringList({changed + "164.308(b)(1)", removed + "164.308(b)(2)", removed + "164.308(b)(2)(i)",
                           removed + "164.308(b)(2)(ii)", removed + "164.308(b)(2)(iii)", added + "164.308(b)(2)",
                           removed + "164.308(b)(3)", changed + "164.308(b)(3)"}));

    // (b)(1), word by word.
    EXPECT_EQ(changedWords(paragraphs[0], WordDiff::Kind::Removed),
              QStringList({"Standard:", ", in accordance with § 164.306,"}));
    EXPECT_EQ(changedWords(paragraphs[0], WordDiff::Kind::Added),
              QStringList({",", "A covered entity is not required to obtain such satisfactory assurances from a "
                                "business associate that is a subcontractor."}));
    // The new (b)(3) is the 2003 (b)(4) renumbered, with (b)(2) added to its reference.
    EXPECT_EQ(changedWords(paragraphs[7], WordDiff::Kind::Removed), QStringList({"(4)"}));
    EXPECT_EQ(changedWords(paragraphs[7], WordDiff::Kind::Added), QStringList({"(3)", "or (b)(2)"}));
    EXPECT_EQ(WordDiff::joined(paragraphs[5].runs),
              RuleData::line(QStringLiteral("164.308(b)(2)"), RuleData::Edition::Amended2013));
}

TEST(RuleAmendments, BusinessAssociateContractsGainTheSentenceAndTheSubcontractorParagraph)
{
    const std::vector<Paragraph> paragraphs =
        item({"164.314(a)(1)", "164.314(a)(1)(i)", "164.314(a)(1)(ii)", "164.314(a)(1)(ii)(A)",
              "164.314(a)(1)(ii)(B)", "164.314(a)(2)", "164.314(a)(2)(i)", "164.314(a)(2)(i)(A)",
              "164.314(a)(2)(i)(B)", "164.314(a)(2)(i)(C)", "164.314(a)(2)(i)(D)", "164.314(a)(2)(ii)",
              "164.314(a)(2)(ii)(A)", "164.314(a)(2)(ii)(A)(1)", "164.314(a)(2)(ii)(A)(2)", "164.314(a)(2)(ii)(B)",
              "164.314(a)(2)(ii)(C)"});
    ASSERT_FALSE(paragraphs.empty());
    EXPECT_EQ(paragraphs[0].citation, "164.314(a)(1)");
    EXPECT_EQ(paragraphs[0].runs,
              std::vector<DiffRun>({{WordDiff::Kind::Same, "(a)(1) Standard: Business associate contracts or other "
                                                       "arrangements. "},
                                {WordDiff::Kind::Added,
                                 "The contract or other arrangement required by § 164.308(b)(3) must meet the "
                                 "requirements of paragraph (a)(2)(i), (a)(2)(ii), or (a)(2)(iii) of this section, "
                                 "as applicable."}}));
    const QStringList kinds = shown(paragraphs);
    for (const char *gone : {"164.314(a)(1)(i)", "164.314(a)(1)(ii)(B)", "164.314(a)(2)(i)(D)",
                             "164.314(a)(2)(ii)(A)(2)", "164.314(a)(2)(ii)(C)"})
        EXPECT_TRUE(kinds.contains(removed + QLatin1String(gone))) << gone;
    EXPECT_TRUE(kinds.contains(unchanged + "164.314(a)(2)"));
    EXPECT_EQ(kinds.back(), added + "164.314(a)(2)(iii)") << "the new paragraph follows the removed (ii)(C)";
    EXPECT_EQ(kinds.indexOf(changed + "164.314(a)(2)(ii)") + 6, kinds.size() - 1)
        << "its five removed paragraphs stand between (ii) and (iii)";
}

TEST(RuleAmendments, UnamendedParagraphsAreUnchanged)
{
    const std::vector<Paragraph> paragraphs = item({"164.310(b)"});
    EXPECT_EQ(shown(paragraphs), QStringList({unchanged + "164.310(b)"}));
    EXPECT_FALSE(RuleAmendments::anyChanged(paragraphs));
    EXPECT_TRUE(RuleAmendments::anyChanged(item({"164.308(a)(8)"})));
}

} // namespace
