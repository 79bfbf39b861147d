// A full to-do list of 500 rows, every cell filled: loading TODOActv.FIL into the grid model, an
// ascending sort on "To Do Date", saving it, and laying out its printed list. Target: under 50 ms each.
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"
#include "core/print/PreviewDocument.h"
#include "core/todo/TodoDate.h"
#include "core/todo/TodoGridFile.h"
#include "core/todo/TodoGridModel.h"
#include "core/todo/TodoPrint.h"

namespace {

TodoGrid fullList()
{
    TodoGrid grid;
    const QDate first(2026, 1, 1);
    for (int r = 1; r <= TodoGrid::Rows; ++r) {
        grid.setCell(r, 1, QStringLiteral("Review the access list of system %1").arg(r));
        grid.setCell(r, 2, TodoDate::cellText(first.addDays((r * 37) % 700)));
        grid.setCell(r, 3, TodoDate::cellText(first.addDays((r * 11) % 700)));
        grid.setCell(r, 5, TodoDate::cellText(first.addDays((r * 53) % 700)));
    }
    return grid;
}

// The full list's file in `folder`; empty when it could not be written.
QString listFile(QTemporaryDir &folder)
{
    const QString path = folder.filePath(QStringLiteral("TODOActv.FIL"));
    return TodoGridFile(path).save(fullList()) ? path : QString();
}

void BM_LoadFullList(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = listFile(folder);
    if (path.isEmpty()) {
        state.SkipWithError("the to-do list could not be written");
        return;
    }
    TodoGridModel model;
    for (auto _ : state)
        model.setGrid(TodoGridFile(path).load().contents);
}
BENCHMARK(BM_LoadFullList)->Unit(benchmark::kMillisecond);

void BM_SortFullListByDate(benchmark::State &state)
{
    const TodoGrid list = fullList();
    TodoGridModel model;
    for (auto _ : state) {
        state.PauseTiming();
        model.setGrid(list);
        state.ResumeTiming();
        model.sort(2, Qt::AscendingOrder);
    }
}
BENCHMARK(BM_SortFullListByDate)->Unit(benchmark::kMillisecond);

void BM_SaveFullList(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = listFile(folder);
    if (path.isEmpty()) {
        state.SkipWithError("the to-do list could not be written");
        return;
    }
    const TodoGrid list = fullList();
    for (auto _ : state)
        benchmark::DoNotOptimize(TodoGridFile(path).save(list).ok);
}
BENCHMARK(BM_SaveFullList)->Unit(benchmark::kMillisecond);

void BM_LayOutPrintedList(benchmark::State &state)
{
    const TodoGrid list = fullList();
    PrinterSettings::PrinterFont font;
    font.name = QStringLiteral("Times New Roman");
    font.size = 12;
    PreviewDocument document;
    for (auto _ : state)
        TodoPrint::layout(document, list, font, {}, QDate(2026, 12, 8));
    state.counters["pages"] = document.pageCount();
}
BENCHMARK(BM_LayOutPrintedList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks<QGuiApplication>(argc, argv);
}
