#include "ContentTestSupport.h"

#include "RuleFormatter.h"

using namespace ContentTest;
using ContentGen::RuleEntry;
using RtfTest::blockTexts;

namespace {

const QByteArray Lines = "164.304\t\u00a7 164.304  Definitions.\n"
                         "164.304/intro\tAs used in this subpart:\n"
                         "164.304/Access\tAccess means the ability.\n"
                         "164.306\t\u00a7 164.306  General rules.\n"
                         "164.306(b)(1)\t(b) Flexibility of approach. (1) Covered entities may.\n"
                         "164.306(b)(2)\t(2) In deciding:\n"
                         "164.306(b)(2)(i)\t(i) The size.\n"
                         "164.306(d)(3)(ii)(B)(1)\t(1) Document why.\r\n"
                         "164.308\t\u00a7 164.308  Administrative safeguards.\n"
                         "164.308(a)(1)(i)\t(1)(i) Standard: Security management process. Implement.\n"
                         "164.308(a)(1)(ii)(A)\t(A) Risk analysis (Required). Conduct.\n"
                         "1643.1\tnot part of 164\n"
                         "appendix-a\tAppendix A\u2014Matrix\n"
                         "appendix-a/legend\tStandards | Sections | Specifications\n"
                         "appendix-a/1\tAdministrative Safeguards\n"
                         "appendix-a/2\tSecurity Management Process | 164.308(a)(1) | Risk Analysis (R)\n"
                         "appendix-a/3\t |  | Risk Management (R)\n";

QStringList keysOf(const QList<RuleEntry> &entries)
{
    QStringList keys;
    for (const RuleEntry &entry : entries)
        keys << entry.key;
    return keys;
}

TEST(RuleText, RangesRunFromTheFirstLineUnderOneCitationToTheLastUnderAnother)
{
    ContentGen::RuleText rules;
    QString error;
    ASSERT_TRUE(rules.parse(Lines, &error));
    ASSERT_EQ(rules.entries().size(), 17);
    EXPECT_EQ(rules.entries()[7].text, "(1) Document why.") << "a CR before the line end is dropped";
    QList<RuleEntry> range;
    ASSERT_TRUE(rules.range("164.306", "164.306", &range, &error));
    EXPECT_EQ(keysOf(range),
              (QStringList{"164.306", "164.306(b)(1)", "164.306(b)(2)", "164.306(b)(2)(i)", "164.306(d)(3)(ii)(B)(1)"}));
    ASSERT_TRUE(rules.range("164.306(b)(2)", "164.308(a)(1)", &range, &error));
    EXPECT_EQ(keysOf(range).first(), "164.306(b)(2)");
    EXPECT_EQ(keysOf(range).last(), "164.308(a)(1)(ii)(A)");
    ASSERT_TRUE(rules.range("164.308", "164.308", &range, &error));
    EXPECT_FALSE(keysOf(range).contains("1643.1")) << "a key that merely starts with the digits is not under it";
    ASSERT_TRUE(rules.range("164.304/Access", "164.304/Access", &range, &error));
    EXPECT_EQ(keysOf(range), QStringList{"164.304/Access"});
    ASSERT_TRUE(rules.range("appendix-a", "appendix-a", &range, &error));
    EXPECT_EQ(range.size(), 5);

    EXPECT_FALSE(rules.range("164.308", "164.304", &range, &error));
    EXPECT_TRUE(error.contains("backwards"));
    EXPECT_FALSE(rules.range("164.30", "164.308", &range, &error));
    EXPECT_EQ(error, "no regulation paragraph 164.30");
    EXPECT_FALSE(rules.parse("164.302 no tab here\n", &error));
    EXPECT_EQ(error, "regulation line 1 has no key");
}

TEST(RuleFormat, ParagraphsAreIndentedByTheLevelOfTheirFirstPrintedDesignation)
{
    const struct { const char *key; const char *text; int level; } cases[] = {
        {"164.306(b)(1)", "(b) Flexibility of approach. (1) Covered", 1},
        {"164.308(a)(1)(i)", "(1)(i) Standard: x.", 2},
        {"164.306(b)(2)(i)", "(i) The size.", 3},
        {"164.308(a)(1)(ii)(A)", "(A) Risk analysis", 4},
        {"164.306(d)(3)(ii)(B)(1)", "(1) Document why", 5},
        {"164.316(b)(1)(i)", "(b)(1) Standard: Documentation. (i) Maintain", 1},
        {"164.310/intro", "A covered entity must", 1},
        {"164.304/Access", "Access means", 1},
    };
    for (const auto &[key, text, level] : cases)
        EXPECT_EQ(ContentGen::designationLevel({key, text}), level) << key;
}

TEST(RuleFormat, CaptionsEndWhereTheCfrStopsItsItalic)
{
    const struct { const char *text; const char *caption; } cases[] = {
        {"Standard: Security management process. Implement policies.", "Standard: Security management process."},
        {"Standard: Business associate contracts or other arrangements.",
         "Standard: Business associate contracts or other arrangements."},
        {"Risk analysis (Required). Conduct an accurate assessment.", "Risk analysis (Required)."},
        {"Implementation specification: Response and Reporting (Required). Identify.",
         "Implementation specification: Response and Reporting (Required)."},
        {"Implementation specifications:", "Implementation specifications:"},
        {"Implementation specifications. Implement:", "Implementation specifications."},
        {"Implementation specifications (Required). The plan documents", "Implementation specifications (Required)."},
        {"Flexibility of approach. (1) Covered entities may use", "Flexibility of approach."},
        {"Other arrangements.", "Other arrangements."},
        {"Implementation specifications are required or addressable. If an", ""},
        {"The costs of security measures.", ""},
        {"Ensure compliance with this subpart by its workforce.", ""},
        {"Terminated the contract or arrangement, if feasible; or", ""},
        {"Assess whether it is reasonable. If so, document (Required).", ""},
    };
    for (const auto &[text, caption] : cases) {
        const QString source = QString::fromUtf8(text);
        EXPECT_EQ(source.left(ContentGen::captionLength(source)), QString::fromUtf8(caption)) << text;
    }
}

TEST(RuleFormat, RegulationTextIsInsertedVerbatimWithHeadingsCaptionsAndTerms)
{
    Page page(Lines);
    ASSERT_TRUE(page.build("@rule 164.304 164.308\n@rule appendix-a\n")) << page.error.toStdString();
    const QTextDocument &doc = page.document;
    EXPECT_EQ(blockTexts(doc).mid(0, 4), (QStringList{"\u00a7 164.304  Definitions.", "As used in this subpart:",
                                                       "Access means the ability.", "\u00a7 164.306  General rules."}));
    EXPECT_TRUE(formatIn(doc, "\u00a7 164.304", 0).font().bold());
    EXPECT_FALSE(formatIn(doc, "As used", 0).font().bold());
    EXPECT_TRUE(formatIn(doc, "Access means", 0).font().italic()) << "the defined term";
    EXPECT_FALSE(formatIn(doc, "Access means", 7).font().italic());
    EXPECT_FALSE(formatIn(doc, "(b) Flex", 0).font().italic()) << "the designation stays upright";
    EXPECT_TRUE(formatIn(doc, "(b) Flex", 4).font().italic());
    EXPECT_FALSE(formatIn(doc, "(b) Flex", 29).font().italic()) << "the (1) after the caption";
    EXPECT_EQ(leftTwips(blockStarting(doc, "(i) The size")), 720);
    EXPECT_EQ(leftTwips(blockStarting(doc, "(1) Document")), 1440);

    const QStringList tail = blockTexts(doc).mid(blockTexts(doc).indexOf("Appendix A\u2014Matrix"));
    EXPECT_EQ(tail, (QStringList{"Appendix A\u2014Matrix", "Standards\tSections", "Specifications",
                                 "Administrative Safeguards", "Security Management Process\t164.308(a)(1)",
                                 "Risk Analysis (R)", "Risk Management (R)"}));
    EXPECT_EQ(formatIn(doc, "Appendix A", 0).fontPointSize(), 16);
    EXPECT_TRUE(formatIn(doc, "Administrative Safeguards", 0).font().bold());
    EXPECT_EQ(leftTwips(blockStarting(doc, "Risk Management")), 720);
}

} // namespace
