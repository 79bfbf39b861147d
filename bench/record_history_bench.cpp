// A six-year compliance record: 141 entries saved weekly (313 weeks, about 44,000 versions of 50 KB).
// Measures the size of the database, listing the history of one entry (target: 50 ms or less) and a
// backup of the whole workbook with the record.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "EntryText.h"
#include "QtBenchmarkMain.h"
#include "core/backup/BackupWriter.h"
#include "core/backup/WorkbookFiles.h"
#include "core/record/EntryHistory.h"
#include "core/record/RecordDatabase.h"

namespace {

constexpr int Weeks = 313;
constexpr int EntrySize = 50 * 1024;

// Entry `entry` as saved in week `week`: the same text every week but for the amendment at its end.
QByteArray weeklyText(int entry, int week)
{
    QByteArray rtf = entryText(entry, EntrySize);
    rtf.chop(1);
    return rtf + "\\par Amended in week " + QByteArray::number(week) + ".}";
}

// The workbook folder with its six-year record, made once for every benchmark.
const QTemporaryDir &workbook()
{
    static QTemporaryDir folder;
    static bool made = false;
    if (made)
        return folder;
    made = true;
    Result<RecordDatabase::Opened> opened = RecordDatabase::open(folder.path(), RecordDatabase::Access::Write);
    if (!opened || !opened->database)
        return folder;
    RecordDatabase &db = *opened->database;
    EntryHistory history(db);
    const QDateTime start(QDate(2020, 12, 7), QTime(17, 0), Qt::UTC);
    const QDir dir(folder.path());
    int entry = 0;
    for (const QString &name : WorkbookFiles::names()) {
        if (!WorkbookFiles::isEntry(name))
            continue;
        ++entry;
        // One transaction an entry: 313 saves.
        (void)db.change([&] {
            for (int week = 1; week <= Weeks; ++week) {
                if (Outcome kept = history.recordSave((entry - 1) % 47 + 1, 3 + (entry - 1) / 47, weeklyText(entry, week - 1),
                                                      start.addDays(7 * (week - 1)), weeklyText(entry, week),
                                                      QStringLiteral("Ann Lee"), start.addDays(7 * week));
                    !kept)
                    return kept;
            }
            return Outcome::done();
        });
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(weeklyText(entry, Weeks));
    }
    return folder;
}

void listOneEntrysHistory(benchmark::State &state)
{
    Result<RecordDatabase::Opened> opened = RecordDatabase::open(workbook().path(), RecordDatabase::Access::Read);
    if (!opened || !opened->database) {
        state.SkipWithError("no record");
        return;
    }
    EntryHistory history(*opened->database);
    qsizetype listed = 0;
    for (auto _ : state)
        listed = history.versions(23, 4)->size();
    const qint64 bytes = QFileInfo(opened->database->path()).size();
    state.counters["versions_listed"] = double(listed);
    state.counters["database_MB"] = double(bytes) / (1024 * 1024);
    Result<QSqlQuery> all = opened->database->run(QStringLiteral("SELECT COUNT(*) FROM entry_versions"));
    if (all) {
        QSqlQuery &query = all.value();
        state.counters["versions"] = query.next() ? query.value(0).toDouble() : 0;
    }
}

void backUpWorkbookWithRecord(benchmark::State &state)
{
    const QString zipPath = QDir(workbook().path()).filePath(QStringLiteral("backup.zip"));
    for (auto _ : state) {
        QFile::remove(zipPath);
        const BackupOutcome outcome = backUpWorkbook(workbook().path(), zipPath, QDateTime::currentDateTime());
        if (!outcome) {
            state.SkipWithError(outcome.error().toStdString().c_str());
            return;
        }
    }
    state.counters["archive_MB"] = double(QFileInfo(zipPath).size()) / (1024 * 1024);
}

BENCHMARK(listOneEntrysHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(backUpWorkbookWithRecord)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks<QCoreApplication>(argc, argv);
}
