// Backing up and checking a full workbook: 141 entries of 50 KB each, with statuses and a to-do list.
// Target: under 1 s.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"
#include "core/backup/BackupWriter.h"
#include "core/backup/WorkbookFiles.h"

namespace {

// An RTF entry of `size` bytes: varied words in a few fonts, as a user's text would be.
QByteArray entryText(int seed, int size)
{
    static const char *const words[] = {"risk",       "analysis",  "access",   "control",     "workstation",
                                        "security",   "policy",    "audit",    "contingency", "backup",
                                        "encryption", "integrity", "training", "incident",    "response",
                                        "facility",   "device",    "media"};
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}{\\f1 Arial;}}\\f0\\fs24 ";
    quint32 state = quint32(seed) * 2654435761u + 1;
    while (rtf.size() < size - 8) {
        state = state * 1664525u + 1013904223u;
        rtf += words[(state >> 8) % std::size(words)];
        rtf += (state & 0x1f) == 0 ? "\\par\n\\f1 " : (state & 0x1f) == 1 ? ".\\f0  " : " ";
    }
    return rtf.leftJustified(size - 1, ' ', true) + '}';
}

void write(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

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
