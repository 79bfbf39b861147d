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

#include "core/workbook/HINFO1.h"
#include "ui/preview/PrintPreview.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/preview/PreviewPanel.h"
#include "ui/reader/PrivRule1.h"
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
        HINFO1::reset();
        PrivRule1::amendedTextShown = false;
        folder.write(QStringLiteral("PR1.Dat"), page("Summary of the final rule."));
        folder.write(QStringLiteral("PR9.Dat"), page("Administrative safeguards: a rule, the rules, one more rule."));
        w.show();
        QApplication::processEvents();
    }
    bool pageCommandsEnabled(bool print, bool search) const
    {
        return w.SSCommand4->isEnabled() == print && w.mOPrint->isEnabled() == print &&
               w.SSCommand5->isEnabled() == search && w.mOSearch->isEnabled() == search;
    }
    void esc() { QTest::keyClick(&w, Qt::Key_Escape); }

    TempFolder folder;
    ScriptedDialogs dialogs;
    PrivRule1 w{nullptr};
};

} // namespace

TEST_F(Reader, OffersTheTwentyFivePagesWithTheirCaptionsAndMenu)
{
    EXPECT_EQ(w.windowTitle(), "The Security Rule");
    EXPECT_EQ(w.SSTab1->currentIndex(), 1);
    EXPECT_EQ(w.SSFrame1->title(), "HIPAA Security Rule");
    ASSERT_EQ(w.SSOption1.size(), 25);
    EXPECT_EQ(w.SSOption1[0]->text(), "Entire Rule");
    EXPECT_EQ(w.SSOption1[13]->text(), "I. Policies&&Procedures.."); // one "&" on screen
    EXPECT_EQ(w.SSOption1[13]->toolTip(), "Policies and Procedures and Documentation Requirements (Sec. 164.316)");
    EXPECT_EQ(w.SSOption1[24]->toolTip(), "Appendix A to Subpart C of Part 164--Security Standards Matrix");
    EXPECT_EQ(w.SSOption1[20]->text(), "IV. Regulatory Impact...");

    QStringList items;
    for (QAction *a : w.mO->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + QLatin1Char('=') + a->text());
    EXPECT_EQ(items.join(QLatin1Char(' ')),
              "mOTab(0)=&Home mOTab(2)=&Office Work Area mOTab(3)=&Miscellaneous mOTab(4)=&Exit Program - "
              "mOFD=&Font Display - mOPrint=&Print - mOSearch=&Search - mOExit=E&xit - "
              "mOAmended=Show Rule Text as &Amended (2013)");
    EXPECT_TRUE(w.mOAmended->isCheckable());
    EXPECT_FALSE(w.mOAmended->isChecked());
    EXPECT_TRUE(w.RText2->Text().isEmpty());
    EXPECT_TRUE(w.Panel3D3->isHidden());
    EXPECT_TRUE(w.previewPanel->isHidden());
    EXPECT_EQ(w.previewPanel->Panel3D80[2]->text(), " Portrait");
}

TEST_F(Reader, PrintAndSearchWaitForTheFirstPageAndThenStay)
{
    EXPECT_TRUE(pageCommandsEnabled(false, false));
    w.SSOption1[1]->click();
    EXPECT_EQ(w.RText2->Text().trimmed(), "Summary of the final rule.");
    EXPECT_EQ(HINFO1::ReaderPage, 1);
    EXPECT_TRUE(w.RText->isHidden()) << "the loading cover is gone";
    EXPECT_TRUE(pageCommandsEnabled(true, true));
    EXPECT_TRUE(dialogs.messages.isEmpty());

    w.SSOption1[2]->click(); // no PR2.Dat
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.contains("\"PR2.Dat\""));
    EXPECT_EQ(dialogs.messages[0].caption, "The Security Rule");
    EXPECT_TRUE(w.RText2->Text().isEmpty());
    EXPECT_TRUE(w.RText->isHidden());
    EXPECT_TRUE(pageCommandsEnabled(true, true));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Reader, AMissingFirstPageLeavesPrintAndSearchDisabled)
{
    w.SSOption1[5]->click();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(pageCommandsEnabled(false, false));
    w.SSOption1[9]->click();
    EXPECT_TRUE(pageCommandsEnabled(true, true));
}

TEST_F(Reader, SearchPanelOpensEmptyClosesOnAnotherPageAndAnswersEnter)
{
    w.SSOption1[9]->click();
    w.SSCommand5->click();
    ASSERT_TRUE(w.Panel3D3->isVisible());
    EXPECT_TRUE(w.Panel3D3->Text1->hasFocus());
    QTest::keyClicks(w.Panel3D3->Text1, QStringLiteral("rule"));
    QTest::keyClick(w.Panel3D3->Text1, Qt::Key_Return);
    EXPECT_EQ(w.Panel3D3->FoundPosition, 29);
    EXPECT_EQ(w.RText2->SelText(), "rule");
    EXPECT_TRUE(w.Panel3D3->Command5->hasFocus());
    QTest::keyClick(&w, Qt::Key_Enter);
    EXPECT_EQ(w.Panel3D3->FoundPosition, 55) << "not inside \"rules\"";

    w.SSOption1[1]->click();
    EXPECT_FALSE(w.Panel3D3->isVisible());
    w.mOSearch->trigger();
    EXPECT_TRUE(w.Panel3D3->isVisible());
    EXPECT_TRUE(w.Panel3D3->Text1->text().isEmpty());
    EXPECT_EQ(w.Panel3D3->SearchStart, 1);
    w.mOSearch->trigger();
    EXPECT_FALSE(w.Panel3D3->isVisible());
}

TEST_F(Reader, EscapeShrinksThePreviewClosesItThenTheSearchThenTheReader)
{
    w.SSOption1[9]->click();
    w.SSCommand5->click();
    w.SSCommand4->click();
    ASSERT_TRUE(w.previewPanel->isVisible());
    EXPECT_GT(w.previewPanel->VSP1->document().pages().size(), 0);
    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_EQ(dialogs.helps.last().context, 1014);
    EXPECT_EQ(dialogs.helps.last().file, "Tessarel.hlp");

    w.previewPanel->SSCommand1->click();
    ASSERT_EQ(w.previewPanel->SSCommand1->text(), "Normal");
    esc();
    EXPECT_TRUE(w.previewPanel->isVisible());
    EXPECT_NE(w.previewPanel->SSCommand1->text(), "Normal");
    esc();
    EXPECT_FALSE(w.previewPanel->isVisible());
    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_EQ(dialogs.helps.last().context, 3012);
    esc();
    EXPECT_FALSE(w.Panel3D3->isVisible());
    EXPECT_TRUE(w.isVisible());
    esc();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(HINFO1::PendingArea, 0);
}

TEST_F(Reader, OtherAreasAreReachedThroughTheMenuAndThePopUp)
{
    QTest::mouseRelease(w.SSOption1[7], Qt::RightButton);
    EXPECT_TRUE(w.mO->isVisible());
    w.mO->hide();
    w.findChild<QAction *>(QStringLiteral("mOTab(4)"))->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(HINFO1::PendingArea, 4);
}

TEST_F(Reader, ShowsTheGeneratedSubpartPage)
{
    const QString generated = QStringLiteral(TESSAREL_PROGRAM_FOLDER "/PR23.Dat");
    ASSERT_TRUE(QFile::copy(generated, folder.file(QStringLiteral("PR23.Dat"))));
    w.SSOption1[23]->click();
    const QString text = w.RText2->Text();
    EXPECT_TRUE(text.contains(QString::fromUtf8("§ 164.308  Administrative safeguards.")));
    w.SSCommand5->click();
    QTest::keyClicks(w.Panel3D3->Text1, QStringLiteral("RISK ANALYSIS"));
    w.Panel3D3->Command5->click();
    EXPECT_EQ(w.RText2->SelText().toLower(), "risk analysis");
}
