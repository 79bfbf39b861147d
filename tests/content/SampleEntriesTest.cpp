#include "ContentTestSupport.h"

#include "core/rtf/Rtf.h"

#include <QFile>
#include <memory>

using namespace ContentTest;
using ContentGen::RuleEntry;

namespace {

const QString RuleFile = QStringLiteral(TESSAREL_CONTENT_DIR "/sources/security-rule-2003.txt");
const QString PasswordKey = QStringLiteral("164.308(a)(5)(ii)(D)");

// The sample files and the title each opens with, so a file built from the wrong source shows.
struct Sample
{
    const char *file;
    const char *title;
};
const Sample Samples[] = {
    {"SampleAct.Dat", "Password Management \u2014 Action Taken"},
    {"SampleCom.Dat", "Password Management \u2014 Comments and Notes"},
    {"SamplePol.Dat", "Password Management Policy and Procedure"},
};
constexpr int Act = 0, Pol = 2;

// Each sample read back from the generated file, as the entry box reads it, once for the suite.
class SampleEntries : public testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        QString error;
        ASSERT_TRUE(rules.load(RuleFile, &error)) << error.toStdString();
        for (int n = 0; n < 3; ++n) {
            documents[n] = std::make_unique<QTextDocument>();
            readPage(QStringLiteral(TESSAREL_PROGRAM_FOLDER "/") + Samples[n].file, *documents[n]);
        }
    }
    static void TearDownTestSuite()
    {
        for (auto &document : documents)
            document.reset();
    }

    static QString ruleText(const QString &key)
    {
        for (const RuleEntry &entry : rules.entries()) {
            if (entry.key == key)
                return entry.text;
        }
        ADD_FAILURE() << "no regulation line " << key.toStdString();
        return {};
    }

    static QList<QTextBlock> blocks(int n) { return textBlocks(*documents[n]); }

    static inline ContentGen::RuleText rules;
    static inline std::unique_ptr<QTextDocument> documents[3];
};

TEST_F(SampleEntries, EachFileOpensWithItsOwnTitleAndHoldsItsText)
{
    for (int n = 0; n < 3; ++n) {
        ASSERT_TRUE(documents[n]) << Samples[n].file;
        const QList<QTextBlock> held = blocks(n);
        ASSERT_GT(held.size(), 10) << Samples[n].file;
        EXPECT_EQ(normalised(held.first().text()).toStdString(), Samples[n].title) << Samples[n].file;
        const QTextCharFormat title = RtfTest::formatAt(*documents[n], held.first().position());
        EXPECT_EQ(title.fontPointSize(), 16) << Samples[n].file;
        EXPECT_TRUE(title.font().bold()) << Samples[n].file;
        EXPECT_TRUE(held.first().blockFormat().alignment().testFlag(Qt::AlignHCenter)) << Samples[n].file;
        // Markup the generator failed to apply would stay in the text.
        EXPECT_FALSE(documents[n]->toPlainText().contains(u'*')) << Samples[n].file;
    }
    EXPECT_TRUE(documents[Act]->toPlainText().contains("164.306(d)(3)"));
}

TEST_F(SampleEntries, PolicyHasBoldNumberedHeadingsAndBulletLists)
{
    QStringList headings;
    int bullets = 0;
    for (const QTextBlock &block : blocks(Pol)) {
        const QTextCharFormat format = RtfTest::formatAt(*documents[Pol], block.position());
        if (format.fontPointSize() == 14) {
            EXPECT_TRUE(format.font().bold()) << block.text().toStdString();
            headings << block.text();
        }
        if (block.text().startsWith(u'\u2022')) {
            EXPECT_TRUE(block.text().startsWith(QStringLiteral("\u2022 "))) << block.text().toStdString();
            EXPECT_EQ(leftTwips(block), 540) << block.text().toStdString();
            EXPECT_FALSE(format.font().bold()) << block.text().toStdString();
            ++bullets;
        }
    }
    EXPECT_EQ(headings.join(" | ").toStdString(),
              "1. Purpose | 2. Scope | 3. Policy | 4. Procedures | 5. Responsibilities | "
              "6. Enforcement and sanctions | 7. Documentation and retention | 8. Review");
    EXPECT_GE(bullets, 30);

    // A responsibility item leads with its role in bold, the rest of the item plain.
    const int role = RtfTest::find(*documents[Pol], "Security Official:");
    ASSERT_GE(role, 0);
    EXPECT_TRUE(RtfTest::formatAt(*documents[Pol], role).font().bold());
    EXPECT_FALSE(RtfTest::formatAt(*documents[Pol], role + 20).font().bold());

    const QString text = documents[Pol]->toPlainText();
    for (const char *cited : {"Policy number:", "Effective date:", "Next review date:",
                              "164.308(a)(1)(ii)(C)", "164.316(b)(2)", "6 years"})
        EXPECT_TRUE(text.contains(QLatin1String(cited))) << cited;
}

TEST_F(SampleEntries, PolicyQuotesThePasswordParagraphWordForWordAndNoOtherRegulationText)
{
    const QString password = normalised(ruleText(PasswordKey));
    ASSERT_FALSE(password.isEmpty());
    int quoted = 0;
    for (const QTextBlock &block : blocks(Pol)) {
        if (normalised(block.text()) != password)
            continue;
        ++quoted;
        // Indented at its (D) level, the caption in italic and the text after it upright.
        EXPECT_EQ(leftTwips(block), 3 * 360);
        const int caption = static_cast<int>(block.text().indexOf(QStringLiteral("Password management")));
        ASSERT_GE(caption, 0);
        EXPECT_TRUE(RtfTest::formatAt(*documents[Pol], block.position() + caption).fontItalic());
        const int rest = static_cast<int>(block.text().indexOf(QStringLiteral("Procedures for")));
        EXPECT_FALSE(RtfTest::formatAt(*documents[Pol], block.position() + rest).fontItalic());
    }
    EXPECT_EQ(quoted, 1);

    // Regulation text comes into the samples only through the generator: outside the quoted paragraph no
    // sentence of the rule appears in any of them, whole or typed into other text.
    QString texts[3];
    for (int n = 0; n < 3; ++n)
        texts[n] = normalised(documents[n]->toPlainText());
    texts[Pol].replace(password, QString());
    static const QRegularExpression sentenceEnd(QStringLiteral("(?<=[.;])\\s+"));
    for (const RuleEntry &entry : rules.entries()) {
        for (const QString &sentence : normalised(entry.text).split(sentenceEnd)) {
            if (sentence.size() < 40)
                continue;
            for (int n = 0; n < 3; ++n)
                EXPECT_FALSE(texts[n].contains(sentence, Qt::CaseInsensitive))
                    << Samples[n].file << " holds " << entry.key.toStdString();
        }
    }
}

} // namespace
