#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "core/workbook/ProgramState.h"
#include "ui/preview/PrintPreview.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/preview/PreviewPanel.h"
#include "ui/reader/RuleReaderWindow.h"
#include "ui/reader/SearchPanel.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace {

QByteArray page(const char *text)
{
    return QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs24 ") + text + "\\par}";
}

// The reader in a program folder holding a few rule pages.
class Reader : public ::testing::Test
{
  protected:
    Reader()
    {
        ProgramState::reset();
        RuleReaderWindow::amendedTextShown = false;
        folder.write(QStringLiteral("PR1.Dat"), page("Summary of the final rule."));
        folder.write(QStringLiteral("PR9.Dat"),
                     page("Administrative safeguards: a rule, the rules, one more rule."));
        w.show();
        QApplication::processEvents();
    }
    bool pageCommandsEnabled(bool print, bool search) const
    {
        return w.printButton->isEnabled() == print && w.printAction->isEnabled() == print &&
               w.searchButton->isEnabled() == search && w.searchAction->isEnabled() == search;
    }
    void esc() { QTest::keyClick(&w, Qt::Key_Escape); }

    TempFolder folder;
    ScriptedDialogs dialogs;
    RuleReaderWindow w{nullptr};
};

} // namespace

TEST_F(Reader, OffersTheTwentyFivePagesWithTheirCaptionsAndMenu)
{
    EXPECT_EQ(w.windowTitle(), "The Security Rule");
    EXPECT_EQ(w.areaTabs->currentIndex(), 1);
    EXPECT_EQ(w.pageFrame->title(), "HIPAA Security Rule");
    ASSERT_EQ(w.pageOptions.size(), 25);
    EXPECT_EQ(w.pageOptions[0]->text(), "Entire Rule");
    EXPECT_EQ(w.pageOptions[13]->text(), "I. Policies&&Procedures.."); // one "&" on screen
    EXPECT_EQ(w.pageOptions[13]->toolTip(),
              "Policies and Procedures and Documentation Requirements (Sec. 164.316)");
    EXPECT_EQ(w.pageOptions[24]->toolTip(), "Appendix A to Subpart C of Part 164--Security Standards Matrix");
    EXPECT_EQ(w.pageOptions[20]->text(), "IV. Regulatory Impact...");

    QStringList items;
    for (QAction *a : w.optionsMenu->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + QLatin1Char('=') + a->text());
    EXPECT_EQ(items.join(QLatin1Char(' ')),
              "mOTab(0)=&Home mOTab(2)=&Office Work Area mOTab(3)=&Miscellaneous mOTab(4)=&Exit Program - "
              "mOFD=&Font Display - mOPrint=&Print - mOSearch=&Search - mOExit=E&xit - "
              "mOAmended=Show Rule Text as &Amended (2013)");
    EXPECT_TRUE(w.amendedTextAction->isCheckable());
    EXPECT_FALSE(w.amendedTextAction->isChecked());
    EXPECT_TRUE(w.pageView->Text().isEmpty());
    EXPECT_TRUE(w.searchPanel->isHidden());
    EXPECT_TRUE(w.previewPanel->isHidden());
    EXPECT_EQ(w.previewPanel->fontDisplays[2]->text(), " Portrait");
}

TEST_F(Reader, PrintAndSearchWaitForTheFirstPageAndThenStay)
{
    EXPECT_TRUE(pageCommandsEnabled(false, false));
    w.pageOptions[1]->click();
    EXPECT_EQ(w.pageView->Text().trimmed(), "Summary of the final rule.");
    EXPECT_EQ(ProgramState::ReaderPage, 1);
    EXPECT_TRUE(w.loadingCover->isHidden()) << "the loading cover is gone";
    EXPECT_TRUE(pageCommandsEnabled(true, true));
    EXPECT_TRUE(dialogs.messages.isEmpty());

    w.pageOptions[2]->click(); // no PR2.Dat
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.contains("\"PR2.Dat\""));
    EXPECT_EQ(dialogs.messages[0].caption, "The Security Rule");
    EXPECT_TRUE(w.pageView->Text().isEmpty());
    EXPECT_TRUE(w.loadingCover->isHidden());
    EXPECT_TRUE(pageCommandsEnabled(true, true));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Reader, AMissingFirstPageLeavesPrintAndSearchDisabled)
{
    w.pageOptions[5]->click();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(pageCommandsEnabled(false, false));
    w.pageOptions[9]->click();
    EXPECT_TRUE(pageCommandsEnabled(true, true));
}

TEST_F(Reader, SearchPanelOpensEmptyClosesOnAnotherPageAndAnswersEnter)
{
    w.pageOptions[9]->click();
    w.searchButton->click();
    ASSERT_TRUE(w.searchPanel->isVisible());
    EXPECT_TRUE(w.searchPanel->searchText->hasFocus());
    QTest::keyClicks(w.searchPanel->searchText, QStringLiteral("rule"));
    QTest::keyClick(w.searchPanel->searchText, Qt::Key_Return);
    EXPECT_EQ(w.searchPanel->FoundPosition, 29);
    EXPECT_EQ(w.pageView->SelText(), "rule");
    EXPECT_TRUE(w.searchPanel->searchButton->hasFocus());
    QTest::keyClick(&w, Qt::Key_Enter);
    EXPECT_EQ(w.searchPanel->FoundPosition, 55) << "not inside \"rules\"";

    w.pageOptions[1]->click();
    EXPECT_FALSE(w.searchPanel->isVisible());
    w.searchAction->trigger();
    EXPECT_TRUE(w.searchPanel->isVisible());
    EXPECT_TRUE(w.searchPanel->searchText->text().isEmpty());
    EXPECT_EQ(w.searchPanel->SearchStart, 1);
    w.searchAction->trigger();
    EXPECT_FALSE(w.searchPanel->isVisible());
}

TEST_F(Reader, EscapeShrinksThePreviewClosesItThenTheSearchThenTheReader)
{
    w.pageOptions[9]->click();
    w.searchButton->click();
    w.printButton->click();
    ASSERT_TRUE(w.previewPanel->isVisible());
    EXPECT_GT(w.previewPanel->printPreview->document().pages().size(), 0);
    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_EQ(dialogs.helps.last().context, 1014);
    EXPECT_EQ(dialogs.helps.last().file, "Tessarel.hlp");

    w.previewPanel->enlargeButton->click();
    ASSERT_EQ(w.previewPanel->enlargeButton->text(), "Normal");
    esc();
    EXPECT_TRUE(w.previewPanel->isVisible());
    EXPECT_NE(w.previewPanel->enlargeButton->text(), "Normal");
    esc();
    EXPECT_FALSE(w.previewPanel->isVisible());
    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_EQ(dialogs.helps.last().context, 3012);
    esc();
    EXPECT_FALSE(w.searchPanel->isVisible());
    EXPECT_TRUE(w.isVisible());
    esc();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(ProgramState::PendingArea, 0);
}

TEST_F(Reader, OtherAreasAreReachedThroughTheMenuAndThePopUp)
{
    QTest::mouseRelease(w.pageOptions[7], Qt::RightButton);
    EXPECT_TRUE(w.optionsMenu->isVisible());
    w.optionsMenu->hide();
    w.findChild<QAction *>(QStringLiteral("mOTab(4)"))->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(ProgramState::PendingArea, 4);
}

TEST_F(Reader, ShowsTheGeneratedSubpartPage)
{
    const QString generated = QStringLiteral(TESSAREL_PROGRAM_FOLDER "/PR23.Dat");
    ASSERT_TRUE(QFile::copy(generated, folder.file(QStringLiteral("PR23.Dat"))));
    w.pageOptions[23]->click();
    const QString text = w.pageView->Text();
    EXPECT_TRUE(text.contains(QString::fromUtf8("§ 164.308  Administrative safeguards.")));
    w.searchButton->click();
    QTest::keyClicks(w.searchPanel->searchText, QStringLiteral("RISK ANALYSIS"));
    w.searchPanel->searchButton->click();
    EXPECT_EQ(w.pageView->SelText().toLower(), "risk analysis");
}
