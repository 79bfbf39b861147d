#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QSettings>
#include <QTableView>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "core/workbook/ProgramState.h"
#include "ui/start/StartScreen.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/misc/MiscAreaWindow.h"
#include "ui/todo/TodoPanel.h"
#include "ui/reader/RuleReaderWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/SteppedClock.h"
#include "support/TempFolder.h"
#include "ui/workarea/WorkAreaWindow.h"

namespace {

// The start screen as the program shows it, with the area windows opened over it.
class GrowingWindows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ProgramState::reset();
        ProgramState::WorkbookFolder = folder.path();
        start.showSplash = [] {};
        start.load();
        start.show();
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    SteppedClock clock;
    StartScreen start;
};

// The windows are measured on a screen of 1920 × 1080: on a smaller offscreen screen the test runs itself
// again in a child process given such a screen, and passes when the child does.
bool runAgainOnALargeScreen()
{
    if (QGuiApplication::primaryScreen()->availableGeometry().width() >= 1920)
        return false;
    QTemporaryDir dir;
    QFile config(dir.filePath("screen.json"));
    config.open(QIODevice::WriteOnly);
    config.write(R"({"screens": [{"name": "large", "x": 0, "y": 0, "width": 1920, "height": 1080,
                     "logicalDpi": 96, "logicalBpi": 96, "dpr": 1}]})");
    config.close();
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=%1.%2")
                     .arg(QString::fromLatin1(test->test_suite_name()), QString::fromLatin1(test->name()))});
    EXPECT_TRUE(child.waitForFinished(300000));
    const QByteArray output = child.readAll();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
    return true;
}

struct AreaCase {
    const char *name;
    std::function<std::unique_ptr<AreaWindow>(QWidget *)> open;
    // Shows the window's main contents and returns them.
    std::function<QWidget *(AreaWindow &)> contents;
    QSize atLeast; // the contents' size in a 1600 × 1000 window
};

} // namespace

TEST_F(GrowingWindows, TheStartScreenOpensAtItsSizeGrowsAndReopensAsLeft)
{
    if (runAgainOnALargeScreen())
        return;
    EXPECT_EQ(start.size(), QSize(800, 600));
    EXPECT_EQ(start.minimumSize(), QSize(800, 600));
    start.resize(1200, 900);
    settle();
    // The title stays centred in the larger window.
    const int left = start.titlePanel->mapTo(&start, QPoint()).x();
    EXPECT_NEAR(left + start.titlePanel->width() / 2.0, 600, 1);
    start.close();

    StartScreen again;
    again.showSplash = [] {};
    again.load();
    EXPECT_EQ(again.size(), QSize(1200, 900));
}

// Each area window opens over the start screen, takes every pixel it is given for its main contents,
// can never be made smaller than the start screen, and reopens at the size the user left it.
TEST_F(GrowingWindows, AreaWindowsGiveTheirContentsTheRoomAndReopenAsLeft)
{
    const AreaCase cases[] = {
        {"reader", [](QWidget *s) { return std::make_unique<RuleReaderWindow>(s); },
         [](AreaWindow &w) -> QWidget * { return static_cast<RuleReaderWindow &>(w).pageView; },
         QSize(1200, 700)},
        {"work area entry editor", [](QWidget *s) { return std::make_unique<WorkAreaWindow>(s); },
         [](AreaWindow &w) -> QWidget * {
             auto &work = static_cast<WorkAreaWindow &>(w);
             work.sectionTabs->setCurrentIndex(1);
             work.innerTabs[0]->setCurrentIndex(0);
             work.actionTakenOption->click();
             return work.entryEditor;
         },
         QSize(1200, 560)},
        {"work area overview", [](QWidget *s) { return std::make_unique<WorkAreaWindow>(s); },
         [](AreaWindow &w) -> QWidget * { return static_cast<WorkAreaWindow &>(w).overviewGrid; },
         QSize(1200, 700)},
        {"to-do grid", [](QWidget *s) { return std::make_unique<MiscAreaWindow>(s); },
         [](AreaWindow &w) -> QWidget * {
             static_cast<MiscAreaWindow &>(w).sectionTabs->setCurrentIndex(MiscAreaWindow::ToDoList);
             return w.findChild<TodoPanel *>()->gridView;
         },
         QSize(1100, 500)},
    };
    if (runAgainOnALargeScreen())
        return;
    for (const AreaCase &c : cases) {
        QSettings().clear();
        std::unique_ptr<AreaWindow> window = c.open(&start);
        window->show();
        settle();
        EXPECT_EQ(window->geometry(), start.geometry()) << c.name;
        EXPECT_EQ(window->minimumSize(), QSize(800, 600)) << c.name;
        QWidget *contents = c.contents(*window);
        settle();
        const QSize small = contents->size();
        window->resize(1600, 1000);
        settle();
        EXPECT_GE(contents->width(), c.atLeast.width()) << c.name << " was " << small.width();
        EXPECT_GE(contents->height(), c.atLeast.height()) << c.name << " was " << small.height();
        window->closeArea();

        std::unique_ptr<AreaWindow> reopened = c.open(&start);
        EXPECT_EQ(reopened->size(), QSize(1600, 1000)) << c.name;
    }
}
