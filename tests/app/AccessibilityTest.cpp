#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "ui/start/About1.h"
#include "core/workbook/HINFO1.h"
#include "ui/start/Startfrm.h"
#include "ui/widgets/FontDialog.h"
#include "ui/misc/Misc1.h"
#include "ui/preview/PreviewPanel.h"
#include "ui/reader/PrivRule1.h"
#include "support/AccessibilityWalk.h"
#include "support/ScriptedDialogs.h"
#include "support/SteppedClock.h"
#include "support/TempFolder.h"
#include "ui/workarea/WorkArea1.h"

namespace {

class Accessibility : public ::testing::Test
{
protected:
    Accessibility()
    {
        HINFO1::reset();
        HINFO1::WorkbookFolder = folder.path(); // the start screen locks its workbook folder
    }
    ~Accessibility() override { HINFO1::WorkbookFolder.clear(); }

    // Walks the window as it first shows, then with its preview panel open.
    static void expectAllNamed(QWidget &window, SSPanel80 *preview = nullptr)
    {
        window.show();
        QApplication::processEvents();
        EXPECT_EQ(unnamedControls(&window).join("; ").toStdString(), "") << window.objectName().toStdString();
        if (!preview)
            return;
        preview->open();
        EXPECT_EQ(unnamedControls(&window).join("; ").toStdString(), "") << window.objectName().toStdString() << " preview";
        preview->SSCommand80[2]->click();
    }

    TempFolder folder;
    SteppedClock clock;
    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(Accessibility, EveryControlOfEveryWindowHasAName)
{
    Startfrm start;
    start.showSplash = [] {};
    start.Form_Load();
    expectAllNamed(start);

    PrivRule1 reader(&start);
    expectAllNamed(reader, reader.previewPanel);

    WorkArea1 work(&start);
    expectAllNamed(work, work.previewPanel);
    for (int category = 1; category < work.SSTab2->count(); ++category) {
        work.SSTab2->setCurrentIndex(category);
        expectAllNamed(work);
    }
    work.SSOption3->click();
    expectAllNamed(work);

    Misc1 misc(&start);
    expectAllNamed(misc, misc.previewPanel);
    for (int page = 1; page < misc.SSTab2->count(); ++page) {
        misc.SSTab2->setCurrentIndex(page);
        expectAllNamed(misc);
    }

    About1 about(&start);
    expectAllNamed(about);

    FontDialog font(QFont(), Qt::black, FontDialog::PrinterFonts + FontDialog::Effects);
    expectAllNamed(font);
}

TEST_F(Accessibility, TheCurrentTabIsSelectedAndChoosingAnAreaReturnsAtOnce)
{
    Startfrm start;
    start.showSplash = [] {};
    QList<int> opened;
    start.showArea = [&opened](int area) { opened << area; };
    start.Form_Load();
    start.show();
    QApplication::processEvents();

    QAccessibleInterface *tabs = QAccessible::queryAccessibleInterface(start.SSTab1->tabBar());
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
    Startfrm start;
    start.showSplash = [] {};
    start.Form_Load();
    Misc1 misc(&start);
    misc.show();
    QApplication::processEvents();
    misc.SSTab2->setCurrentIndex(4);

    QAccessibleInterface *tabs = QAccessible::queryAccessibleInterface(misc.SSTab2->tabBar());
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->childCount(), misc.SSTab2->count());
    for (int i = 0; i < tabs->childCount(); ++i)
        EXPECT_EQ(tabs->child(i)->state().selected, i == 4) << i;
}
