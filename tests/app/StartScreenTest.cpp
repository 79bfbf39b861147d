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

#include "app/About1.h"
#include "app/HINFO1.h"
#include "app/Splash1.h"
#include "app/Startfrm.h"
#include "app/WebSite.h"
#include "ui/home/HomeDashboard.h"
#include "ui/home/HomePage.h"
#include "misc/Misc1.h"
#include "reader/PrivRule1.h"
#include "support/ScriptedDialogs.h"
#include "support/SteppedClock.h"
#include "support/TempFolder.h"
#include "workarea/WorkArea1.h"

namespace {

using AreaScript = std::function<void(AreaWindow &)>;

AreaScript pickTab(int tab)
{
    return [tab](AreaWindow &w) {
        w.SSTab1->setCurrentIndex(tab);
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
        return std::make_unique<PrivRule1>(start);
    case 2:
        return std::make_unique<WorkArea1>(start);
    default:
        return std::make_unique<Misc1>(start);
    }
}

// Drives the start screen with real area windows, each acting out one scripted step instead of
// running a nested event loop.
class Hub : public ::testing::Test
{
protected:
    void SetUp() override
    {
        HINFO1::reset();
        HINFO1::WorkbookFolder = folder.path();
        start.showSplash = [this] { ++splashes; };
        start.showArea = [this](int area) {
            opened.append(area);
            tabsAtOpen.append(start.SSTab1->currentIndex());
            auto window = makeArea(area, &start);
            window->show();
            EXPECT_EQ(window->geometry(), start.geometry());
            EXPECT_EQ(window->SSTab1->currentIndex(), area);
            ASSERT_FALSE(script.isEmpty()) << "no step scripted for area " << area;
            script.takeFirst()(*window);
            EXPECT_FALSE(window->isVisible()) << "area " << area << " stayed open";
        };
        QObject::connect(start.SSTab1, &QTabWidget::currentChanged, [this](int tab) { startTabs.append(tab); });
        start.Form_Load();
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
    Startfrm start;
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
            start.SSTab1->setCurrentIndex(from);
            settle();
            EXPECT_EQ(opened, QList<int>({from, to})) << from << "->" << to;
            // Home was not selected between the two areas.
            EXPECT_EQ(tabsAtOpen, QList<int>({from, from})) << from << "->" << to;
            EXPECT_EQ(HINFO1::PendingArea, 0);
            EXPECT_EQ(start.SSTab1->currentIndex(), 0);
        }
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Hub, ChoosingHomeInAnAreaReturnsToHome)
{
    script = {pickTab(0)};
    start.mOTab_Click(1); // the Options menu's "&Office Action Area"
    settle();
    EXPECT_EQ(opened, QList<int>({2}));
    EXPECT_EQ(start.SSTab1->currentIndex(), 0);
    EXPECT_EQ(HINFO1::PendingArea, 0);
    EXPECT_EQ(HINFO1::SharedAnswer, 0);
}

TEST_F(Hub, ExitQuestionOnlyYesEndsTheProgram)
{
    int unloads = 0;
    QObject::connect(&start, &Startfrm::unloaded, [&] { ++unloads; });
    for (int answer : {int(Dialogs::No), int(Dialogs::Cancel)}) {
        dialogs.answer(answer);
        QTest::keyClick(start.SSTab1, Qt::Key_Escape);
        settle();
        EXPECT_EQ(start.SSTab1->currentIndex(), 0);
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
    start.SSTab1->setCurrentIndex(3);
    settle();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "Exit Tessarel?");
    EXPECT_EQ(start.SSTab1->currentIndex(), 0);
    EXPECT_FALSE(start.isUnloaded());

    dialogs.answer(Dialogs::Yes);
    script = {[](AreaWindow &w) {
        w.findChild<QAction *>("mOTab(4)")->trigger();
        QApplication::processEvents();
    }};
    start.SSTab1->setCurrentIndex(1);
    settle();
    EXPECT_TRUE(start.isUnloaded());
}

TEST_F(Hub, TabChangeWhilePendingIsIgnored)
{
    HINFO1::PendingArea = 2;
    start.SSTab1->setCurrentIndex(1);
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
        start.SSTab1->setCurrentIndex(area);
        settle();
        EXPECT_EQ(HINFO1::PendingArea, 0);
        EXPECT_EQ(start.SSTab1->currentIndex(), 0);
    }
    EXPECT_EQ(opened, QList<int>({1, 2, 3}));
}

TEST_F(Hub, SplashOnFirstLoadOnly)
{
    EXPECT_EQ(splashes, 1);
    EXPECT_EQ(HINFO1::SplashShown, 99);
    start.Form_Load();
    EXPECT_EQ(splashes, 1);
}

TEST_F(Hub, HelpTopics)
{
    QTest::keyClick(start.SSTab1, Qt::Key_F1);
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
        QTest::keyClick(window->SSTab1, Qt::Key_F1);
    }
    ASSERT_EQ(dialogs.helps.size(), 3);
    EXPECT_EQ(dialogs.helps[0].context, 3012);
    EXPECT_EQ(dialogs.helps[0].file, "Tessarel.hlp");
    EXPECT_EQ(dialogs.helps[1].context, 3010);
    EXPECT_EQ(dialogs.helps[2].context, 3014);
}

TEST_F(Hub, PopupMenuOnlyOnRightButtonOverListedControls)
{
    for (QWidget *w : {static_cast<QWidget *>(start.SSPanel1), static_cast<QWidget *>(start.Label1),
                       static_cast<QWidget *>(start.Label9), static_cast<QWidget *>(start.SSTab1)}) {
        QTest::mouseClick(w, Qt::LeftButton);
        EXPECT_FALSE(start.mO->isVisible()) << w->objectName().toStdString();
        QTest::mouseClick(w, Qt::RightButton);
        EXPECT_TRUE(start.mO->isVisible()) << w->objectName().toStdString();
        start.mO->hide();
    }
    QTest::mouseClick(start.menuBar(), Qt::RightButton, {}, QPoint(400, 5));
    EXPECT_FALSE(start.mO->isVisible());
}

TEST_F(Hub, StartScreenLayout)
{
    EXPECT_EQ(start.windowTitle(), "Tessarel");
    EXPECT_EQ(start.size(), QSize(800, 600));
    EXPECT_EQ(HINFO1::StartScreenWidth, 12000);
    EXPECT_EQ(HINFO1::StartScreenHeight, 9000);
    EXPECT_EQ(start.SSPanel1->text(), "HIPAA Security Standards\nFinal Rule\nTessarel");
    const QPoint panel = start.SSPanel1->mapTo(&start, QPoint(0, 0));
    EXPECT_EQ(panel.x() + start.SSPanel1->width() / 2, start.width() / 2);
    // At the top of the Home page, the figures of where the organisation stands below the labels.
    const QWidget *home = start.SSTab1->widget(HINFO1::Home);
    EXPECT_EQ(panel.y(), home->mapTo(&start, QPoint(0, 0)).y() + 8);
    EXPECT_GT(start.home->dashboard->y(), start.workbookFolderLabel->geometry().bottom());
    EXPECT_LE(start.home->dashboard->geometry().bottom(), home->height());
    QStringList tabs;
    for (int i = 0; i < start.SSTab1->count(); ++i)
        tabs << start.SSTab1->tabText(i);
    EXPECT_EQ(tabs, QStringList({"Home", "The Security Rule", "Office Action Area", "Miscellaneous", "Exit Program"}));
}

TEST(SplashWindow, ClosesItselfAfterTwoPauses)
{
    SteppedClock clock;
    Splash1 splash;
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
        About1 about(&start);
        const QPoint centre = about.pos() + QPoint(about.width() / 2, about.height() / 2);
        EXPECT_NEAR(centre.x(), start.pos().x() + 400, 1);
        EXPECT_NEAR(centre.y(), start.pos().y() + 300 + 100 / 15, 1);
        EXPECT_EQ(about.windowTitle(), "About Tessarel");
        EXPECT_TRUE(about.Label1->text().startsWith("Tessarel\nVersion 1.5\n\n"));
    }
}

// The web site is a build setting: without one neither the Help menu nor the about box names any.
TEST(WebSite, OfferedFromTheHelpMenuAndTheAboutBoxOnlyWhenTheBuildNamesOne)
{
    const QString built = Product::webAddress();
    for (const QString &address : {QString(), QStringLiteral("https://www.tessarel.test/")}) {
        SCOPED_TRACE(address.toStdString());
        Product::setWebAddress(address);
        HINFO1::reset();
        TempFolder folder;
        HINFO1::WorkbookFolder = folder.path();
        ScriptedDialogs dialogs;
        Startfrm start;
        About1 about(&start);
        about.show();
        const bool named = !address.isEmpty();
        QAction *visit = start.findChild<QAction *>("mHWeb");
        EXPECT_EQ(visit != nullptr, named);
        EXPECT_FALSE(start.mH->actions().constLast()->isSeparator()) << "no separator left at the menu's end";
        EXPECT_EQ(about.Label4 != nullptr && about.Label5 != nullptr, named);
        EXPECT_EQ(about.Label1->text().contains("web site"), named);
        if (!named)
            continue;
        EXPECT_TRUE(visit->text().startsWith("&Visit "));
        visit->trigger();
        QTest::mouseClick(about.Label5, Qt::LeftButton);
        EXPECT_EQ(dialogs.webAddresses, QStringList({address, address}));
    }
    Product::setWebAddress(built);
}

// What saves cut short left beside the data files is removed at start; nothing else is.
TEST(StartUp, TemporaryFilesOfSavesCutShortAreRemoved)
{
    HINFO1::reset();
    TempFolder folder;
    HINFO1::WorkbookFolder = folder.path();
    for (const char *name : {"Action0.Fil", "Action0.Fil.xGkcHK", "TODOActv.FIL.AbCdEf", "Policy46.Fil.zz09zz",
                             "GColor3.Fil.qwerty", "readme.txt.AbCdEf", "Action47.Fil.AbCdEf"})
        folder.write(name, "x");
    SteppedClock clock;
    ScriptedDialogs dialogs;
    Startfrm start;
    start.showSplash = [] {};
    start.Form_Load();
    QStringList left = QDir(folder.path()).entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, QStringList({"Action0.Fil", "Action47.Fil.AbCdEf", "Tessarel.lock", "readme.txt.AbCdEf"}));
    HINFO1::reset();
}
