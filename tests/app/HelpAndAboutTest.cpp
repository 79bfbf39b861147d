#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "ui/start/AboutBox.h"
#include "core/workbook/ProgramState.h"
#include "ui/widgets/HelpViewer.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "ui/workarea/WorkAreaWindow.h"

TEST(HelpWindow, OpenedOverTheModalWorkAreaItTakesInputAndEscapeClosesIt)
{
    TempFolder folder;
    ASSERT_TRUE(QFile::copy(QStringLiteral(TESSAREL_CONTENT_DIR "/Tessarel.hlp"), folder.file("Tessarel.hlp")));
    ProgramState::reset();
    WorkAreaWindow w(nullptr);
    w.resize(800, 600);
    w.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &w);
    QTest::keyClick(&w, Qt::Key_F1);
    auto *help = qobject_cast<QTextBrowser *>(HelpViewer::window());
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    QApplication::processEvents();
    QScrollBar *scroll = help->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 0);
    ASSERT_GT(scroll->value(), 0) << "the topic lies below the top";
    QTest::keyClick(help->windowHandle(), Qt::Key_Home);
    EXPECT_EQ(scroll->value(), 0);
    QTest::keyClick(help->windowHandle(), Qt::Key_End);
    EXPECT_GT(scroll->value(), 0);

    QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(HelpViewer::window(), nullptr);
    EXPECT_TRUE(w.isVisible()) << "Esc in the help is the help's, not the area's";
}

TEST(HelpWindow, TheAreasHelpMenuActsAtOnce)
{
    TempFolder folder;
    ScriptedDialogs dialogs;
    WorkAreaWindow w(nullptr);
    w.show();
    auto *bar = w.findChild<QMenuBar *>();
    ASSERT_NE(bar, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(w.helpMenu).center());
    ASSERT_EQ(dialogs.helps.size(), 1);
    EXPECT_EQ(dialogs.helps[0].context, 3010);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "no empty menu left open";
}

TEST(AboutBox, EveryPartIsLaidOutWholeAndThePanelPopsUpTheMenu)
{
    TempFolder folder;
    ScriptedDialogs dialogs;
    AboutBox about(nullptr);
    about.show();
    QApplication::processEvents();
    for (QWidget *part :
         {static_cast<QWidget *>(about.headerPanel), static_cast<QWidget *>(about.emblemImage),
          static_cast<QWidget *>(about.pictureImage), static_cast<QWidget *>(about.divider)}) {
        ASSERT_NE(part, nullptr);
        EXPECT_TRUE(part->isVisible()) << part->objectName().toStdString();
    }
    EXPECT_FALSE(about.emblemImage->pixmap().isNull());
    for (QLabel *label : about.findChildren<QLabel *>()) {
        const std::string name = label->objectName().toStdString();
        if (!label->pixmap().isNull())
            continue;
        if (label->wordWrap())
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << name;
        else
            EXPECT_GE(label->width(), label->sizeHint().width()) << name;
        EXPECT_TRUE(about.rect().contains(QRect(label->mapTo(&about, QPoint(0, 0)), label->size()))) << name;
    }
    const QRect panel(about.headerPanel->pos(), about.headerPanel->size());
    EXPECT_FALSE(panel.intersects(QRect(about.copyingNotice->pos(), about.copyingNotice->size())));

    QTest::mouseRelease(about.headerPanel, Qt::RightButton);
    EXPECT_TRUE(about.optionsMenu->isVisible());
    about.optionsMenu->hide();
}
