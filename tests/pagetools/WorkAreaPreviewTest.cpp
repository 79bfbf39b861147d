#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "core/workbook/ProgramState.h"
#include "components/preview/PreviewTestSupport.h"
#include "ui/preview/PrintPreview.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/preview/PreviewPanel.h"
#include "core/print/PrinterSettings.h"
#include "ui/workarea/WorkAreaPreview.h"
#include "support/ComboPick.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "ui/workarea/StatusBox.h"
#include "ui/workarea/WorkAreaWindow.h"

namespace {

const QString sectionSign = QStringLiteral("\u00a7");

// The work area shown in a fresh program folder, its preview panel driven as the user would.
class WorkAreaPrinting : public ::testing::Test
{
  protected:
    WorkAreaPrinting()
    {
        ProgramState::reset();
        PrinterSettings::reset();
        w.resize(800, 600);
        w.show();
        // The first activation shows the overview; everything after it is the user's.
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        QCoreApplication::processEvents();
    }
    ~WorkAreaPrinting() override { PrinterSettings::reset(); }

    PreviewPanel &panel() { return *w.previewPanel; }
    QCheckBox *box(int i) { return panel().printOptions.at(i); }
    QList<bool> checks()
    {
        QList<bool> on;
        for (QCheckBox *b : panel().printOptions)
            on.append(b->isChecked());
        return on;
    }
    QString documentText()
    {
        QStringList pages;
        const PreviewDocument &doc = panel().printPreview->document();
        for (int p = 0; p < doc.pageCount(); ++p)
            pages.append(pageText(doc.page(p)));
        return pages.join(QLatin1Char(' '));
    }
    void openItem(int category, int tab)
    {
        w.sectionTabs->setCurrentIndex(category);
        w.innerTabs[category - 1]->setCurrentIndex(tab);
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    WorkAreaWindow w{nullptr};
};

} // namespace

TEST_F(WorkAreaPrinting, StatusModeOpensOnTheChosenCategory)
{
    w.categoryOptions[1]->click();
    ASSERT_TRUE(w.printOverviewButton->isEnabled());
    ASSERT_TRUE(w.printAction->isEnabled());
    w.printOverviewButton->click();

    EXPECT_TRUE(panel().isVisible());
    EXPECT_TRUE(w.printing->statusMode());
    EXPECT_EQ(box(0)->text(), "All Safeguards");
    EXPECT_EQ(box(3)->text(), "Technical Safeguards");
    EXPECT_TRUE(box(3)->isVisible());
    EXPECT_EQ(checks(), QList<bool>({false, false, true, false}));
    EXPECT_EQ(panel().fontDisplays[0]->text(), " Times New Roman");
    EXPECT_EQ(panel().fontDisplays[1]->text(), " 10");
    EXPECT_EQ(panel().fontDisplays[2]->text(), "Portrait");
    EXPECT_EQ(panel().fontSample->font().family(), "Times New Roman");
    EXPECT_FALSE(panel().pageCommands[0]->isEnabled());
    EXPECT_FALSE(panel().pageCommands[1]->isEnabled());
    EXPECT_TRUE(documentText().contains("PHYSICAL SAFEGUARDS " + sectionSign + "164.310"));
    EXPECT_FALSE(documentText().contains("ADMINISTRATIVE"));
}

TEST_F(WorkAreaPrinting, AllSafeguardsAndSingleCategoriesExcludeEachOther)
{
    w.printOverviewButton->click();
    box(0)->click();
    EXPECT_EQ(checks(), QList<bool>({true, false, false, false}));
    EXPECT_TRUE(documentText().contains("ORGANIZATIONAL REQUIREMENTS"));
    EXPECT_TRUE(documentText().contains("TECHNICAL SAFEGUARDS"));

    box(2)->click();
    box(3)->click();
    EXPECT_EQ(checks(), QList<bool>({false, false, true, true}));
    EXPECT_FALSE(documentText().contains("ORGANIZATIONAL REQUIREMENTS"));
    EXPECT_TRUE(documentText().contains("TECHNICAL SAFEGUARDS"));

    box(0)->click();
    EXPECT_EQ(checks(), QList<bool>({true, false, false, false}));
    box(0)->click();
    EXPECT_EQ(checks(), QList<bool>({false, false, false, false}));
    EXPECT_TRUE(documentText().isEmpty());
}

TEST_F(WorkAreaPrinting, StatusChosenInTheWindowIsInTheNextReport)
{
    openItem(1, 2);
    pickFromDroppedList(w.statusBox, w.statusBox->findText(QStringLiteral("Review")));
    w.sectionTabs->setCurrentIndex(0);
    w.printOverviewButton->click();
    const PreviewDocument &doc = panel().printPreview->document();
    int reviews = 0;
    for (const Preview::TextOp &t : textOps(doc.page(0)))
        reviews += t.text == QStringLiteral("Review");
    EXPECT_EQ(reviews, 1);
}

TEST_F(WorkAreaPrinting, EntryModePrintsTheEntryAsFormatted)
{
    openItem(1, 0);
    w.commentsOption->click();
    w.entryEditor->setText(QStringLiteral("Plain line\r\nRed bold line"));
    w.entryEditor->setSelStart(11);
    w.entryEditor->setSelLength(13);
    w.entryEditor->setSelColor(Qt::red);
    w.entryEditor->setSelBold(true);
    w.printButton->click();

    EXPECT_FALSE(w.printing->statusMode());
    EXPECT_EQ(box(1)->text(), "Comments/Notes");
    EXPECT_EQ(box(2)->text(), "Policies && Procedures");
    EXPECT_EQ(checks().mid(0, 3), QList<bool>({false, true, false}));
    EXPECT_FALSE(box(0)->isEnabled());
    EXPECT_TRUE(box(1)->isEnabled());
    EXPECT_FALSE(box(3)->isVisible());
    EXPECT_FALSE(panel().pageCommands[0]->isEnabled());
    EXPECT_TRUE(panel().pageCommands[1]->isEnabled());
    EXPECT_EQ(w.printing->suppressNextClick, 0);

    const auto texts = textOps(panel().printPreview->document().page(0));
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[1].text, "Red bold line");
    EXPECT_EQ(texts[1].colour, QColor(Qt::red));
    EXPECT_TRUE(texts[1].font.bold());
    EXPECT_FALSE(texts[0].font.bold());
    EXPECT_EQ(texts[0].font.family(), QFont(QStringLiteral("Times New Roman")).family());
    EXPECT_EQ(panel().printPreview->document().page(0).margins, QMarginsF(350, 300, 350, 100));

    // A click on the one enabled option keeps the entry printed.
    box(1)->click();
    EXPECT_TRUE(box(1)->isChecked());
    EXPECT_EQ(textOps(panel().printPreview->document().page(0)).size(), 2);
}

TEST_F(WorkAreaPrinting, ReferenceModeBuildsFromTheCheckedTexts)
{
    openItem(1, 14);
    w.ruleReferencesOption->click();
    const QString shown = w.entryEditor->Text();
    w.printButton->click();

    EXPECT_EQ(box(0)->text(), "Implementation specification");
    EXPECT_EQ(box(2)->text(), "Additional Comments");
    EXPECT_EQ(checks().mid(0, 3), QList<bool>({false, true, false}));
    EXPECT_TRUE(box(0)->isEnabled() && box(2)->isEnabled());
    EXPECT_TRUE(panel().pageCommands[0]->isEnabled());
    EXPECT_EQ(panel().fontDisplays[0]->text(), " Times New Roman");
    EXPECT_EQ(panel().fontDisplays[1]->text(), " 12");
    const QString references = documentText();
    EXPECT_TRUE(references.contains(QStringLiteral("References in Rule:")));
    EXPECT_FALSE(references.contains(QStringLiteral("Implementation Specification:")));

    box(0)->click();
    box(2)->click();
    const QString all = documentText();
    EXPECT_LT(all.indexOf(QStringLiteral("Implementation Specification:")),
              all.indexOf(QStringLiteral("References in Rule:")));
    EXPECT_LT(all.indexOf(QStringLiteral("References in Rule:")),
              all.indexOf(QStringLiteral("Additional Information:")));
    EXPECT_EQ(w.entryEditor->Text(), shown) << "the report leaves the shown text alone";

    // A new printer font re-renders the report in it.
    dialogs.answerFont(QFont(QStringLiteral("Courier New"), 9));
    panel().pageCommands[0]->click();
    const auto texts = textOps(panel().printPreview->document().page(0));
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts[0].font.family(), QFont(QStringLiteral("Courier New")).family());

    box(0)->click();
    box(1)->click();
    box(2)->click();
    EXPECT_TRUE(documentText().isEmpty());
}

TEST_F(WorkAreaPrinting, RuleTextReportKeepsTheAmendmentMarks)
{
    openItem(4, 1);
    w.specificationOption->click();
    w.printButton->click();
    ASSERT_EQ(checks().mid(0, 3), QList<bool>({true, false, false}));

    QStringList struckWords, underlinedWords, highlightedWords;
    const PreviewDocument &doc = panel().printPreview->document();
    for (int p = 0; p < doc.pageCount(); ++p) {
        for (const Preview::TextOp &t : textOps(doc.page(p))) {
            if (t.font.strikeOut())
                struckWords.append(t.text);
            else if (t.font.underline())
                (t.font.bold() ? highlightedWords : underlinedWords).append(t.text);
        }
    }
    EXPECT_TRUE(
        struckWords.join(u' ').contains(QStringLiteral("between a covered entity and a business associate")));
    EXPECT_TRUE(underlinedWords.join(u' ').contains(
        QStringLiteral(", including breaches of unsecured protected health information as required by ") +
        sectionSign + QStringLiteral(" 164.410.")));
    const QStringList highlighted = highlightedWords.join(u' ').toLower().split(u' ', Qt::SkipEmptyParts);
    ASSERT_FALSE(highlighted.isEmpty());
    for (const QString &word : highlighted)
        EXPECT_TRUE(word == "business" || word == "associate") << word.toStdString();
}

TEST_F(WorkAreaPrinting, PrintingAgainWhileShownChecksExactlyThePrintedEntry)
{
    openItem(1, 0);
    w.commentsOption->click();
    w.entryEditor->setTextRTF("{\\rtf1\\ansi\\paperw11906\\paperh16838 Comments on A4\\par}");
    w.printButton->click();
    EXPECT_EQ(checks().mid(0, 3), QList<bool>({false, true, false}));
    EXPECT_EQ(panel().printPreview->document().pageSize().id(), QPageSize::A4);

    const struct {
        QRadioButton *entry;
        QList<bool> checked;
    } rounds[] = {{w.commentsOption, {false, true, false}},
                  {w.policiesOption, {false, false, true}},
                  {w.actionTakenOption, {true, false, false}}};
    for (const auto &round : rounds) {
        round.entry->click();
        ASSERT_TRUE(panel().isVisible());
        w.printAction->trigger();
        EXPECT_EQ(checks().mid(0, 3), round.checked);
        EXPECT_EQ(w.printing->suppressNextClick, 0);
        // The user's click on the printed entry's option leaves it checked.
        const int printed = int(round.checked.indexOf(true));
        box(printed)->click();
        EXPECT_TRUE(box(printed)->isChecked());
    }
}
