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
    w.actionTakenOption->click();
    w.sectionTabs->setCurrentIndex(2); // Contingency Operation, Action23.Fil: the views are cleared

    EXPECT_FALSE(w.saveButton->isEnabled());
    EXPECT_FALSE(w.saveAction->isEnabled());
    w.saveButton->click();
    w.saveAction->trigger();
    w.saveClicked();
    type(QStringLiteral("stray"));
    w.saveClicked();
    EXPECT_EQ(folder.read(QStringLiteral("Action23.Fil")), kept);
    EXPECT_FALSE(folder.exists(QStringLiteral("Action0.Fil")));
    EXPECT_EQ(prompts(), 0);

    // Once the entry is shown again it is saved as usual.
    w.actionTakenOption->click();
    EXPECT_TRUE(w.saveButton->isEnabled());
    type(QStringLiteral("Tested: "));
    w.saveAction->trigger();
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
    EXPECT_EQ(w.statusBox->currentIndex(), -1) << "no status: no list position left over";
    w.innerTabs[0]->setCurrentIndex(0);
    EXPECT_EQ(w.statusBox->currentText(), "Working");
    EXPECT_EQ(w.statusBox->currentIndex(), 2);

    const QPoint centre = w.statusBox->rect().center();
    for (int delta : {-120, 120}) {
        QWheelEvent wheel(centre, w.statusBox->mapToGlobal(centre), {}, {0, delta}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.statusBox, &wheel);
    }
    w.statusBox->setFocus();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown})
        QTest::keyClick(w.statusBox, key);
    w.statusBox->showPopup();
    QTest::keyClick(w.statusBox->view(), Qt::Key_Escape);
    w.statusBox->setFocus();
    QApplication::processEvents();
    w.entryEditor->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w.statusBox->currentText(), "Working");
    EXPECT_EQ(folder.read(QStringLiteral("Stat1.Fil")), workingRecord());

    pickStatus(3);
    EXPECT_EQ(folder.read(QStringLiteral("Stat1.Fil")).left(11), QByteArray("\x09\x00" "Completed", 11));
}

} // namespace

namespace {

TEST_F(WorkArea, GuideLinesChosenInTheWorkAreaAreStored)
{
    w.previewPanel->open();
    w.previewPanel->guideLineOptions[1]->click();
    EXPECT_EQ(folder.read(QStringLiteral("GColor3.Fil")), zeroRecords(10) + recordBytes("1"));
    w.previewPanel->guideLineOptions[0]->click();
    EXPECT_EQ(folder.read(QStringLiteral("GColor3.Fil")), zeroRecords(10) + recordBytes("0"));
}

} // namespace
