#include "ContentTestSupport.h"

#include <memory>

using namespace ContentTest;
using ContentGen::RuleEntry;

namespace {

const QString RuleFile = QStringLiteral(TESSAREL_CONTENT_DIR "/sources/security-rule-2003.txt");
constexpr int PageCount = 5;

// Each information page with the title it opens with and phrases it must hold.
struct InfoPage
{
    const char *file;
    const char *title;
    QStringList phrases;
};
const InfoPage Pages[PageCount] = {
    {"Misc1.Dat", "Program Information",
     {"Stat1.Fil", "Action0.Fil", "Comment0.Fil", "Policy0.Fil", "TODOActv.FIL", "TODONAME.FIL", "GColor3.Fil",
      "Back Up Workbook\u2026", "Restore Workbook\u2026", "ZIP", "manifest", "Replaced 2026-12-07 143015"}},
    {"Misc2.Dat", "Disclaimer", {"not legal advice", "20 February 2003", "25 January 2013", "responsible"}},
    {"Misc3.Dat", "Addressable Safeguards", {"(A)", "164.306(d)(3)", "Action Taken", "6 years"}},
    {"Misc4.Dat", "Privacy verses Security", {"Subpart E", "Subpart C", "electronic protected health information"}},
    {"Misc5.Dat", "Additional Information",
     {"800-66 Revision 2", "2024", "Security Risk Assessment", "25 January 2013"}},
};

// The five pages read back from the generated files, once for the suite.
class MiscPages : public testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        QString error;
        ASSERT_TRUE(rules.load(RuleFile, &error)) << error.toStdString();
        for (int n = 0; n < PageCount; ++n) {
            documents[n] = std::make_unique<QTextDocument>();
            readPage(QStringLiteral(TESSAREL_PROGRAM_FOLDER "/") + Pages[n].file, *documents[n]);
        }
    }
    static void TearDownTestSuite()
    {
        for (auto &document : documents)
            document.reset();
    }

    static QList<QTextBlock> blocks(int n) { return textBlocks(*documents[n]); }

    static inline ContentGen::RuleText rules;
    static inline std::unique_ptr<QTextDocument> documents[PageCount];
};

} // namespace

TEST_F(MiscPages, EachPageHasItsTitleHeadingsListsAndStatements)
{
    for (int n = 0; n < PageCount; ++n) {
        ASSERT_TRUE(documents[n]) << Pages[n].file;
        const QList<QTextBlock> held = blocks(n);
        ASSERT_GT(held.size(), 8) << Pages[n].file;
        EXPECT_EQ(normalised(held.first().text()).toStdString(), Pages[n].title) << Pages[n].file;
        const QTextCharFormat title = RtfTest::formatAt(*documents[n], held.first().position());
        EXPECT_EQ(title.fontPointSize(), 16) << Pages[n].file;
        EXPECT_TRUE(title.font().bold()) << Pages[n].file;

        int headings = 0, bullets = 0;
        for (const QTextBlock &block : held) {
            const QTextCharFormat format = RtfTest::formatAt(*documents[n], block.position());
            headings += format.fontPointSize() == 14 && format.font().bold();
            bullets += block.text().startsWith(QStringLiteral("\u2022 "));
        }
        EXPECT_GE(headings, 2) << Pages[n].file;
        EXPECT_GE(bullets, 2) << Pages[n].file;

        const QString text = normalised(documents[n]->toPlainText());
        EXPECT_FALSE(text.contains(u'*')) << Pages[n].file << ": markup left in the text";
        for (const QString &phrase : Pages[n].phrases)
            EXPECT_TRUE(text.contains(phrase)) << Pages[n].file << " lacks " << phrase.toStdString();
    }
}

TEST_F(MiscPages, AddressablePageQuotesParagraphD3WordForWord)
{
    QStringList quotation;
    for (const RuleEntry &entry : rules.entries()) {
        if (entry.key == QLatin1String("164.306(d)(3)") || entry.key.startsWith(QLatin1String("164.306(d)(3)(")))
            quotation << normalised(entry.text);
    }
    ASSERT_EQ(quotation.size(), 7);
    QStringList shown;
    for (const QTextBlock &block : blocks(2))
        shown << normalised(block.text());
    const qsizetype start = shown.indexOf(quotation.first());
    ASSERT_GE(start, 0) << "§ 164.306(d)(3) is not quoted whole";
    EXPECT_EQ(shown.mid(start, quotation.size()), quotation) << "the paragraph and its subparagraphs in order";
}

TEST_F(MiscPages, EverySectionOfTheRuleCitedExists)
{
    // Citations into Subpart C name a line of the rule or a paragraph that has lines under it.
    const QRegularExpression citation(QStringLiteral("164\\.3\\d\\d(?:\\([0-9a-zA-Z]+\\))*"));
    int checked = 0;
    for (int n = 0; n < PageCount; ++n) {
        const QString text = documents[n]->toPlainText();
        for (const QRegularExpressionMatch &match : citation.globalMatch(text)) {
            const QString cited = match.captured();
            const bool exists = std::any_of(rules.entries().begin(), rules.entries().end(), [&](const RuleEntry &e) {
                return e.key == cited || e.key.startsWith(cited + u'(') || e.key.startsWith(cited + u'/');
            });
            EXPECT_TRUE(exists) << Pages[n].file << " cites " << cited.toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 30);
}
