#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "core/workbook/ProgramState.h"
#include "app/files/RecordBytes.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/misc/MiscAreaWindow.h"
#include "ui/misc/WebLinkLabel.h"
#include "core/workbook/WebSites.h"
#include "ui/preview/GridBackgroundSelector.h"
#include "ui/preview/PreviewPanel.h"
#include "support/ScriptedDialogs.h"
#include "support/SteppedClock.h"
#include "support/TempFolder.h"

namespace {

// Records what the window asks of its to-do list.
struct FakeTodoList : TodoListHooks
{
    void load() override { ++loads; }
    void activate() override { ++activations; }
    bool changed() const override { return isChanged; }
    bool save() override
    {
        ++saves;
        isChanged = !saveSucceeds;
        return saveSucceeds;
    }
    void forgetChanges() override
    {
        ++forgets;
        isChanged = false;
    }
    void hideCalendar() override { ++calendarHides; }
    void optionsMenuRequested() override { ++menuRequests; }
    void setGridPicture(const QImage &image) override { picture = image; }

    bool isChanged = false;
    bool saveSucceeds = true;
    int loads = 0, activations = 0, saves = 0, forgets = 0, calendarHides = 0, menuRequests = 0;
    QImage picture;
};

QByteArray page(const char *text)
{
    return QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs24 ") + text + "\\par}";
}

// The misc area opened in a fresh program folder on a fixed date.
class MiscArea : public ::testing::Test
{
  protected:
    MiscArea() { ProgramState::reset(); }

    MiscAreaWindow &open()
    {
        w = std::make_unique<MiscAreaWindow>(nullptr, [this](MiscAreaWindow &) {
            auto list = std::make_unique<FakeTodoList>();
            todo = list.get();
            return list;
        });
        w->show();
        QApplication::processEvents();
        return *w;
    }
    QStringList visibleOptions() const
    {
        QStringList names;
        for (QAction *a : w->optionsMenu->actions())
            if (a->isVisible())
                names << a->objectName();
        return names;
    }
    // Changes the list while its tab is shown, as the user would.
    void changeTheList()
    {
        w->sectionTabs->setCurrentIndex(MiscAreaWindow::ToDoList);
        todo->isChanged = true;
    }
    bool stayedOnTheList() const
    {
        return w->isVisible() && w->areaTabs->currentIndex() == 3 &&
               w->sectionTabs->currentIndex() == MiscAreaWindow::ToDoList && ProgramState::PendingArea == 0;
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    SteppedClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 30))};
    std::unique_ptr<MiscAreaWindow> w;
    FakeTodoList *todo = nullptr;
};

const QStringList areaItems{"mOTab(0)", "mOTab(1)", "mOTab(2)", "mOTab(4)"};

} // namespace

TEST_F(MiscArea, OpensOnTheFirstPageWithTheListLoadedAndNoGridItems)
{
    folder.write(QStringLiteral("Misc1.Dat"), page("What the program is for."));
    folder.write(QStringLiteral("Misc4.Dat"), "not a page at all");
    open();
    EXPECT_EQ(w->areaTabs->currentIndex(), 3);
    EXPECT_EQ(w->sectionTabs->currentIndex(), MiscAreaWindow::ProgramInformation);
    EXPECT_EQ(w->windowTitle(), "Miscellaneous - Program Information");
    EXPECT_EQ(w->pageBoxes[0]->Text().trimmed(), "What the program is for.");
    for (int i = 1; i < MiscAreaWindow::PageCount; ++i)
        EXPECT_TRUE(w->pageBoxes[i]->Text().isEmpty()) << "page " << i + 1;
    EXPECT_TRUE(w->pageBoxes[0]->Locked());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "missing or broken pages are silent";
    EXPECT_EQ(visibleOptions(), (areaItems + QStringList{"mO2", "mOEx"}));
    EXPECT_EQ(todo->loads, 1);
    EXPECT_EQ(todo->activations, 1);
    EXPECT_TRUE(w->previewPanel->printOptions[0]->isChecked());
    EXPECT_TRUE(w->previewPanel->asOfDateOption->isChecked());
    EXPECT_TRUE(w->exitButton->hasFocus());
}

TEST_F(MiscArea, OnlyTheToDoTabShowsTheGridItems)
{
    open();
    w->sectionTabs->setCurrentIndex(MiscAreaWindow::ToDoList);
    EXPECT_EQ(w->windowTitle(), "Miscellaneous - To Do List");
    EXPECT_EQ(visibleOptions(), (areaItems + QStringList{"mO1", "MOgrid", "mO7", "mODel", "mOCl", "mOIN",
                                                         "mOPrt", "mOS", "mOSpell", "mO2", "mOEx"}));
    const int hidesBefore = todo->calendarHides;
    w->sectionTabs->setCurrentIndex(MiscAreaWindow::WebLinks);
    EXPECT_EQ(w->windowTitle(), "Miscellaneous - HIPAA Web Links");
    EXPECT_EQ(visibleOptions(), (areaItems + QStringList{"mO2", "mOEx"}));
    EXPECT_GT(todo->calendarHides, hidesBefore);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "an unchanged list is left without asking";
}

TEST_F(MiscArea, HelpTopicFollowsTheTabAndThePreview)
{
    open();
    const auto helpFor = [this](bool byMenu) {
        if (byMenu)
            w->helpMenu->trigger();
        else
            QTest::keyClick(w.get(), Qt::Key_F1);
        return dialogs.helps.isEmpty() ? -1 : dialogs.helps.last().context;
    };
    for (bool byMenu : {false, true}) {
        w->sectionTabs->setCurrentIndex(MiscAreaWindow::WebLinks);
        EXPECT_EQ(helpFor(byMenu), 3014);
        w->sectionTabs->setCurrentIndex(MiscAreaWindow::ToDoList);
        EXPECT_EQ(helpFor(byMenu), 2009);
        w->previewPanel->open();
        EXPECT_EQ(helpFor(byMenu), 1014);
        w->previewPanel->pageCommands[2]->click();
    }
    EXPECT_EQ(dialogs.helps.last().file, "TESSAREL.hlp");
    EXPECT_EQ(dialogs.helps.last().command, 1);
}

TEST_F(MiscArea, EveryWebLinkOpensItsOwnAddressByMouseAndByKeyboard)
{
    open();
    w->sectionTabs->setCurrentIndex(MiscAreaWindow::WebLinks);
    ASSERT_EQ(w->webLinks.size(), WebSites::Count);
    QStringList opened;
    for (WebLinkLabel *link : std::as_const(w->webLinks)) {
        EXPECT_EQ(link->accessibleName(), link->text());
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(link, Qt::LeftButton);
        link->setFocus();
        EXPECT_TRUE(link->hasFocus());
        QTest::keyClick(link, Qt::Key_Return);
        opened << WebSites::site(static_cast<int>(w->webLinks.indexOf(link))).address;
    }
    ASSERT_EQ(dialogs.webAddresses.size(), 2 * WebSites::Count);
    for (int i = 0; i < WebSites::Count; ++i) {
        EXPECT_EQ(dialogs.webAddresses[2 * i], opened[i]);
        EXPECT_EQ(dialogs.webAddresses[2 * i + 1], opened[i]);
        EXPECT_TRUE(opened[i].startsWith("https://")) << opened[i].toStdString();
        EXPECT_EQ(opened.count(opened[i]), 1) << "each link its own site";
    }
    EXPECT_TRUE(w->isVisible()) << "Enter on a link does not close the window";
}

TEST_F(MiscArea, AreaTabsAndMenuItemsHandOverAndExitLeavesNothingPending)
{
    struct Case
    {
        const char *how;
        int expectedPending;
        std::function<void(MiscAreaWindow &)> act;
    };
    const QList<Case> cases{
        {"tab Home", 0, [](MiscAreaWindow &m) { m.areaTabs->setCurrentIndex(0); }},
        {"tab reader", 1, [](MiscAreaWindow &m) { m.areaTabs->setCurrentIndex(1); }},
        {"tab work area", 2, [](MiscAreaWindow &m) { m.areaTabs->setCurrentIndex(2); }},
        {"tab exit program", 4, [](MiscAreaWindow &m) { m.areaTabs->setCurrentIndex(4); }},
        {"menu reader", 1, [](MiscAreaWindow &m) { m.findChild<QAction *>("mOTab(1)")->trigger(); }},
        {"menu work area", 2, [](MiscAreaWindow &m) { m.findChild<QAction *>("mOTab(2)")->trigger(); }},
        {"menu exit program", 4, [](MiscAreaWindow &m) { m.findChild<QAction *>("mOTab(4)")->trigger(); }},
        {"exit button", 0, [](MiscAreaWindow &m) { m.exitButton->click(); }},
        {"exit menu item", 0, [](MiscAreaWindow &m) { m.exitAction->trigger(); }},
        {"close box", 0, [](MiscAreaWindow &m) { m.close(); }},
    };
    for (const Case &c : cases) {
        ProgramState::PendingArea = 0;
        open();
        c.act(*w);
        QApplication::processEvents();
        EXPECT_FALSE(w->isVisible()) << c.how;
        EXPECT_EQ(ProgramState::PendingArea, c.expectedPending) << c.how;
    }
}

TEST_F(MiscArea, SavePromptAtEveryWayOutKeepsTheListUnlessToldOtherwise)
{
    enum Outcome { Stays, Goes };
    struct Case
    {
        const char *how;
        int answer;
        bool saveFails;
        Outcome outcome;
        std::function<void(MiscAreaWindow &)> act;
    };
    const auto innerTab = [](MiscAreaWindow &m) {
        m.sectionTabs->setCurrentIndex(MiscAreaWindow::Disclaimer);
    };
    const auto areaTab = [](MiscAreaWindow &m) { m.areaTabs->setCurrentIndex(1); };
    const auto exitButton = [](MiscAreaWindow &m) { m.exitButton->click(); };
    const auto closeBox = [](MiscAreaWindow &m) { m.close(); };
    const QList<Case> cases{
        {"inner tab, Yes", Dialogs::Yes, false, Goes, innerTab},
        {"inner tab, No", Dialogs::No, false, Goes, innerTab},
        {"inner tab, Cancel", Dialogs::Cancel, false, Stays, innerTab},
        {"inner tab, Yes but the write fails", Dialogs::Yes, true, Stays, innerTab},
        {"area tab, Yes", Dialogs::Yes, false, Goes, areaTab},
        {"area tab, No", Dialogs::No, false, Goes, areaTab},
        {"area tab, Cancel", Dialogs::Cancel, false, Stays, areaTab},
        {"area tab, Yes but the write fails", Dialogs::Yes, true, Stays, areaTab},
        {"exit, No", Dialogs::No, false, Goes, exitButton},
        {"exit, Cancel", Dialogs::Cancel, false, Stays, exitButton},
        {"close box, Yes", Dialogs::Yes, false, Goes, closeBox},
        {"close box, Cancel", Dialogs::Cancel, false, Stays, closeBox},
    };
    for (const Case &c : cases) {
        ProgramState::PendingArea = 0;
        open();
        changeTheList();
        todo->saveSucceeds = !c.saveFails;
        dialogs.messages.clear();
        dialogs.answer(c.answer);
        c.act(*w);
        QApplication::processEvents();
        ASSERT_EQ(dialogs.messages.size(), 1) << c.how;
        EXPECT_EQ(dialogs.messages[0].text, "Save changes made to To Do Grid before exiting?");
        EXPECT_EQ(dialogs.messages[0].style, Dialogs::YesNoCancel | Dialogs::Question);
        EXPECT_EQ(dialogs.messages[0].caption, "To Do List");
        EXPECT_EQ(todo->saves, c.answer == Dialogs::Yes ? 1 : 0) << c.how;
        EXPECT_EQ(todo->forgets, c.answer == Dialogs::No ? 1 : 0) << c.how;
        EXPECT_EQ(stayedOnTheList(), c.outcome == Stays) << c.how;
        EXPECT_EQ(todo->isChanged, c.outcome == Stays)
            << c.how << ": unsaved changes are kept while it stays";
    }
}

TEST_F(MiscArea, AnAreaTabReturnsBeforeTheSavePromptAndAYesThenHandsOver)
{
    open();
    changeTheList();
    dialogs.answer(Dialogs::Yes);
    w->areaTabs->setCurrentIndex(ProgramState::OfficeActionArea);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "no prompt inside the tab change";
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(ProgramState::PendingArea, 0);

    QApplication::processEvents();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(todo->saves, 1);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(ProgramState::PendingArea, ProgramState::OfficeActionArea);
}

TEST_F(MiscArea, DateLabelIsInEnglishWhateverTheLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    open();
    QLocale::setDefault(previous);
    EXPECT_EQ(w->dateLabel->text(), "Date: December 7, 2026");
    EXPECT_EQ(MiscAreaWindow::dateCaption(QDate(2027, 3, 1)), "Date: March 1, 2027");
}

TEST_F(MiscArea, GridBackgroundIsStoredInItsOwnRecordAndReachesTheList)
{
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(TESSAREL_CONTENT_DIR "/WP3.jpg"), folder.file(QStringLiteral("WP3.jpg"))));
    const QByteArray workAreaChoice = zeroRecords(1) + recordBytes("5");
    folder.write(QStringLiteral("GColor3.Fil"), workAreaChoice + zeroRecords(1) + recordBytes("3"));
    open();
    EXPECT_EQ(w->gridBackground->checkedIndex(), 3);
    EXPECT_FALSE(todo->picture.isNull());
    EXPECT_FALSE(w->todoArea->picture().isNull());

    w->sectionTabs->setCurrentIndex(MiscAreaWindow::ToDoList);
    w->gridBackground->gridPictureItems[0]->trigger();
    EXPECT_TRUE(todo->picture.isNull());
    EXPECT_TRUE(w->todoArea->picture().isNull());
    EXPECT_EQ(folder.read(QStringLiteral("GColor3.Fil")), workAreaChoice + zeroRecords(1) + recordBytes("0"));
}

TEST_F(MiscArea, RightClickPopsUpTheOptionsMenuOnlyWhileThePreviewIsClosed)
{
    open();
    w->sectionTabs->setCurrentIndex(MiscAreaWindow::WebLinks);
    QTest::mouseClick(w->webLinksNote, Qt::RightButton);
    EXPECT_TRUE(w->optionsMenu->isVisible());
    EXPECT_EQ(todo->menuRequests, 1);
    w->optionsMenu->hide();

    w->previewPanel->open();
    QTest::mouseClick(w->areaTabs, Qt::RightButton);
    EXPECT_FALSE(w->optionsMenu->isVisible());
    EXPECT_EQ(todo->menuRequests, 1);
}
