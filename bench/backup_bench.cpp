// Backing up and checking a full workbook: 141 entries of 50 KB each, with statuses and a to-do list.
// Target: under 1 s.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "FullWorkbook.h"
#include "QtBenchmarkMain.h"
#include "core/backup/BackupWriter.h"
#include "core/backup/WorkbookFiles.h"

namespace {

using FullWorkbook::entryText;
using FullWorkbook::write;

void backUpFullWorkbook(benchmark::State &state)
{
    QTemporaryDir folder;
    const QDir dir(folder.path());
    int seed = 0;
    for (const QString &name : WorkbookFiles::names())
        if (WorkbookFiles::isEntry(name))
            write(dir, name, entryText(++seed, 50 * 1024));
    write(dir, QStringLiteral("Stat1.Fil"), QByteArray(47 * 20, '\0'));
    write(dir, QStringLiteral("TODOActv.FIL"), QByteArray("\"\"\r\n").repeated(2500));
    const QString zipPath = dir.filePath(QStringLiteral("backup.zip"));
    qint64 archiveSize = 0;
    for (auto _ : state) {
        const BackupOutcome outcome = backUpWorkbook(folder.path(), zipPath, QDateTime::currentDateTime());
        if (!outcome) {
            state.SkipWithError(outcome.error().toStdString().c_str());
            return;
        }
        archiveSize = QFile(zipPath).size();
    }
    state.counters["files"] = double(WorkbookFiles::presentIn(folder.path()).size());
    state.counters["archive_KB"] = double(archiveSize) / 1024;
}

BENCHMARK(backUpFullWorkbook)->Unit(benchmark::kMillisecond)->MinTime(3);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks<QCoreApplication>(argc, argv);
}
