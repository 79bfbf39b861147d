// The Home page's figures on a full workbook (every status set, a full 500-row to-do list), as read at
// start and each time an area closes. Target: under 50 ms at start.
#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"
#include "core/home/WorkbookFigures.h"
#include "core/todo/TodoDate.h"
#include "core/todo/TodoGridFile.h"

namespace {

void dashboardFigures(benchmark::State &state)
{
    QTemporaryDir folder;
    const StatusStore statuses(QDir(folder.path()).filePath(QStringLiteral("Stat1.Fil")));
    for (int number = 1; number <= StatusStore::ItemCount; ++number)
        if (!statuses.write(number, StatusStore::values()[number % StatusStore::values().size()])) {
            state.SkipWithError("the statuses could not be written");
            return;
        }
    TodoGrid grid;
    for (int row = 1; row <= TodoGrid::Rows; ++row) {
        grid.setCell(row, 1, QStringLiteral("To-do item number %1 with a long name").arg(row).left(45));
        grid.setCell(row, 2, TodoDate::cellText(QDate(2026, 1, 1).addDays(row)));
    }
    if (!TodoGridFile(QDir(folder.path()).filePath(QStringLiteral("TODOActv.FIL"))).save(grid)) {
        state.SkipWithError("the to-do list could not be written");
        return;
    }
    DashboardModel model;
    WorkbookFigures::addTo(model, folder.path(), [] { return QDate(2026, 12, 8); });
    int overdue = 0;
    for (auto _ : state)
        overdue = model.refresh().at(1).figures.at(0).count;
    state.counters["overdue"] = overdue;
}
BENCHMARK(dashboardFigures)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks<QCoreApplication>(argc, argv);
}
