#include <QApplication>
#include <QFrame>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/widgets/tabs/TabStrip.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "ui/workarea/WorkAreaWindow.h"

namespace {

// Every tab of the strip lies whole inside its bar, at no less than its natural width, overlapping no other.
void expectEveryTabShown(QTabWidget *strip, const char *what)
{
    auto *bar = qobject_cast<RowTabBar *>(strip->tabBar());
    ASSERT_NE(bar, nullptr) << what;
    EXPECT_EQ(bar->height(), bar->sizeHint().height()) << what;
    QList<QRect> seen;
    for (int i = 0; i < bar->count(); ++i) {
        const QRect r = bar->rowTabRect(i);
        EXPECT_TRUE(bar->rect().contains(r)) << what << " tab " << i;
        EXPECT_GE(r.width(), bar->naturalTabSize(i).width()) << what << " tab " << i << " is cut";
        for (const QRect &other : seen)
            EXPECT_FALSE(other.intersects(r)) << what << " tab " << i;
        seen << r;
    }
}

} // namespace

TEST(TabStrip, EveryCategoryAndItemTabIsShownAt800x600AndThePanelCoversNone)
{
    TempFolder folder;
    ScriptedDialogs dialogs;
    WorkAreaWindow w(nullptr);
    w.resize(800, 600);
    w.show();
    QApplication::processEvents();
    expectEveryTabShown(w.areaTabs, "area strip");
    for (int c = 0; c < w.sectionTabs->count(); ++c) {
        w.sectionTabs->setCurrentIndex(c);
        QApplication::processEvents();
        expectEveryTabShown(w.sectionTabs, "category strip");
        if (c < 1 || c > 5)
            continue;
        QTabWidget *strip = w.innerTabs[c - 1];
        expectEveryTabShown(strip, qPrintable(strip->objectName()));
        const int rowsBottom = strip->tabBar()->mapTo(&w, QPoint(0, strip->tabBar()->height())).y();
        EXPECT_GE(w.itemPanel->mapTo(&w, QPoint(0, 0)).y(), rowsBottom) << "category " << c;
        EXPECT_GT(w.itemPanel->height(), 250) << "category " << c;
    }
}

TEST(TabStrip, RowsFollowTheWidthAndAClickPicksTheTabUnderThePointer)
{
    TabStrip strip;
    for (int i = 0; i < 12; ++i)
        strip.addTab(new QWidget, QStringLiteral("Tab number %1").arg(i));
    strip.resize(900, 300);
    strip.show();
    QApplication::processEvents();
    auto *bar = strip.rowTabBar();
    const int wideRows = bar->rowCount();
    strip.resize(300, 300);
    QApplication::processEvents();
    EXPECT_GT(bar->rowCount(), wideRows);
    expectEveryTabShown(&strip, "narrow strip");
    EXPECT_GE(strip.currentWidget()->mapTo(&strip, QPoint(0, 0)).y(), strip.tabRowsHeight());

    const QRect last = bar->rowTabRect(11);
    QTest::mouseClick(bar, Qt::LeftButton, {}, last.center());
    EXPECT_EQ(strip.currentIndex(), 11);
}
