#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "core/workbook/HINFO1.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/preview/PreviewPanel.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "ui/preview/GridBackgroundSelector.h"
#include "core/catalogue/Catalogue.h"
#include "ui/workarea/WorkArea1.h"
#include "workarea/WorkAreaFixture.h"

namespace {

TEST_F(WorkArea, OpensOnTheOverviewWithCatalogueCaptions)
{
    EXPECT_EQ(w.windowTitle(), "Office Action Area - HIPAA Security Standards");
    EXPECT_EQ(w.SSTab2->currentIndex(), 0);
    EXPECT_TRUE(w.SSPanel1->isHidden());
    EXPECT_EQ(w.Label3->text(), QString::fromUtf8("Administrative Safeguards§164.308"));
    ASSERT_EQ(w.VSGd1->rowCount(), 10);
    EXPECT_EQ(w.VSGd1->item(0, 2)->text(), "Implementation Specifications");
    EXPECT_EQ(w.VSGd1->item(9, 0)->text(), "Business Associate Contracts And\nOther Arrangements");
    EXPECT_EQ(w.innerTabs[0]->tabText(5), "Authorization &&/or Supervision"); // shows as one "&"
    EXPECT_TRUE(w.mOGridMenu->isVisible());
    EXPECT_FALSE(w.mOSave->isVisible());
    EXPECT_FALSE(w.mOFont->isVisible());

    openItem(2, 2);
    EXPECT_EQ(w.windowTitle(), "Office Action Area - Physical Safeguards");
    EXPECT_EQ(w.Label5->text(), " Standard: Facility Access Controls");
    EXPECT_EQ(w.Label7->text(), " Specification: Access Control & Validation Procedures (A)");
    EXPECT_TRUE(w.mOSave->isVisible());
    EXPECT_FALSE(w.mOGridMenu->isVisible());

    w.SSTab2->setCurrentIndex(3);
    w.SSTab2->setCurrentIndex(2);
    EXPECT_EQ(w.innerTabs[1]->currentIndex(), 0) << "a category opens on its first item";
    EXPECT_EQ(w.Label7->text(), " Specification: Contingency Operation (A)");

    w.SSTab2->setCurrentIndex(0);
    w.SSOption1[2]->click();
    EXPECT_EQ(w.Label3->text(), QString::fromUtf8("Technical Safeguards§164.312"));
    EXPECT_EQ(w.VSGd1->rowCount(), 6);
}

TEST_F(WorkArea, NothingCanBeTypedBeforeAViewIsChosen)
{
    openItem(1, 0);
    type(QStringLiteral("stray"));
    EXPECT_TRUE(w.Rtext3->Text().isEmpty());
    EXPECT_EQ(w.EntryChanged, 0);
}

TEST_F(WorkArea, SaveWritesTheItemsOwnFileAndAnotherItemLoadsItsOwn)
{
    folder.write(QStringLiteral("Action1.Fil"), QByteArrayLiteral("{\\rtf1\\ansi Second item}"));
    openItem(1, 0);
    w.SSOption3->click();
    EXPECT_EQ(w.EntryKind, 3);
    EXPECT_EQ(w.EntryChanged, 0);
    type(QStringLiteral("Risk analysis done"));
    EXPECT_EQ(w.EntryChanged, 1);
    w.SSCommand6->click();
    EXPECT_EQ(w.EntryChanged, 0);
    EXPECT_EQ(textOf(folder.file(QStringLiteral("Action0.Fil"))), "Risk analysis done");

    w.innerTabs[0]->setCurrentIndex(1);
    EXPECT_EQ(prompts(), 0);
    EXPECT_EQ(w.Rtext3->Text(), "Second item");
    EXPECT_EQ(w.CurrentFileName, "Action1.Fil");
    EXPECT_EQ(w.EntryChanged, 0) << "loading and emptying are not edits";
}

TEST_F(WorkArea, SwitchingItemWithAnEditAsksAndYesSavesNoDiscards)
{
    folder.write(QStringLiteral("Comment23.Fil"), QByteArrayLiteral("{\\rtf1\\ansi Kept}"));
    const QByteArray before = folder.read(QStringLiteral("Comment23.Fil"));
    openItem(2, 0);
    w.SSOption4->click();
    type(QStringLiteral(" more"));
    dialogs.answer(Dialogs::No);
    w.innerTabs[1]->setCurrentIndex(1);
    ASSERT_EQ(prompts(), 1);
    EXPECT_EQ(dialogs.messages.last().caption, "Save Changes?");
    EXPECT_EQ(dialogs.messages.last().style, Dialogs::YesNo + Dialogs::Question);
    EXPECT_EQ(folder.read(QStringLiteral("Comment23.Fil")), before);
    EXPECT_EQ(w.CurrentFileName, "Comment24.Fil");

    type(QStringLiteral("Plan written"));
    dialogs.answer(Dialogs::Yes);
    w.innerTabs[1]->setCurrentIndex(2);
    EXPECT_EQ(prompts(), 2);
    EXPECT_EQ(textOf(folder.file(QStringLiteral("Comment24.Fil"))), "Plan written");
    EXPECT_EQ(w.Label7->text(), " Specification: Access Control & Validation Procedures (A)");
}

TEST_F(WorkArea, FailedSaveIsReportedAndKeepsTheText)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Action0.Fil")));
    openItem(1, 0);
    w.SSOption3->click();
    type(QStringLiteral("Precious words"));
    w.SSCommand6->click();
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.messages.last().text.contains("Action0.Fil"));
    EXPECT_EQ(w.EntryChanged, 1);
    EXPECT_EQ(w.Rtext3->Text(), "Precious words");

    // Saving on the way to the next item fails too: the item and its text stay.
    dialogs.answer(Dialogs::Yes);
    w.innerTabs[0]->setCurrentIndex(1);
    EXPECT_EQ(w.innerTabs[0]->currentIndex(), 0);
    EXPECT_EQ(w.CurrentItemTab, 0);
    EXPECT_EQ(w.Rtext3->Text(), "Precious words");
    EXPECT_EQ(w.EntryChanged, 1);

    dialogs.answer(Dialogs::Yes);
    w.SSTab1->setCurrentIndex(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.SSTab1->currentIndex(), 2) << "the window stays open";
    EXPECT_EQ(HINFO1::PendingArea, 0);
}

TEST_F(WorkArea, LeavingByTheAreaTabsPromptsForAnEdit)
{
    openItem(1, 0);
    w.SSOption5->click();
    type(QStringLiteral("Policy"));
    dialogs.answer(Dialogs::Yes);
    w.SSTab1->setCurrentIndex(3);
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts(), 1);
    EXPECT_EQ(HINFO1::PendingArea, 3);
    EXPECT_EQ(textOf(folder.file(QStringLiteral("Policy0.Fil"))), "Policy");
}

TEST_F(WorkArea, ChoosingAStatusWritesItsRecord)
{
    openItem(1, 0);
    EXPECT_EQ(w.Combo1->currentText(), "");
    pickStatus(2);
    const QByteArray file = folder.read(QStringLiteral("Stat1.Fil"));
    ASSERT_GE(file.size(), 9);
    EXPECT_EQ(file.left(9), QByteArrayLiteral("\x07\x00Working"));

    w.innerTabs[0]->setCurrentIndex(1);
    w.innerTabs[0]->setCurrentIndex(0);
    EXPECT_EQ(w.Combo1->currentText(), "Working") << "the table follows the choice at once";
    w.SSTab2->setCurrentIndex(0);
    EXPECT_EQ(w.VSGd1->item(1, 4)->text(), "Working\n\n\n");
}

TEST_F(WorkArea, StatusWriteFailureIsReported)
{
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("Stat1.Fil"))));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Stat1.Fil")));
    openItem(3, 0);
    pickStatus(1);
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.messages.last().text.contains("Stat1.Fil"));
    EXPECT_EQ(w.Combo1->currentText(), "Pending");
}

TEST_F(WorkArea, SampleEntriesAreNeverSaved)
{
    folder.write(QStringLiteral("SampleAct.Dat"), QByteArrayLiteral("{\\rtf1\\ansi Sample action}"));
    folder.write(QStringLiteral("SamplePol.Dat"), QByteArrayLiteral("{\\rtf1\\ansi Sample policy}"));
    w.SSTab2->setCurrentIndex(6);
    EXPECT_EQ(dialogs.messages.last().caption, "Sample Safeguard Entry");
    EXPECT_EQ(w.Combo1->currentText(), "Completed");
    w.SSOption3->click();
    EXPECT_EQ(w.Rtext3->Text(), "Sample action");
    EXPECT_TRUE(w.Rtext3->Locked());
    w.SSOption5->click();
    EXPECT_EQ(dialogs.messages.last().caption, "Policies and Procedures");
    EXPECT_FALSE(w.Rtext3->Locked());
    type(QStringLiteral("changed "));
    w.SSCommand6->click();
    EXPECT_EQ(dialogs.messages.last().text, "Unable to save changes to sample.");
    EXPECT_EQ(dialogs.messages.last().caption, "Save Command");
    w.SSOption4->click();
    w.SSTab2->setCurrentIndex(1);
    EXPECT_EQ(prompts(), 0);
    EXPECT_EQ(folder.read(QStringLiteral("SamplePol.Dat")), QByteArrayLiteral("{\\rtf1\\ansi Sample policy}"));
    w.Combo1->setCurrentIndex(1);
    EXPECT_FALSE(folder.exists(QStringLiteral("Stat1.Fil")) && folder.read(QStringLiteral("Stat1.Fil")).contains("Pending"));
}

TEST_F(WorkArea, ReferenceViewsAreReadOnlyAndAlignmentFollowsTheOptions)
{
    openItem(1, 0);
    w.SSOption6->click();
    EXPECT_EQ(w.EntryKind, 0);
    EXPECT_TRUE(w.Rtext3->Locked());
    EXPECT_FALSE(w.SSCommand6->isEnabled());
    EXPECT_FALSE(w.SSFrame4->isEnabled());
    w.SSOption3->click();
    EXPECT_FALSE(w.SSOption6->isChecked());
    type(QStringLiteral("Centred"));
    w.SSOption8[1]->click();
    EXPECT_EQ(w.Rtext3->SelAlignment(), 2);
    w.SSOption8[2]->click();
    EXPECT_EQ(w.Rtext3->SelAlignment(), 1);
}

TEST_F(WorkArea, HelpTopicAndTabStops)
{
    QTest::keyClick(&w, Qt::Key_F1);
    ASSERT_FALSE(dialogs.helps.isEmpty());
    EXPECT_EQ(dialogs.helps.last().context, 3010);
    w.show();
    openItem(1, 0);
    w.SSOption3->click();
    w.activateWindow();
    w.Rtext3->setFocus();
    QApplication::processEvents();
    if (w.Rtext3->hasFocus()) {
        EXPECT_FALSE(w.SSCommand6->focusPolicy() & Qt::TabFocus);
        w.SSCommand6->setFocus();
        QApplication::processEvents();
        EXPECT_TRUE(w.SSCommand6->focusPolicy() & Qt::TabFocus);
    }
}

TEST_F(WorkArea, EscapeClosesThePreviewFirstAndRightClickPopsUpTheOptions)
{
    w.show();
    w.previewPanel->open();
    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_EQ(dialogs.helps.last().context, 1014);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.previewPanel->isHidden());
    EXPECT_TRUE(w.isVisible());

    openItem(4, 1);
    QTest::mouseRelease(w.Label6, Qt::RightButton);
    EXPECT_TRUE(w.mO->isVisible());
    w.mO->hide();

    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(HINFO1::PendingArea, 0);
}

TEST_F(WorkArea, WithoutAViewAnItemChangesOnlyLabelsAndStatus)
{
    folder.write(QStringLiteral("Action43.Fil"), QByteArrayLiteral("{\\rtf1\\ansi Not shown}"));
    openItem(4, 0);
    EXPECT_FALSE(w.SSOption6->isEnabled()) << "the overview item has no specification text";
    w.innerTabs[3]->setCurrentIndex(1);
    EXPECT_TRUE(w.SSOption6->isEnabled());
    EXPECT_TRUE(w.Rtext3->Text().isEmpty());
    EXPECT_EQ(w.Label6->text(), " Section: 164.314(a)(1)");
}

TEST_F(WorkArea, ReferenceViewsShowTheShownItemsTextsAndNeverCountAsAnEdit)
{
    folder.write(QStringLiteral("RefRA1.Dat"), QByteArrayLiteral("{\\rtf1\\ansi Risk analysis references}"));
    openItem(1, 0);
    w.SSOption2->click();
    EXPECT_EQ(w.Rtext3->Text(), "Risk analysis references");
    EXPECT_EQ(w.EntryChanged, 0);

    w.SSOption6->click();
    const QString riskAnalysis = w.Rtext3->Text();
    EXPECT_TRUE(riskAnalysis.startsWith(QStringLiteral("Implementation Specification:")));
    EXPECT_TRUE(riskAnalysis.contains(QStringLiteral("Risk analysis (Required).")));
    EXPECT_EQ(w.EntryChanged, 0);

    w.innerTabs[0]->setCurrentIndex(1); // the selected view follows the item
    EXPECT_TRUE(w.SSOption6->isChecked());
    EXPECT_TRUE(w.Rtext3->Text().contains(QStringLiteral("Risk management (Required).")));
    EXPECT_EQ(prompts(), 0);

    // Password management is shown for the sample.
    const Catalogue::Item *passwords = Catalogue::item(Catalogue::sampleReportNumber);
    ASSERT_NE(passwords, nullptr);
    openItem(passwords->category, passwords->tab);
    w.SSOption7->click();
    const QString additional = w.Rtext3->Text();
    EXPECT_FALSE(additional.isEmpty());
    w.SSTab2->setCurrentIndex(Catalogue::sampleCategory);
    w.SSOption7->click();
    EXPECT_EQ(w.Rtext3->Text(), additional);
    EXPECT_EQ(prompts(), 0);
}

TEST_F(WorkArea, AMissingReferenceFileLeavesTheViewEmptyWithoutAMessage)
{
    openItem(1, 1);
    w.SSOption2->click();
    EXPECT_TRUE(w.Rtext3->Text().isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(WorkAreaGrid, TheStoredPictureLiesBehindTheOverviewUntilNoneIsChosen)
{
    TempFolder folder;
    ScriptedDialogs dialogs;
    QImage texture(8, 8, QImage::Format_RGB32);
    texture.fill(QColor(230, 225, 200));
    ASSERT_TRUE(texture.save(folder.file(QStringLiteral("WP3.jpg")), "JPG"));
    QByteArray records(20, '\0');
    records.append(QByteArray("\x01\x00" "3", 3)).append(17, '\0');
    folder.write(QStringLiteral("GColor3.Fil"), records);

    WorkArea1 w(nullptr);
    EXPECT_FALSE(w.VSGd1->palette().brush(QPalette::Base).textureImage().isNull());
    EXPECT_TRUE(w.gridBackground->mOGrid1[3]->isChecked());
    w.gridBackground->mOGrid1[0]->trigger();
    EXPECT_TRUE(w.VSGd1->palette().brush(QPalette::Base).textureImage().isNull());
    EXPECT_EQ(w.VSGd1->palette().color(QPalette::Base), w.Rtext3->palette().color(QPalette::Base));
    EXPECT_EQ(folder.read(QStringLiteral("GColor3.Fil")).mid(20, 3), QByteArray("\x01\x00" "0", 3));
}

} // namespace
