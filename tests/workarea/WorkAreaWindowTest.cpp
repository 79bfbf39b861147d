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

#include "core/workbook/ProgramState.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/preview/PreviewPanel.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "ui/preview/GridBackgroundSelector.h"
#include "core/catalogue/Catalogue.h"
#include "ui/workarea/WorkAreaWindow.h"
#include "workarea/WorkAreaFixture.h"

namespace {

TEST_F(WorkArea, OpensOnTheOverviewWithCatalogueCaptions)
{
    EXPECT_EQ(w.windowTitle(), "Office Action Area - HIPAA Security Standards");
    EXPECT_EQ(w.sectionTabs->currentIndex(), 0);
    EXPECT_TRUE(w.itemPanel->isHidden());
    EXPECT_EQ(w.overviewHeading->text(), QString::fromUtf8("Administrative Safeguards§164.308"));
    ASSERT_EQ(w.overviewGrid->rowCount(), 10);
    EXPECT_EQ(w.overviewGrid->item(0, 2)->text(), "Implementation Specifications");
    EXPECT_EQ(w.overviewGrid->item(9, 0)->text(), "Business Associate Contracts And\nOther Arrangements");
    EXPECT_EQ(w.innerTabs[0]->tabText(5), "Authorization &&/or Supervision"); // shows as one "&"
    EXPECT_TRUE(w.gridMenuAction->isVisible());
    EXPECT_FALSE(w.saveAction->isVisible());
    EXPECT_FALSE(w.fontAction->isVisible());

    openItem(2, 2);
    EXPECT_EQ(w.windowTitle(), "Office Action Area - Physical Safeguards");
    EXPECT_EQ(w.standardText->text(), " Standard: Facility Access Controls");
    EXPECT_EQ(w.specificationText->text(), " Specification: Access Control & Validation Procedures (A)");
    EXPECT_TRUE(w.saveAction->isVisible());
    EXPECT_FALSE(w.gridMenuAction->isVisible());

    w.sectionTabs->setCurrentIndex(3);
    w.sectionTabs->setCurrentIndex(2);
    EXPECT_EQ(w.innerTabs[1]->currentIndex(), 0) << "a category opens on its first item";
    EXPECT_EQ(w.specificationText->text(), " Specification: Contingency Operation (A)");

    w.sectionTabs->setCurrentIndex(0);
    w.categoryOptions[2]->click();
    EXPECT_EQ(w.overviewHeading->text(), QString::fromUtf8("Technical Safeguards§164.312"));
    EXPECT_EQ(w.overviewGrid->rowCount(), 6);
}

TEST_F(WorkArea, NothingCanBeTypedBeforeAViewIsChosen)
{
    openItem(1, 0);
    type(QStringLiteral("stray"));
    EXPECT_TRUE(w.entryEditor->Text().isEmpty());
    EXPECT_EQ(w.EntryChanged, 0);
}

TEST_F(WorkArea, SaveWritesTheItemsOwnFileAndAnotherItemLoadsItsOwn)
{
    folder.write(QStringLiteral("Action1.Fil"), QByteArrayLiteral("{\\rtf1\\ansi Second item}"));
    openItem(1, 0);
    w.actionTakenOption->click();
    EXPECT_EQ(w.EntryKind, 3);
    EXPECT_EQ(w.EntryChanged, 0);
    type(QStringLiteral("Risk analysis done"));
    EXPECT_EQ(w.EntryChanged, 1);
    w.saveButton->click();
    EXPECT_EQ(w.EntryChanged, 0);
    EXPECT_EQ(textOf(folder.file(QStringLiteral("Action0.Fil"))), "Risk analysis done");

    w.innerTabs[0]->setCurrentIndex(1);
    EXPECT_EQ(prompts(), 0);
    EXPECT_EQ(w.entryEditor->Text(), "Second item");
    EXPECT_EQ(w.CurrentFileName, "Action1.Fil");
    EXPECT_EQ(w.EntryChanged, 0) << "loading and emptying are not edits";
}

TEST_F(WorkArea, SwitchingItemWithAnEditAsksAndYesSavesNoDiscards)
{
    folder.write(QStringLiteral("Comment23.Fil"), QByteArrayLiteral("{\\rtf1\\ansi Kept}"));
    const QByteArray before = folder.read(QStringLiteral("Comment23.Fil"));
    openItem(2, 0);
    w.commentsOption->click();
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
    EXPECT_EQ(w.specificationText->text(), " Specification: Access Control & Validation Procedures (A)");
}

TEST_F(WorkArea, FailedSaveIsReportedAndKeepsTheText)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Action0.Fil")));
    openItem(1, 0);
    w.actionTakenOption->click();
    type(QStringLiteral("Precious words"));
    w.saveButton->click();
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.messages.last().text.contains("Action0.Fil"));
    EXPECT_EQ(w.EntryChanged, 1);
    EXPECT_EQ(w.entryEditor->Text(), "Precious words");

    // Saving on the way to the next item fails too: the item and its text stay.
    dialogs.answer(Dialogs::Yes);
    w.innerTabs[0]->setCurrentIndex(1);
    EXPECT_EQ(w.innerTabs[0]->currentIndex(), 0);
    EXPECT_EQ(w.CurrentItemTab, 0);
    EXPECT_EQ(w.entryEditor->Text(), "Precious words");
    EXPECT_EQ(w.EntryChanged, 1);

    dialogs.answer(Dialogs::Yes);
    w.areaTabs->setCurrentIndex(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.areaTabs->currentIndex(), 2) << "the window stays open";
    EXPECT_EQ(ProgramState::PendingArea, 0);
}

TEST_F(WorkArea, LeavingByTheAreaTabsPromptsForAnEdit)
{
    openItem(1, 0);
    w.policiesOption->click();
    type(QStringLiteral("Policy"));
    dialogs.answer(Dialogs::Yes);
    w.areaTabs->setCurrentIndex(3);
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts(), 1);
    EXPECT_EQ(ProgramState::PendingArea, 3);
    EXPECT_EQ(textOf(folder.file(QStringLiteral("Policy0.Fil"))), "Policy");
}

TEST_F(WorkArea, ChoosingAStatusWritesItsRecord)
{
    openItem(1, 0);
    EXPECT_EQ(w.statusBox->currentText(), "");
    pickStatus(2);
    const QByteArray file = folder.read(QStringLiteral("Stat1.Fil"));
    ASSERT_GE(file.size(), 9);
    EXPECT_EQ(file.left(9), QByteArrayLiteral("\x07\x00Working"));

    w.innerTabs[0]->setCurrentIndex(1);
    w.innerTabs[0]->setCurrentIndex(0);
    EXPECT_EQ(w.statusBox->currentText(), "Working") << "the table follows the choice at once";
    w.sectionTabs->setCurrentIndex(0);
    EXPECT_EQ(w.overviewGrid->item(1, 4)->text(), "Working\n\n\n");
}

TEST_F(WorkArea, StatusWriteFailureIsReported)
{
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("Stat1.Fil"))));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Stat1.Fil")));
    openItem(3, 0);
    pickStatus(1);
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.messages.last().text.contains("Stat1.Fil"));
    EXPECT_EQ(w.statusBox->currentText(), "Pending");
}

TEST_F(WorkArea, SampleEntriesAreNeverSaved)
{
    folder.write(QStringLiteral("SampleAct.Dat"), QByteArrayLiteral("{\\rtf1\\ansi Sample action}"));
    folder.write(QStringLiteral("SamplePol.Dat"), QByteArrayLiteral("{\\rtf1\\ansi Sample policy}"));
    w.sectionTabs->setCurrentIndex(6);
    EXPECT_EQ(dialogs.messages.last().caption, "Sample Safeguard Entry");
    EXPECT_EQ(w.statusBox->currentText(), "Completed");
    w.actionTakenOption->click();
    EXPECT_EQ(w.entryEditor->Text(), "Sample action");
    EXPECT_TRUE(w.entryEditor->Locked());
    w.policiesOption->click();
    EXPECT_EQ(dialogs.messages.last().caption, "Policies and Procedures");
    EXPECT_FALSE(w.entryEditor->Locked());
    type(QStringLiteral("changed "));
    w.saveButton->click();
    EXPECT_EQ(dialogs.messages.last().text, "Unable to save changes to sample.");
    EXPECT_EQ(dialogs.messages.last().caption, "Save Command");
    w.commentsOption->click();
    w.sectionTabs->setCurrentIndex(1);
    EXPECT_EQ(prompts(), 0);
    EXPECT_EQ(folder.read(QStringLiteral("SamplePol.Dat")),
              QByteArrayLiteral("{\\rtf1\\ansi Sample policy}"));
    w.statusBox->setCurrentIndex(1);
    EXPECT_FALSE(folder.exists(QStringLiteral("Stat1.Fil")) &&
                 folder.read(QStringLiteral("Stat1.Fil")).contains("Pending"));
}

TEST_F(WorkArea, ReferenceViewsAreReadOnlyAndAlignmentFollowsTheOptions)
{
    openItem(1, 0);
    w.specificationOption->click();
    EXPECT_EQ(w.EntryKind, 0);
    EXPECT_TRUE(w.entryEditor->Locked());
    EXPECT_FALSE(w.saveButton->isEnabled());
    EXPECT_FALSE(w.alignmentFrame->isEnabled());
    w.actionTakenOption->click();
    EXPECT_FALSE(w.specificationOption->isChecked());
    type(QStringLiteral("Centred"));
    w.alignmentOptions[1]->click();
    EXPECT_EQ(w.entryEditor->SelAlignment(), 2);
    w.alignmentOptions[2]->click();
    EXPECT_EQ(w.entryEditor->SelAlignment(), 1);
}

TEST_F(WorkArea, HelpTopicAndTabStops)
{
    QTest::keyClick(&w, Qt::Key_F1);
    ASSERT_FALSE(dialogs.helps.isEmpty());
    EXPECT_EQ(dialogs.helps.last().context, 3010);
    w.show();
    openItem(1, 0);
    w.actionTakenOption->click();
    w.activateWindow();
    w.entryEditor->setFocus();
    QApplication::processEvents();
    if (w.entryEditor->hasFocus()) {
        EXPECT_FALSE(w.saveButton->focusPolicy() & Qt::TabFocus);
        w.saveButton->setFocus();
        QApplication::processEvents();
        EXPECT_TRUE(w.saveButton->focusPolicy() & Qt::TabFocus);
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
    QTest::mouseRelease(w.sectionText, Qt::RightButton);
    EXPECT_TRUE(w.optionsMenu->isVisible());
    w.optionsMenu->hide();

    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(ProgramState::PendingArea, 0);
}

TEST_F(WorkArea, WithoutAViewAnItemChangesOnlyLabelsAndStatus)
{
    folder.write(QStringLiteral("Action43.Fil"), QByteArrayLiteral("{\\rtf1\\ansi Not shown}"));
    openItem(4, 0);
    EXPECT_FALSE(w.specificationOption->isEnabled()) << "the overview item has no specification text";
    w.innerTabs[3]->setCurrentIndex(1);
    EXPECT_TRUE(w.specificationOption->isEnabled());
    EXPECT_TRUE(w.entryEditor->Text().isEmpty());
    EXPECT_EQ(w.sectionText->text(), " Section: 164.314(a)(1)");
}

TEST_F(WorkArea, ReferenceViewsShowTheShownItemsTextsAndNeverCountAsAnEdit)
{
    folder.write(QStringLiteral("RefRA1.Dat"), QByteArrayLiteral("{\\rtf1\\ansi Risk analysis references}"));
    openItem(1, 0);
    w.ruleReferencesOption->click();
    EXPECT_EQ(w.entryEditor->Text(), "Risk analysis references");
    EXPECT_EQ(w.EntryChanged, 0);

    w.specificationOption->click();
    const QString riskAnalysis = w.entryEditor->Text();
    EXPECT_TRUE(riskAnalysis.startsWith(QStringLiteral("Implementation Specification:")));
    EXPECT_TRUE(riskAnalysis.contains(QStringLiteral("Risk analysis (Required).")));
    EXPECT_EQ(w.EntryChanged, 0);

    w.innerTabs[0]->setCurrentIndex(1); // the selected view follows the item
    EXPECT_TRUE(w.specificationOption->isChecked());
    EXPECT_TRUE(w.entryEditor->Text().contains(QStringLiteral("Risk management (Required).")));
    EXPECT_EQ(prompts(), 0);

    // Password management is shown for the sample.
    const Catalogue::Item *passwords = Catalogue::item(Catalogue::sampleReportNumber);
    ASSERT_NE(passwords, nullptr);
    openItem(passwords->category, passwords->tab);
    w.additionalInfoOption->click();
    const QString additional = w.entryEditor->Text();
    EXPECT_FALSE(additional.isEmpty());
    w.sectionTabs->setCurrentIndex(Catalogue::sampleCategory);
    w.additionalInfoOption->click();
    EXPECT_EQ(w.entryEditor->Text(), additional);
    EXPECT_EQ(prompts(), 0);
}

TEST_F(WorkArea, AMissingReferenceFileLeavesTheViewEmptyWithoutAMessage)
{
    openItem(1, 1);
    w.ruleReferencesOption->click();
    EXPECT_TRUE(w.entryEditor->Text().isEmpty());
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
    records
        .append(QByteArray("\x01\x00"
                           "3",
                           3))
        .append(17, '\0');
    folder.write(QStringLiteral("GColor3.Fil"), records);

    WorkAreaWindow w(nullptr);
    EXPECT_FALSE(w.overviewGrid->palette().brush(QPalette::Base).textureImage().isNull());
    EXPECT_TRUE(w.gridBackground->gridPictureItems[3]->isChecked());
    w.gridBackground->gridPictureItems[0]->trigger();
    EXPECT_TRUE(w.overviewGrid->palette().brush(QPalette::Base).textureImage().isNull());
    EXPECT_EQ(w.overviewGrid->palette().color(QPalette::Base),
              w.entryEditor->palette().color(QPalette::Base));
    EXPECT_EQ(folder.read(QStringLiteral("GColor3.Fil")).mid(20, 3), QByteArray("\x01\x00"
                                                                                "0",
                                                                                3));
}

} // namespace
