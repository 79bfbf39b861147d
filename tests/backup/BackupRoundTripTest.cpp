#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "backup/BackupFixtures.h"
#include "core/backup/BackupSummary.h"
#include "core/backup/BackupWriter.h"
#include "core/backup/WorkbookRestore.h"
#include "support/TempFolder.h"

using namespace BackupFixtures;

namespace {

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(BackupRoundTrip, RestoredIntoAnEmptyFolderEveryFileIsByteIdentical)
{
    TempFolder workbook;
    const Entries files = sampleWorkbook();
    writeFiles(workbook, files);
    workbook.write("SampleAct.Dat", "content, not workbook");
    const QString zipPath = workbook.file("backup.zip");
    QList<int> steps;
    const BackupOutcome outcome =
        backUpWorkbook(workbook.path(), zipPath, backupTime(),
                       [&](int done, int total) { steps.append(done * 100 + total); });
    ASSERT_TRUE(bool(outcome)) << outcome.error().toStdString();
    EXPECT_EQ(steps.size(), 2 * files.size());
    EXPECT_EQ(steps.last(), 16 * 100 + 16);
    ASSERT_EQ(outcome->files.size(), files.size());
    EXPECT_EQ(outcome->files[3].name, "Comment23.Fil");
    EXPECT_EQ(outcome->files[3].size, files[3].second.size());

    TempFolder empty;
    BackupReader backup(zipPath);
    ASSERT_TRUE(backup.verify()) << backup.error().toStdString();
    EXPECT_EQ(backup.manifest().created, backupTime());
    EXPECT_EQ(backup.manifest().programVersion, "1.5");
    const std::optional<BackupSummary> summary = BackupSummary::of(backup);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->entries, 3);
    EXPECT_EQ(summary->statusesSet, 2);
    EXPECT_TRUE(summary->hasTodoList);

    const RestoreOutcome restored = restoreWorkbook(backup, empty.path(), backupTime());
    ASSERT_TRUE(bool(restored)) << restored.error().toStdString();
    EXPECT_TRUE(restored.value().isEmpty());
    QStringList names;
    for (const auto &[name, bytes] : files) {
        EXPECT_EQ(empty.read(name), bytes) << name.toStdString();
        names.append(name);
    }
    names.sort();
    EXPECT_EQ(filesIn(empty.path()), names);
}

// Any one changed byte either makes the backup refused or leaves every file it gives unchanged
// (a byte of the archive's own bookkeeping, such as a time stamp).
TEST(BackupRoundTrip, AChangedByteIsRefusedOrChangesNoFile)
{
    TempFolder folder;
    const Entries files{sampleWorkbook()[0], sampleWorkbook()[2], sampleWorkbook()[5]};
    const QByteArray archive = zip({{"Stat1.Fil", files[0].second},
                                    {"Action0.Fil", files[1].second},
                                    {"TODONAME.FIL", files[2].second},
                                    {"manifest.json", manifestFor(files)}});
    int refused = 0;
    int tried = 0;
    // Every fifth byte: the headers, the directory and each file's data all get hit.
    for (qsizetype at = 0; at < archive.size(); at += 5, ++tried) {
        QByteArray damaged = archive;
        damaged[at] = char(damaged[at] ^ 0x20);
        folder.write("damaged.zip", damaged);
        BackupReader backup(folder.file("damaged.zip"));
        if (!backup.verify()) {
            ++refused;
            continue;
        }
        for (const auto &[name, bytes] : files)
            EXPECT_EQ(backup.read(name), std::optional<QByteArray>(bytes)) << "byte " << at;
    }
    EXPECT_GT(refused, tried / 2);
}
