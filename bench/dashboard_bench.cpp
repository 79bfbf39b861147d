// The Home page's figures on a full workbook (every status set, a full 500-row to-do list) and a full
// record (every Addressable item decided, 141 entries with ten saved versions each, 2,000 risks), as read
// at start and each time an area or a register closes. Target: under 50 ms at start.
#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "FullWorkbook.h"
#include "QtBenchmarkMain.h"
#include "core/home/RecordFigures.h"
#include "core/home/WorkbookFigures.h"
#include "core/record/EntryHistory.h"
#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"
#include "core/risk/RiskStore.h"
#include "core/todo/TodoDate.h"
#include "core/todo/TodoGridFile.h"

namespace {

const QDate today(2026, 12, 8);

bool writeWorkbookFiles(const QString &folder)
{
    const StatusStore statuses(QDir(folder).filePath(QStringLiteral("Stat1.Fil")));
    for (int number = 1; number <= StatusStore::ItemCount; ++number)
        if (!statuses.write(number, StatusStore::values()[number % StatusStore::values().size()]))
            return false;
    TodoGrid grid;
    for (int row = 1; row <= TodoGrid::Rows; ++row) {
        grid.setCell(row, 1, QStringLiteral("To-do item number %1 with a long name").arg(row).left(45));
        grid.setCell(row, 2, TodoDate::cellText(QDate(2026, 1, 1).addDays(row)));
    }
    return bool(TodoGridFile(QDir(folder).filePath(QStringLiteral("TODOActv.FIL"))).save(grid));
}

bool writeRecord(RecordDatabase &record)
{
    const QDateTime at(today.addYears(-2), QTime(9, 0));
    for (int item : RecordItems::addressable())
        if (!Decisions(record).record(item, {Decision::AsSpecified, {}, {}, QStringLiteral("Ann"), today, at}))
            return false;
    EntryHistory history(record);
    const Outcome saved = record.change([&] {
        for (int item = 1; item <= 51; ++item)
            for (int kind : RecordItems::kinds())
                for (int version = 1; version <= 10; ++version) {
                    const QByteArray before = QByteArray("{\\rtf1 version ") + QByteArray::number(version - 1) + '}';
                    const QByteArray after = QByteArray("{\\rtf1 version ") + QByteArray::number(version) + '}';
                    const QDateTime when = at.addDays(version * 30);
                    if (const Outcome done = history.recordSave(item, kind, before, when.addDays(-1), after,
                                                                QStringLiteral("Ann"), when);
                        !done)
                        return done;
                }
        return Outcome::done();
    });
    if (!saved)
        return false;
    return bool(RiskStore(record.connection()).addAll(FullWorkbook::risks(2000)));
}

void dashboardFigures(benchmark::State &state)
{
    QTemporaryDir folder;
    if (!writeWorkbookFiles(folder.path())) {
        state.SkipWithError("the workbook files could not be written");
        return;
    }
    Result<RecordDatabase::Opened> opened = RecordDatabase::open(folder.path(), RecordDatabase::Access::Write);
    if (!opened || !opened->database || !writeRecord(*opened->database)) {
        state.SkipWithError("the record could not be written");
        return;
    }
    RecordDatabase *record = opened->database.get();
    DashboardModel model;
    WorkbookFigures::addTo(model, folder.path(), [] { return today; });
    RecordFigures::addTo(model, [record] { return record; }, [] { return today; });
    QList<FigureGroup> groups;
    for (auto _ : state)
        groups = model.refresh();
    state.counters["overdue to-do"] = groups.at(1).figures.at(0).count;
    state.counters["reviews due"] = groups.at(3).figures.at(0).count + groups.at(3).figures.at(1).count;
    state.counters["high risks"] = groups.at(4).figures.at(0).count;
}
BENCHMARK(dashboardFigures)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks<QCoreApplication>(argc, argv);
}
