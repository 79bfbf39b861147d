#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "core/workbook/ProgramState.h"
#include "app/files/RecordBytes.h"
#include "ui/preview/PrintPreview.h"
#include "ui/misc/MiscAreaWindow.h"
#include "ui/preview/PreviewPanel.h"
#include "ui/reader/RuleReaderWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "ui/workarea/WorkAreaWindow.h"

namespace {

// The preview panel as each of the three area windows carries it.
class AreaPanels : public ::testing::Test
{
protected:
  AreaPanels() { ProgramState::reset(); }

  TempFolder folder;
  ScriptedDialogs dialogs;
};

} // namespace

TEST_F(AreaPanels, GuideLinesChosenInTheReaderStartTheOtherWindowsWithThemUnwritten)
{
    {
        RuleReaderWindow reader(nullptr);
        PreviewPanel &panel = *reader.previewPanel;
        EXPECT_EQ(panel.variant(), PreviewPanel::Reader);
        EXPECT_TRUE(panel.isHidden());
        EXPECT_EQ(panel.palette().color(QPalette::Window),
                  reader.ruleTitle->palette().color(reader.ruleTitle->backgroundRole()));
        EXPECT_TRUE(panel.guideLineOptions[0]->isChecked());
        panel.guideLineOptions[1]->click();
    }
    const QByteArray stored = folder.read(QStringLiteral("GColor3.Fil"));
    ASSERT_EQ(stored, zeroRecords(10) + recordBytes("1"));

    WorkAreaWindow work(nullptr);
    EXPECT_EQ(work.previewPanel->variant(), PreviewPanel::WorkArea);
    EXPECT_TRUE(work.previewPanel->guideLineOptions[1]->isChecked());
    MiscAreaWindow misc(nullptr);
    EXPECT_EQ(misc.previewPanel->variant(), PreviewPanel::MiscArea);
    EXPECT_TRUE(misc.previewPanel->guideLineOptions[1]->isChecked());
    EXPECT_TRUE(misc.previewPanel->printPreview->guideLines());
    EXPECT_EQ(folder.read(QStringLiteral("GColor3.Fil")), stored);
}

TEST_F(AreaPanels, MiscAreaEscapeAndHelpFollowThePreview)
{
    MiscAreaWindow misc(nullptr);
    misc.show();
    PreviewPanel &panel = *misc.previewPanel;
    panel.open();
    QTest::keyClick(&misc, Qt::Key_F1);
    EXPECT_EQ(dialogs.helps.last().context, 1014);
    panel.enlargeButton->click();
    QTest::keyClick(&misc, Qt::Key_Escape);
    EXPECT_TRUE(panel.isVisible()) << "the enlarged preview only shrinks";
    QTest::keyClick(&misc, Qt::Key_Escape);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(misc.isVisible());
    QTest::keyClick(&misc, Qt::Key_F1);
    EXPECT_EQ(dialogs.helps.last().context, 3014);
    EXPECT_EQ(dialogs.helps.last().file, "TESSAREL.hlp");
    QTest::keyClick(&misc, Qt::Key_Escape);
    EXPECT_FALSE(misc.isVisible());
}

TEST_F(AreaPanels, NormalGivesBackThePreviewAsTheAreaLaysItOut)
{
    WorkAreaWindow *area = nullptr;
    WorkAreaHooks hooks;
    hooks.printOverview = [&area] { area->previewPanel->open(); }; // as the overview report opens it
    WorkAreaWindow work(nullptr, hooks);
    area = &work;
    work.resize(800, 600);
    work.show();
    QApplication::setActiveWindow(&work); // the area's activation records the normal layout
    QApplication::processEvents();
    PreviewPanel &panel = *work.previewPanel;
    for (const QSize &size : {QSize(800, 600), QSize(1000, 700)}) {
        work.resize(size);
        QApplication::processEvents();
        work.printOverviewButton->click(); // "&Print"
        const QRect normal = panel.printPreview->geometry();
        EXPECT_GT(normal.width(), size.width() / 2) << size.width();
        panel.enlargeButton->click();
        EXPECT_GT(panel.printPreview->width(), normal.width());
        panel.enlargeButton->click();
        EXPECT_EQ(panel.printPreview->geometry(), normal) << size.width();
        QTest::keyClick(&work, Qt::Key_Escape);
        EXPECT_TRUE(panel.isHidden());
    }
}
