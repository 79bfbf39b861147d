#include <gtest/gtest.h>

#include "core/references/ReferenceTable.h"
#include "core/references/ReferenceText.h"
#include "core/rule/RuleData.h"

namespace {

const QString crlf = QStringLiteral("\r\n");

TEST(ReferenceText, RuleTextIsLabelBlankLineAndOneBlockPerLine)
{
    const QString expected = QStringLiteral("Implementation Specification:") + crlf + crlf +
                             QString::fromUtf8(RuleData::S308) + crlf + QString::fromUtf8(RuleData::O1) + crlf +
                             QString::fromUtf8(RuleData::I1) + crlf + QStringLiteral("    ") +
                             RuleData::line(QStringLiteral("164.308(a)(1)(ii)(A)"));
    EXPECT_EQ(ReferenceText::ruleText(1).left(expected.size() + 4), expected + crlf + crlf)
        << "the amended text follows after a blank line";
    EXPECT_TRUE(ReferenceText::ruleText(12).contains(crlf + RuleData::line(QStringLiteral("164.308(a)(5)(i)")) + crlf +
                                                     QStringLiteral("   (A) Security reminders")));
}

TEST(ReferenceText, OverviewItemsHaveAnEmptyRuleTextWithoutLabel)
{
    EXPECT_EQ(ReferenceText::ruleText(43), QString());
    EXPECT_EQ(ReferenceText::ruleText(46), QString());
    EXPECT_EQ(ReferenceText::additionalInformation(43),
              QStringLiteral("Additional Information:") + crlf + crlf + QStringLiteral("Not applicable at this time."));
}

TEST(ReferenceText, AddressableItemsStartWithTheExplanationThenABlankLine)
{
    const QStringList lines = ReferenceText::additionalInformation(14).split(crlf);
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0], "Additional Information:");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "This Implementation Specification is Addressable.");
    EXPECT_EQ(lines[3], "This means that a covered entity will do one of the following:");
    EXPECT_EQ(lines[8], "        an alternative security measure. (Least desirable)");
    EXPECT_EQ(lines[10], "    In several addressable areas it may be easier to implement than explain/justify why not used!");
    EXPECT_EQ(lines[11], "");
    EXPECT_TRUE(lines[12].startsWith(QStringLiteral("Set procedures for monitoring Log-in attempts")));
    EXPECT_FALSE(ReferenceText::additionalInformation(1).contains(QStringLiteral("Addressable.")));
}

TEST(ReferenceText, PreambleTitleIsFollowedByOneBlankLine)
{
    const QStringList lines = ReferenceText::references(5).split(crlf);
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[0], "References in Rule:");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], QStringLiteral("2. Assigned Security Responsibility (§ 164.308(a)(2))"));
    EXPECT_EQ(lines[3], "");
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("Preamble (summary): ")));
    EXPECT_EQ(ReferenceText::references(1), QString()) << "a content-file text is not built";
}

TEST(ReferenceText, TrimsBlanksButKeepsTheIndentationInside)
{
    const std::vector<ReferenceTable::Line> lines{ReferenceTable::text("  first  "),
                                                  ReferenceTable::text("    second   ")};
    EXPECT_EQ(ReferenceText::build("  Label:", lines),
              QStringLiteral("Label:") + crlf + crlf + QStringLiteral("  first  ") + crlf + QStringLiteral("    second"));
    EXPECT_EQ(ReferenceText::build("Label:", {}), QString());
}

} // namespace
