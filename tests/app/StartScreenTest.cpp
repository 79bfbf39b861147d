#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "ui/start/AboutBox.h"
#include "core/workbook/ProgramState.h"
#include "ui/start/SplashScreen.h"
#include "ui/start/StartScreen.h"
#include "core/workbook/WebSite.h"
#include "ui/misc/MiscAreaWindow.h"
#include "ui/reader/RuleReaderWindow.h"
#include "ui/home/HomeDashboard.h"
#include "ui/home/HomePage.h"
#include "support/ScriptedDialogs.h"
#include "support/SteppedClock.h"
#include "support/TempFolder.h"
#include "ui/workarea/WorkAreaWindow.h"

namespace {

using AreaScript = std::function<void(AreaWindow &)>;

AreaScript pickTab(int tab)
{
    return [tab](AreaWindow &w) {
        w.areaTabs->setCurrentIndex(tab);
        QApplication::processEvents();
    };
}

AreaScript pressExit()
{
    return [](AreaWindow &w) { QTest::keyClick(&w, Qt::Key_Escape); };
}

std::unique_ptr<AreaWindow> makeArea(int area, QWidget *start)
{
    switch (area) {
    case 1:
        return std::make_unique<RuleReaderWindow>(start);
    case 2:
        return std::make_unique<WorkAreaWindow>(start);
    default:
        return std::make_unique<MiscAreaWindow>(start);
    }
}

// Drives the start screen with real area windows, each acting out one scripted step instead of
// running a nested event loop.
class Hub : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ProgramState::reset();
        ProgramState::WorkbookFolder = folder.path();
        start.showSplash = [this] { ++splashes; };
        start.showArea = [this](int area) {
            opened.append(area);
            tabsAtOpen.append(start.areaTabs->currentIndex());
            auto window = makeArea(area, &start);
            window->show();
            EXPECT_EQ(window->geometry(), start.geometry());
            EXPECT_EQ(window->areaTabs->currentIndex(), area);
            ASSERT_FALSE(script.isEmpty()) << "no step scripted for area " << area;
            script.takeFirst()(*window);
            EXPECT_FALSE(window->isVisible()) << "area " << area << " stayed open";
        };
        QObject::connect(start.areaTabs, &QTabWidget::currentChanged,
                         [this](int tab) { startTabs.append(tab); });
        start.load();
        start.show();
        startTabs.clear();
    }

    // Tab changes on the start screen run from the event loop.
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    TempFolder folder;
    SteppedClock clock;
    ScriptedDialogs dialogs;
    StartScreen start;
    QList<AreaScript> script;
    QList<int> opened;
    QList<int> startTabs;
    QList<int> tabsAtOpen;
    int splashes = 0;
};

} // namespace

TEST_F(Hub, EveryAreaToAreaSwitchSkipsHome)
{
    for (int from = 1; from <= 3; ++from) {
        for (int to = 1; to <= 3; ++to) {
            if (from == to)
                continue;
            opened.clear();
            tabsAtOpen.clear();
            script = {pickTab(to), pressExit()};
            start.areaTabs->setCurrentIndex(from);
            settle();
            EXPECT_EQ(opened, QList<int>({from, to})) << from << "->" << to;
            // Home was not selected between the two areas.
            EXPECT_EQ(tabsAtOpen, QList<int>({from, from})) << from << "->" << to;
            EXPECT_EQ(ProgramState::PendingArea, 0);
            EXPECT_EQ(start.areaTabs->currentIndex(), 0);
        }
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Hub, ChoosingHomeInAnAreaReturnsToHome)
{
    script = {pickTab(0)};
    start.areaItemClicked(1); // the Options menu's "&Office Action Area"
    settle();
    EXPECT_EQ(opened, QList<int>({2}));
    EXPECT_EQ(start.areaTabs->currentIndex(), 0);
    EXPECT_EQ(ProgramState::PendingArea, 0);
    EXPECT_EQ(ProgramState::SharedAnswer, 0);
}

TEST_F(Hub, ExitQuestionOnlyYesEndsTheProgram)
{
    int unloads = 0;
    QObject::connect(&start, &StartScreen::unloaded, [&] { ++unloads; });
    for (int answer : {int(Dialogs::No), int(Dialogs::Cancel)}) {
        dialogs.answer(answer);
        QTest::keyClick(start.areaTabs, Qt::Key_Escape);
        settle();
        EXPECT_EQ(start.areaTabs->currentIndex(), 0);
        EXPECT_FALSE(start.isUnloaded());
    }
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0].text, "Exit Tessarel?");
    EXPECT_EQ(dialogs.messages[0].caption, "Exit");
    EXPECT_EQ(dialogs.messages[0].style, 35);

    dialogs.answer(Dialogs::Yes);
    start.findChild<QAction *>("mOE")->trigger();
    settle();
    EXPECT_TRUE(start.isUnloaded());
    EXPECT_FALSE(start.isVisible());
    EXPECT_EQ(unloads, 1);
}

TEST_F(Hub, ExitProgramFromAnAreaAsksOverTheStartScreen)
{
    dialogs.answer(Dialogs::No);
    script = {pickTab(4)};
    start.areaTabs->setCurrentIndex(3);
    settle();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "Exit Tessarel?");
    EXPECT_EQ(start.areaTabs->currentIndex(), 0);
    EXPECT_FALSE(start.isUnloaded());

    dialogs.answer(Dialogs::Yes);
    script = {[](AreaWindow &w) {
        w.findChild<QAction *>("mOTab(4)")->trigger();
        QApplication::processEvents();
    }};
    start.areaTabs->setCurrentIndex(1);
    settle();
    EXPECT_TRUE(start.isUnloaded());
}

TEST_F(Hub, TabChangeWhilePendingIsIgnored)
{
    ProgramState::PendingArea = 2;
    start.areaTabs->setCurrentIndex(1);
    settle();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Hub, AreaExitLeavesNothingPending)
{
    for (int area = 1; area <= 3; ++area) {
        script = {[](AreaWindow &w) {
            const QList<QPushButton *> buttons = w.findChildren<QPushButton *>();
            for (QPushButton *b : buttons)
                if (b->text() == "E&xit" && b->isVisibleTo(&w)) {
                    b->click();
                    return;
                }
            ADD_FAILURE() << "no Exit button";
        }};
        start.areaTabs->setCurrentIndex(area);
        settle();
        EXPECT_EQ(ProgramState::PendingArea, 0);
        EXPECT_EQ(start.areaTabs->currentIndex(), 0);
    }
    EXPECT_EQ(opened, QList<int>({1, 2, 3}));
}

TEST_F(Hub, SplashOnFirstLoadOnly)
{
    EXPECT_EQ(splashes, 1);
    EXPECT_EQ(ProgramState::SplashShown, 99);
    start.load();
    EXPECT_EQ(splashes, 1);
}

TEST_F(Hub, HelpTopics)
{
    QTest::keyClick(start.areaTabs, Qt::Key_F1);
    start.findChild<QAction *>("mHI")->trigger();
    start.findChild<QAction *>("mHCont")->trigger();
    ASSERT_EQ(dialogs.helps.size(), 3);
    EXPECT_EQ(dialogs.helps[0].context, 1000);
    EXPECT_EQ(dialogs.helps[0].file, "TESSAREL.hlp");
    EXPECT_EQ(dialogs.helps[1].context, 1000);
    EXPECT_EQ(dialogs.helps[1].command, 1);
    EXPECT_EQ(dialogs.helps[2].command, 11);

    dialogs.helps.clear();
    for (int area = 1; area <= 3; ++area) {
        auto window = makeArea(area, &start);
        window->show();
        QTest::keyClick(window->areaTabs, Qt::Key_F1);
    }
    ASSERT_EQ(dialogs.helps.size(), 3);
    EXPECT_EQ(dialogs.helps[0].context, 3012);
    EXPECT_EQ(dialogs.helps[0].file, "Tessarel.hlp");
    EXPECT_EQ(dialogs.helps[1].context, 3010);
    EXPECT_EQ(dialogs.helps[2].context, 3014);
}

TEST_F(Hub, PopupMenuOnlyOnRightButtonOverListedControls)
{
    for (QWidget *w : {static_cast<QWidget *>(start.titlePanel), static_cast<QWidget *>(start.ruleTitle),
                       static_cast<QWidget *>(start.hintLabel), static_cast<QWidget *>(start.areaTabs)}) {
        QTest::mouseClick(w, Qt::LeftButton);
        EXPECT_FALSE(start.optionsMenu->isVisible()) << w->objectName().toStdString();
        QTest::mouseClick(w, Qt::RightButton);
        EXPECT_TRUE(start.optionsMenu->isVisible()) << w->objectName().toStdString();
        start.optionsMenu->hide();
    }
    QTest::mouseClick(start.menuBar(), Qt::RightButton, {}, QPoint(400, 5));
    EXPECT_FALSE(start.optionsMenu->isVisible());
}

TEST_F(Hub, StartScreenLayout)
{
    EXPECT_EQ(start.windowTitle(), "Tessarel");
    EXPECT_EQ(start.size(), QSize(800, 600));
    EXPECT_EQ(ProgramState::StartScreenWidth, 12000);
    EXPECT_EQ(ProgramState::StartScreenHeight, 9000);
    EXPECT_EQ(start.titlePanel->text(), "HIPAA Security Standards\nFinal Rule\nTessarel");
    const QPoint panel = start.titlePanel->mapTo(&start, QPoint(0, 0));
    EXPECT_EQ(panel.x() + start.titlePanel->width() / 2, start.width() / 2);
    // At the top of the Home page, the figures of where the organisation stands below the labels.
    const QWidget *home = start.areaTabs->widget(ProgramState::Home);
    EXPECT_EQ(panel.y(), home->mapTo(&start, QPoint(0, 0)).y() + 8);
    EXPECT_GT(start.home->dashboard->y(), start.workbookFolderLabel->geometry().bottom());
    EXPECT_LE(start.home->dashboard->geometry().bottom(), home->height());
    QStringList tabs;
    for (int i = 0; i < start.areaTabs->count(); ++i)
        tabs << start.areaTabs->tabText(i);
    EXPECT_EQ(tabs, QStringList({"Home", "The Security Rule", "Office Action Area", "Miscellaneous", "Exit Program"}));
}

TEST(SplashWindow, ClosesItselfAfterTwoPauses)
{
    SteppedClock clock;
    SplashScreen splash;
    EXPECT_EQ(splash.run(), QDialog::Accepted);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_GE(clock.slept, 2000);
    EXPECT_LT(clock.slept, 5000);
    EXPECT_EQ(splash.versionLabel->text(), " Version 1.5");
}

TEST_F(Hub, AboutBoxIsCentredOnTheStartScreenWherever)
{
    for (const QPoint &at : {QPoint(0, 0), QPoint(300, 120)}) {
        start.move(at);
        AboutBox about(&start);
        const QPoint centre = about.pos() + QPoint(about.width() / 2, about.height() / 2);
        EXPECT_NEAR(centre.x(), start.pos().x() + 400, 1);
        EXPECT_NEAR(centre.y(), start.pos().y() + 300 + 100 / 15, 1);
        EXPECT_EQ(about.windowTitle(), "About Tessarel");
        EXPECT_TRUE(about.programInfo->text().startsWith("Tessarel\nVersion 1.5\n\n"));
    }
}

// The web site is a build setting: without one neither the Help menu nor the about box names any.
TEST(WebSite, OfferedFromTheHelpMenuAndTheAboutBoxOnlyWhenTheBuildNamesOne)
{
    const QString built = Product::webAddress();
    for (const QString &address : {QString(), QStringLiteral("https://www.tessarel.test/")}) {
        SCOPED_TRACE(address.toStdString());
        Product::setWebAddress(address);
        ProgramState::reset();
        TempFolder folder;
        ProgramState::WorkbookFolder = folder.path();
        ScriptedDialogs dialogs;
        StartScreen start;
        AboutBox about(&start);
        about.show();
        const bool named = !address.isEmpty();
        QAction *visit = start.findChild<QAction *>("mHWeb");
        EXPECT_EQ(visit != nullptr, named);
        EXPECT_FALSE(start.helpMenu->actions().constLast()->isSeparator())
            << "no separator left at the menu's end";
        EXPECT_EQ(about.webSiteCaption != nullptr && about.webSiteLink != nullptr, named);
        EXPECT_EQ(about.programInfo->text().contains("web site"), named);
        if (!named)
            continue;
        EXPECT_TRUE(visit->text().startsWith("&Visit "));
        visit->trigger();
        QTest::mouseClick(about.webSiteLink, Qt::LeftButton);
        EXPECT_EQ(dialogs.webAddresses, QStringList({address, address}));
    }
    Product::setWebAddress(built);
}

// What saves cut short left beside the data files is removed at start; nothing else is.
TEST(StartUp, TemporaryFilesOfSavesCutShortAreRemoved)
{
    ProgramState::reset();
    TempFolder folder;
    ProgramState::WorkbookFolder = folder.path();
    for (const char *name : {"Action0.Fil", "Action0.Fil.xGkcHK", "TODOActv.FIL.AbCdEf", "Policy46.Fil.zz09zz",
                             "GColor3.Fil.qwerty", "readme.txt.AbCdEf", "Action47.Fil.AbCdEf"})
        folder.write(name, "x");
    SteppedClock clock;
    ScriptedDialogs dialogs;
    StartScreen start;
    start.showSplash = [] {};
    start.load();
    QStringList left = QDir(folder.path()).entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, QStringList({"Action0.Fil", "Action47.Fil.AbCdEf", "Tessarel.lock", "readme.txt.AbCdEf"}));
    ProgramState::reset();
}
