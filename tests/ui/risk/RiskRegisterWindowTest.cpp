#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>

#include "RiskRegisterFixture.h"
#include "ui/preview/PrintPreview.h"
#include "core/risk/RiskCsv.h"
#include "core/todo/TodoDate.h"
#include "core/todo/TodoGridFile.h"
#include "support/AccessibilityWalk.h"
#include "ui/risk/RiskHeatMapView.h"
#include "ui/exports/ReportWindow.h"

namespace {

Risk rated(int n, int likelihood, int impact, const QString &owner)
{
    Risk risk = sampleRisk(n);
    risk.rating = {QDate(2026, 3, 1), likelihood, impact};
    risk.owner = owner;
    risk.open = true;
    return risk;
}

} // namespace

TEST_F(RiskRegisterFixture, ARiskTypedInIsSavedAndReRatingShowsTheTrend)
{
    open();
    type(window->editor->assetBox, QStringLiteral("Front-desk laptops"));
    type(window->editor->threatBox, QStringLiteral("Theft of a device or paper records"));
    EXPECT_EQ(window->editor->groupBox->currentText(), QStringLiteral("Human deliberate"));
    window->editor->likelihoodBox->setCurrentIndex(3);
    window->editor->impactBox->setCurrentIndex(4);
    EXPECT_EQ(window->editor->levelLabel->text(), QStringLiteral("20 (Critical)"));
    QTest::keyClicks(window->editor->measureBox, QStringLiteral("Encrypt the disks"));
    window->editor->safeguardList->item(14)->setCheckState(Qt::Checked);
    QTest::mouseClick(window->saveButton, Qt::LeftButton);
    ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.front().text.toStdString();
    EXPECT_EQ(shownColumn(RiskTableModel::Level), QStringList{QStringLiteral("Critical")});

    window->editor->likelihoodBox->setCurrentIndex(1);
    QTest::mouseClick(window->saveButton, Qt::LeftButton);
    EXPECT_EQ(shownColumn(RiskTableModel::Trend), QStringList{QStringLiteral("Falling")});

    const QList<Risk> stored = database.store().risks().value();
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored.front().safeguards, QList<int>{15});
    EXPECT_EQ(stored.front().earlier.size(), 1);
    EXPECT_EQ(stored.front().earlier.front().score(), 20);
    EXPECT_EQ(stored.front().score(), 10);
    EXPECT_TRUE(window->editor->trendLabel->text().contains(QStringLiteral("20 (Critical)")));
}

TEST_F(RiskRegisterFixture, AClickedHeatMapCellFiltersTheRegisterAndAgainShowsAll)
{
    addRisks({rated(1, 5, 5, QStringLiteral("A")), rated(2, 5, 5, QStringLiteral("B")),
              rated(3, 1, 2, QStringLiteral("A")), rated(4, 3, 3, QStringLiteral("B"))});
    open();
    EXPECT_EQ(window->heatMap->counts().count(5, 5), 2);
    QTest::mouseClick(window->heatMap, Qt::LeftButton, {}, window->heatMap->cellCentre(5, 5));
    EXPECT_EQ(shownColumn(RiskTableModel::Score), (QStringList{QStringLiteral("25"), QStringLiteral("25")}));
    window->ownerFilter->setCurrentIndex(window->ownerFilter->findText(QStringLiteral("B")));
    EXPECT_EQ(shownColumn(RiskTableModel::Owner), QStringList{QStringLiteral("B")});
    EXPECT_EQ(window->heatMap->counts().count(3, 3), 1); // the map counts under the other filters
    EXPECT_EQ(window->heatMap->counts().count(1, 2), 0);
    QTest::mouseClick(window->heatMap, Qt::LeftButton, {}, window->heatMap->cellCentre(5, 5));
    EXPECT_EQ(window->riskTable->model()->rowCount(), 2);
    QTest::mouseClick(window->clearFiltersButton, Qt::LeftButton);
    EXPECT_EQ(window->riskTable->model()->rowCount(), 4);
    window->levelFilter->setCurrentIndex(window->levelFilter->findText(QStringLiteral("Moderate")));
    EXPECT_EQ(shownColumn(RiskTableModel::Score), QStringList{QStringLiteral("9")});
}

TEST_F(RiskRegisterFixture, UnsavedChangesAreAskedForBeforeAnotherRiskOrClosing)
{
    addRisks({rated(1, 2, 2, QStringLiteral("A")), rated(2, 3, 3, QStringLiteral("B"))});
    open();
    clickRow(0);
    QTest::keyClicks(window->editor->measureBox, QStringLiteral(" and more"));
    dialogs.answer(Dialogs::Cancel);
    clickRow(1);
    EXPECT_EQ(window->editor->shown().owner, QStringLiteral("A"));
    EXPECT_TRUE(window->editor->isChanged());
    dialogs.answer(Dialogs::Cancel);
    EXPECT_FALSE(window->close());
    dialogs.answer(Dialogs::Yes);
    EXPECT_TRUE(window->close());
    ASSERT_EQ(dialogs.messages.size(), 3);
    EXPECT_TRUE(database.store().risks().value().front().measure.endsWith(QStringLiteral(" and more")));
}

TEST_F(RiskRegisterFixture, ImportWithABadRowChangesNothingAndExportReadsBackTheSame)
{
    addRisks({rated(1, 2, 2, QStringLiteral("A"))});
    open();
    QList<Risk> more{rated(5, 4, 4, QStringLiteral("C")), rated(6, 1, 1, QStringLiteral("D"))};
    const QByteArray good = RiskCsv::write(more);
    folder.write(QStringLiteral("good.csv"), good);
    QByteArray bytes = good;
    bytes.replace(",Open,", ",Maybe,");
    folder.write(QStringLiteral("bad.csv"), bytes);

    dialogs.answerFileName(folder.file(QStringLiteral("bad.csv")));
    QTest::mouseClick(window->importButton, Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.back().text.contains(QStringLiteral("Line 2: the status \"Maybe\"")))
        << dialogs.messages.back().text.toStdString();
    EXPECT_EQ(window->riskTable->model()->rowCount(), 1);

    dialogs.answerFileName(folder.file(QStringLiteral("good.csv")));
    QTest::mouseClick(window->importButton, Qt::LeftButton);
    EXPECT_EQ(window->riskTable->model()->rowCount(), 3);

    dialogs.answerFileName(folder.file(QStringLiteral("out.csv")));
    QTest::mouseClick(window->exportButton, Qt::LeftButton);
    EXPECT_EQ(folder.read(QStringLiteral("out.csv")), RiskCsv::write(database.store().risks().value()));
    EXPECT_TRUE(folder.read(QStringLiteral("out.csv")).endsWith(good.mid(good.indexOf("\r\n") + 2)));
}

TEST_F(RiskRegisterFixture, TheReportShowsTheRegisterAndSavesAsPdf)
{
    addRisks({rated(1, 5, 5, QStringLiteral("A")), rated(2, 1, 3, QStringLiteral("B"))});
    open();
    QTest::mouseClick(window->reportButton, Qt::LeftButton);
    auto *report = window->findChild<ReportWindow *>();
    ASSERT_NE(report, nullptr);
    EXPECT_GE(report->preview->document().pageCount(), 1);
    EXPECT_EQ(report->preview->document().title(), QStringLiteral("Risk Register"));
    dialogs.answerFileName(folder.file(QStringLiteral("register.pdf")));
    QTest::mouseClick(report->pdfButton, Qt::LeftButton);
    EXPECT_TRUE(folder.read(QStringLiteral("register.pdf")).startsWith("%PDF"));
    report->close();
}

TEST_F(RiskRegisterFixture, EveryControlHasAnAccessibleName)
{
    addRisks({rated(1, 5, 5, QStringLiteral("A"))});
    open();
    EXPECT_EQ(unnamedControls(window.get()).join(u"; ").toStdString(), "");
    QTest::mouseClick(window->reportButton, Qt::LeftButton);
    auto *report = window->findChild<ReportWindow *>();
    ASSERT_NE(report, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(report));
    EXPECT_EQ(unnamedControls(report).join(u"; ").toStdString(), "");
    report->close();
}

TEST_F(RiskRegisterFixture, AMeasureSentToTheTodoListLandsInTheFirstFreeRowAndIsSaved)
{
    TodoGrid list;
    list.setCell(1, 1, QStringLiteral("Renew the backup contract"));
    list.setCell(3, 1, QStringLiteral("Check the fire extinguishers"));
    ASSERT_TRUE(TodoGridFile(folder.file(QStringLiteral("TODOActv.FIL"))).save(list));
    Risk risk = rated(1, 4, 4, QStringLiteral("Dana Whitfield"));
    risk.measure = QStringLiteral("Encrypt every laptop's disk and test the recovery keys");
    risk.due = QDate(2027, 2, 15);
    addRisks({risk});
    open();
    clickRow(0);
    QTest::mouseClick(window->todoButton, Qt::LeftButton);

    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages.front().text, QStringLiteral("The measure of risk 1 is in row 2 of the To Do List."));
    TodoGrid expected = list;
    expected.setCell(2, 1, QStringLiteral("Dana Whitfield: Encrypt every laptop's disk a"));
    expected.setCell(2, 2, TodoDate::cellText(QDate(2027, 2, 15)));
    ASSERT_TRUE(TodoGridFile(folder.file(QStringLiteral("expected.fil"))).save(expected));
    EXPECT_EQ(folder.read(QStringLiteral("TODOActv.FIL")), folder.read(QStringLiteral("expected.fil")));
    EXPECT_EQ(database.store().risks().value().front().todoRow, 2);
    EXPECT_EQ(window->editor->todoLabel->text(), QStringLiteral("2"));

    dialogs.answer(Dialogs::No); // sent already: asked, No sends nothing
    QTest::mouseClick(window->todoButton, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(folder.read(QStringLiteral("TODOActv.FIL")), folder.read(QStringLiteral("expected.fil")));
}
