#include <QAction>
#include <QApplication>
#include <QWheelEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "app/files/RecordBytes.h"
#include "ui/preview/PreviewPanel.h"
#include "workarea/WorkAreaFixture.h"

namespace {

TEST_F(WorkArea, AfterACategoryChangeNoSavePathWritesAnEntryNotShown)
{
    const QByteArray kept("{\\rtf1\\ansi Contingency actions}");
    folder.write(QStringLiteral("Action23.Fil"), kept);
    openItem(1, 0);
    w.SSOption3->click();
    w.SSTab2->setCurrentIndex(2); // Contingency Operation, Action23.Fil: the views are cleared

    EXPECT_FALSE(w.SSCommand6->isEnabled());
    EXPECT_FALSE(w.mOSave->isEnabled());
    w.SSCommand6->click();
    w.mOSave->trigger();
    w.SSCommand6_Click();
    type(QStringLiteral("stray"));
    w.SSCommand6_Click();
    EXPECT_EQ(folder.read(QStringLiteral("Action23.Fil")), kept);
    EXPECT_FALSE(folder.exists(QStringLiteral("Action0.Fil")));
    EXPECT_EQ(prompts(), 0);

    // Once the entry is shown again it is saved as usual.
    w.SSOption3->click();
    EXPECT_TRUE(w.SSCommand6->isEnabled());
    type(QStringLiteral("Tested: "));
    w.mOSave->trigger();
    EXPECT_EQ(textOf(folder.file(QStringLiteral("Action23.Fil"))), "Tested: Contingency actions");
}

} // namespace

namespace {

// Record 1 "Working" with padding no writer produces, so any rewrite shows in the bytes.
QByteArray workingRecord()
{
    return recordBytes("Working", '\xAA');
}

TEST_F(WorkArea, OnlyAPickFromTheDroppedListWritesAStatus)
{
    folder.write(QStringLiteral("Stat1.Fil"), workingRecord());
    w.show();
    QApplication::setActiveWindow(&w);
    openItem(1, 1);
    EXPECT_EQ(w.Combo1->currentIndex(), -1) << "no status: no list position left over";
    w.innerTabs[0]->setCurrentIndex(0);
    EXPECT_EQ(w.Combo1->currentText(), "Working");
    EXPECT_EQ(w.Combo1->currentIndex(), 2);

    const QPoint centre = w.Combo1->rect().center();
    for (int delta : {-120, 120}) {
        QWheelEvent wheel(centre, w.Combo1->mapToGlobal(centre), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.Combo1, &wheel);
    }
    w.Combo1->setFocus();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown})
        QTest::keyClick(w.Combo1, key);
    w.Combo1->showPopup();
    QTest::keyClick(w.Combo1->view(), Qt::Key_Escape);
    w.Combo1->setFocus();
    QApplication::processEvents();
    w.Rtext3->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w.Combo1->currentText(), "Working");
    EXPECT_EQ(folder.read(QStringLiteral("Stat1.Fil")), workingRecord());

    pickStatus(3);
    EXPECT_EQ(folder.read(QStringLiteral("Stat1.Fil")).left(11), QByteArray("\x09\x00" "Completed", 11));
}

} // namespace

namespace {

TEST_F(WorkArea, GuideLinesChosenInTheWorkAreaAreStored)
{
    w.previewPanel->open();
    w.previewPanel->SSOption82[1]->click();
    EXPECT_EQ(folder.read(QStringLiteral("GColor3.Fil")), zeroRecords(10) + recordBytes("1"));
    w.previewPanel->SSOption82[0]->click();
    EXPECT_EQ(folder.read(QStringLiteral("GColor3.Fil")), zeroRecords(10) + recordBytes("0"));
}

} // namespace
