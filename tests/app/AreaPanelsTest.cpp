#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "core/workbook/HINFO1.h"
#include "app/files/RecordBytes.h"
#include "ui/preview/PrintPreview.h"
#include "ui/misc/Misc1.h"
#include "ui/preview/PreviewPanel.h"
#include "ui/reader/PrivRule1.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "ui/workarea/WorkArea1.h"

namespace {

// The preview panel as each of the three area windows carries it.
class AreaPanels : public ::testing::Test
{
protected:
    AreaPanels() { HINFO1::reset(); }

    TempFolder folder;
    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(AreaPanels, GuideLinesChosenInTheReaderStartTheOtherWindowsWithThemUnwritten)
{
    {
        PrivRule1 reader(nullptr);
        SSPanel80 &panel = *reader.previewPanel;
        EXPECT_EQ(panel.variant(), SSPanel80::Reader);
        EXPECT_TRUE(panel.isHidden());
        EXPECT_EQ(panel.palette().color(QPalette::Window),
                  reader.Label1->palette().color(reader.Label1->backgroundRole()));
        EXPECT_TRUE(panel.SSOption82[0]->isChecked());
        panel.SSOption82[1]->click();
    }
    const QByteArray stored = folder.read(QStringLiteral("GColor3.Fil"));
    ASSERT_EQ(stored, zeroRecords(10) + recordBytes("1"));

    WorkArea1 work(nullptr);
    EXPECT_EQ(work.previewPanel->variant(), SSPanel80::WorkArea);
    EXPECT_TRUE(work.previewPanel->SSOption82[1]->isChecked());
    Misc1 misc(nullptr);
    EXPECT_EQ(misc.previewPanel->variant(), SSPanel80::MiscArea);
    EXPECT_TRUE(misc.previewPanel->SSOption82[1]->isChecked());
    EXPECT_TRUE(misc.previewPanel->VSP1->guideLines());
    EXPECT_EQ(folder.read(QStringLiteral("GColor3.Fil")), stored);
}

TEST_F(AreaPanels, MiscAreaEscapeAndHelpFollowThePreview)
{
    Misc1 misc(nullptr);
    misc.show();
    SSPanel80 &panel = *misc.previewPanel;
    panel.open();
    QTest::keyClick(&misc, Qt::Key_F1);
    EXPECT_EQ(dialogs.helps.last().context, 1014);
    panel.SSCommand1->click();
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
    WorkArea1 *area = nullptr;
    WorkAreaHooks hooks;
    hooks.printOverview = [&area] { area->previewPanel->open(); }; // as the overview report opens it
    WorkArea1 work(nullptr, hooks);
    area = &work;
    work.resize(800, 600);
    work.show();
    QApplication::setActiveWindow(&work); // the area's activation records the normal layout
    QApplication::processEvents();
    SSPanel80 &panel = *work.previewPanel;
    for (const QSize &size : {QSize(800, 600), QSize(1000, 700)}) {
        work.resize(size);
        QApplication::processEvents();
        work.SSCommand3->click(); // "&Print"
        const QRect normal = panel.VSP1->geometry();
        EXPECT_GT(normal.width(), size.width() / 2) << size.width();
        panel.SSCommand1->click();
        EXPECT_GT(panel.VSP1->width(), normal.width());
        panel.SSCommand1->click();
        EXPECT_EQ(panel.VSP1->geometry(), normal) << size.width();
        QTest::keyClick(&work, Qt::Key_Escape);
        EXPECT_TRUE(panel.isHidden());
    }
}
