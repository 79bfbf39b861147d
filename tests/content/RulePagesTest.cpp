#include "ContentTestSupport.h"

#include "core/rtf/Rtf.h"

#include <QFile>
#include <memory>

using namespace ContentTest;
using ContentGen::RuleEntry;

namespace {

const QString RuleFile = QStringLiteral(TESSAREL_CONTENT_DIR "/sources/security-rule-2003.txt");

// The heading each page opens with, in page order.
const char *const PageHeadings[] = {
    "Summary",
    "I. Background",
    "II. General Overview of the Provisions of the Proposed Rule",
    "III. Analysis of, and Responses to, Public Comments on the Proposed Rule",
    "A. General Issues",
    "B. Applicability (\u00a7 164.302)",
    "C. Transition to the Final Rule",
    "D. General Rules (\u00a7 164.306)",
    "E. Administrative Safeguards (\u00a7 164.308)",
    "F. Physical Safeguards (\u00a7 164.310)",
    "G. Technical Safeguards (\u00a7 164.312)",
    "H. Organizational Requirements (\u00a7 164.314)",
    "I. Policies and Procedures and Documentation Requirements (\u00a7 164.316)",
    "J. Compliance Dates for Initial Implementation (\u00a7 164.318)",
    "K. Appendix",
    "L. Miscellaneous Issues",
    "M. Proposed Impact Analysis",
    "IV. Provisions of the Final Regulation",
    "V. Collection of Information Requirements",
    "Regulatory Impact Analysis",
    "Federalism",
    "List of Subjects",
    "Subpart C\u2014Security Standards for the Protection of Electronic Protected Health Information",
    "Appendix A to Subpart C of Part 164\u2014Security Standards: Matrix",
};

// Each page read back from the generated file once for the whole suite.
class RulePages : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        QString error;
        ASSERT_TRUE(rules.load(RuleFile, &error)) << error.toStdString();
        for (int n = 0; n <= 24; ++n) {
            pages[n] = std::make_unique<QTextDocument>();
            QFile file(QStringLiteral(TESSAREL_PROGRAM_FOLDER "/PR%1.Dat").arg(n));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "PR" << n << ".Dat is missing";
            ASSERT_TRUE(Rtf::read(file.readAll(), *pages[n]).ok) << "PR" << n << ".Dat is not RTF";
        }
    }
    static void TearDownTestSuite()
    {
        for (auto &page : pages)
            page.reset();
    }

    static QStringList paragraphs(int n)
    {
        QStringList out;
        for (const QString &text : RtfTest::blockTexts(*pages[n])) {
            if (!normalised(text).isEmpty())
                out << normalised(text);
        }
        return out;
    }

    static inline ContentGen::RuleText rules;
    static inline std::unique_ptr<QTextDocument> pages[25];
};

TEST_F(RulePages, EveryPageLoadsAndOpensWithItsSectionHeading)
{
    for (int n = 1; n <= 24; ++n) {
        ASSERT_TRUE(pages[n]) << n;
        EXPECT_EQ(paragraphs(n).value(0), QString::fromUtf8(PageHeadings[n - 1])) << "PR" << n;
        EXPECT_EQ(RtfTest::formatAt(*pages[n], 0).fontPointSize(), 16) << "PR" << n;
    }
}

TEST_F(RulePages, PreamblePagesAreLabelledAsSummariesWithTheirCitation)
{
    for (int n = 1; n <= 22; ++n) {
        const QString text = pages[n]->toPlainText();
        EXPECT_TRUE(text.contains("Summary of this section of the preamble")) << "PR" << n;
        EXPECT_TRUE(text.contains("68 FR 8334, February 20, 2003")) << "PR" << n;
    }
}

TEST_F(RulePages, Pr23HoldsEveryParagraphOfTheRegulationWordForWordAndInOrder)
{
    const QStringList held = paragraphs(23);
    qsizetype at = 0;
    int count = 0;
    for (const RuleEntry &entry : rules.entries()) {
        if (entry.key.startsWith("appendix-a"))
            continue;
        const qsizetype found = held.indexOf(normalised(entry.text), at);
        EXPECT_GE(found, 0) << "missing or out of order: " << entry.key.toStdString();
        at = found < 0 ? at : found + 1;
        ++count;
    }
    EXPECT_EQ(count, 157);
}

TEST_F(RulePages, Pr24HoldsTheWholeMatrixWithEveryRowsCellsInOrder)
{
    const QString held = paragraphs(24).join(' ');
    qsizetype at = 0;
    int rows = 0;
    for (const RuleEntry &entry : rules.entries()) {
        if (!entry.key.startsWith("appendix-a"))
            continue;
        QStringList cells = entry.text.split('|');
        for (QString &cell : cells)
            cell = normalised(cell);
        cells.removeAll(QString());
        const QString row = cells.join(' ');
        const qsizetype found = held.indexOf(row, at);
        EXPECT_GE(found, 0) << "missing or out of order: " << entry.key.toStdString();
        at = found < 0 ? at : found + row.size();
        ++rows;
    }
    EXPECT_EQ(rows, 47);
    EXPECT_TRUE(RtfTest::formatAt(*pages[24], RtfTest::find(*pages[24], "Security Management Process")).font().bold());
}

TEST_F(RulePages, EntireRuleIsEveryPageInOrder)
{
    QStringList all;
    for (int n = 1; n <= 24; ++n)
        all << pages[n]->toPlainText();
    EXPECT_EQ(pages[0]->toPlainText(), all.join('\n'));
}

} // namespace
