#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "ui/start/AboutBox.h"
#include "core/workbook/ProgramState.h"
#include "ui/start/StartScreen.h"
#include "ui/widgets/FontDialog.h"
#include "ui/misc/MiscAreaWindow.h"
#include "ui/preview/PreviewPanel.h"
#include "ui/reader/RuleReaderWindow.h"
#include "support/AccessibilityWalk.h"
#include "support/ScriptedDialogs.h"
#include "support/SteppedClock.h"
#include "support/TempFolder.h"
#include "ui/workarea/WorkAreaWindow.h"

namespace {

class Accessibility : public ::testing::Test
{
protected:
    Accessibility()
    {
        ProgramState::reset();
        ProgramState::WorkbookFolder = folder.path(); // the start screen locks its workbook folder
    }
    ~Accessibility() override { ProgramState::WorkbookFolder.clear(); }

    // Walks the window as it first shows, then with its preview panel open.
    static void expectAllNamed(QWidget &window, PreviewPanel *preview = nullptr)
    {
        window.show();
        QApplication::processEvents();
        EXPECT_EQ(unnamedControls(&window).join("; ").toStdString(), "") << window.objectName().toStdString();
        if (!preview)
            return;
        preview->open();
        EXPECT_EQ(unnamedControls(&window).join("; ").toStdString(), "") << window.objectName().toStdString() << " preview";
        preview->pageCommands[2]->click();
    }

    TempFolder folder;
    SteppedClock clock;
    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(Accessibility, EveryControlOfEveryWindowHasAName)
{
    StartScreen start;
    start.showSplash = [] {};
    start.load();
    expectAllNamed(start);

    RuleReaderWindow reader(&start);
    expectAllNamed(reader, reader.previewPanel);

    WorkAreaWindow work(&start);
    expectAllNamed(work, work.previewPanel);
    for (int category = 1; category < work.sectionTabs->count(); ++category) {
        work.sectionTabs->setCurrentIndex(category);
        expectAllNamed(work);
    }
    work.actionTakenOption->click();
    expectAllNamed(work);

    MiscAreaWindow misc(&start);
    expectAllNamed(misc, misc.previewPanel);
    for (int page = 1; page < misc.sectionTabs->count(); ++page) {
        misc.sectionTabs->setCurrentIndex(page);
        expectAllNamed(misc);
    }

    AboutBox about(&start);
    expectAllNamed(about);

    FontDialog font(QFont(), Qt::black, FontDialog::PrinterFonts + FontDialog::Effects);
    expectAllNamed(font);
}

TEST_F(Accessibility, TheCurrentTabIsSelectedAndChoosingAnAreaReturnsAtOnce)
{
    StartScreen start;
    start.showSplash = [] {};
    QList<int> opened;
    start.showArea = [&opened](int area) { opened << area; };
    start.load();
    start.show();
    QApplication::processEvents();

    QAccessibleInterface *tabs = QAccessible::queryAccessibleInterface(start.areaTabs->tabBar());
    ASSERT_NE(tabs, nullptr);
    ASSERT_GE(tabs->childCount(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(tabs->child(i)->state().selected, i == 0) << i;

    QAccessibleActionInterface *press = tabs->child(2)->actionInterface();
    ASSERT_NE(press, nullptr);
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(opened.isEmpty()) << "the area opens after the accessibility call has returned";
    EXPECT_TRUE(tabs->child(2)->state().selected);
    QApplication::processEvents();
    EXPECT_EQ(opened, QList<int>({2}));
}

TEST_F(Accessibility, TheMiscPagesTellWhichTabIsSelected)
{
    StartScreen start;
    start.showSplash = [] {};
    start.load();
    MiscAreaWindow misc(&start);
    misc.show();
    QApplication::processEvents();
    misc.sectionTabs->setCurrentIndex(4);

    QAccessibleInterface *tabs = QAccessible::queryAccessibleInterface(misc.sectionTabs->tabBar());
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->childCount(), misc.sectionTabs->count());
    for (int i = 0; i < tabs->childCount(); ++i)
        EXPECT_EQ(tabs->child(i)->state().selected, i == 4) << i;
}
