#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "backup/BackupFixtures.h"
#include "core/backup/BackupWriter.h"
#include "core/backup/WorkbookRestore.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

using namespace BackupFixtures;

namespace {

const QString replaced = QStringLiteral("Replaced 2026-12-08 101558");

} // namespace

TEST(WorkbookRestore, KeepsTheReplacedFilesInADatedFolderAndRemovesWhatTheBackupLacks)
{
    CheckedBackup backup({{"Stat1.Fil", "backed up"}, {"Action0.Fil", "backed up entry"}});
    TempFolder folder;
    writeFiles(
        folder,
        {{"Stat1.Fil", "current"}, {"Policy9.Fil", "written after the backup"}, {"notes.txt", "mine"}});

    const RestoreOutcome first = restoreWorkbook(backup.reader, folder.path(), backupTime());
    ASSERT_TRUE(first) << first.error().toStdString();
    EXPECT_EQ(first.value(), replaced);
    EXPECT_EQ(folder.read(replaced + "/Stat1.Fil"), "current");
    EXPECT_EQ(folder.read(replaced + "/Policy9.Fil"), "written after the backup");
    EXPECT_FALSE(folder.exists(replaced + "/notes.txt"));
    EXPECT_EQ(folder.read("Stat1.Fil"), "backed up");
    EXPECT_EQ(folder.read("Action0.Fil"), "backed up entry");
    EXPECT_FALSE(folder.exists("Policy9.Fil"));
    EXPECT_EQ(folder.read("notes.txt"), "mine");

    // A second restore in the same second keeps its own copies.
    const RestoreOutcome second = restoreWorkbook(backup.reader, folder.path(), backupTime());
    ASSERT_TRUE(second);
    EXPECT_EQ(second.value(), replaced + " (2)");
    EXPECT_EQ(folder.read(replaced + " (2)/Action0.Fil"), "backed up entry");
    EXPECT_EQ(folder.read(replaced + "/Stat1.Fil"), "current");
}

TEST(WorkbookRestore, AFileThatCannotBeWrittenPutsTheWorkbookBack)
{
    CheckedBackup backup(
        {{"Stat1.Fil", "backed up"}, {"Action0.Fil", "new entry"}, {"Comment3.Fil", "cannot land"}});
    TempFolder folder;
    writeFiles(folder, {{"Stat1.Fil", "current"}, {"Policy9.Fil", "current entry"}});
    ASSERT_TRUE(QDir(folder.path()).mkdir("Comment3.Fil")); // fails for root too

    const RestoreOutcome outcome = restoreWorkbook(backup.reader, folder.path(), backupTime());
    EXPECT_FALSE(bool(outcome));
    EXPECT_TRUE(outcome.error().contains("Comment3.Fil")) << outcome.error().toStdString();
    EXPECT_TRUE(outcome.error().endsWith("The workbook was put back as it was."))
        << outcome.error().toStdString();
    EXPECT_EQ(folder.read("Stat1.Fil"), "current");
    EXPECT_EQ(folder.read("Policy9.Fil"), "current entry");
    EXPECT_FALSE(folder.exists("Action0.Fil"));
}

namespace {

struct FullDisk
{
    const char *label;
    RestoreStep fullFrom; // from the first of these steps on, no file can grow
    QString blocked;      // a folder in this file's place makes moving the file in fail
    const char *ending;
};

} // namespace

// On a full disk the restore either stops before the workbook changed or takes every restored file back
// out and then moves the replaced ones back, which needs no room: the workbook is whole as it was.
TEST(WorkbookRestore, OnAFullDiskTheWorkbookStaysOrIsPutBackWhole)
{
    const Entries before{
        {"Stat1.Fil", "current"}, {"Action0.Fil", "current entry"}, {"Policy9.Fil", "current only"}};
    const Entries restored{{"Stat1.Fil", "backed up"},
                           {"Action0.Fil", "backed up entry"},
                           {"Comment3.Fil", "backed up only"},
                           {"TODOActv.FIL", "\"list\"\r\n"}};
    CheckedBackup backup(restored);
    const QList<FullDisk> cases{
        {"full while staging", RestoreStep::JournalWritten, {}, "Nothing was changed."},
        {"full while committing", RestoreStep::MovedAside, "TODOActv.FIL",
         "The workbook was put back as it was."},
    };
    for (const FullDisk &c : cases) {
        SCOPED_TRACE(c.label);
        TempFolder folder;
        writeFiles(folder, before);
        QStringList entries = filesOf(before).keys();
        if (!c.blocked.isEmpty()) {
            ASSERT_TRUE(QDir(folder.path()).mkdir(c.blocked));
            entries.append(c.blocked);
        }
        std::optional<FileSizeLimit> full;
        int putBack = 0;
        const auto hook = [&](RestoreStep step) {
            if (step == c.fullFrom && !full)
                full.emplace(0);
            if (step != RestoreStep::PutBack || putBack++ > 0)
                return;
            // Before the first file is put back, every restored one is out of the workbook.
            const Files now = workbookIn(folder.path());
            for (const auto &[name, bytes] : restored)
                EXPECT_NE(now.value(name), bytes) << name.toStdString();
        };
        const RestoreOutcome outcome = restoreWorkbook(backup.reader, folder.path(), backupTime(), hook);
        full.reset();
        EXPECT_FALSE(bool(outcome));
        EXPECT_TRUE(outcome.error().endsWith(c.ending)) << outcome.error().toStdString();
        EXPECT_EQ(putBack > 0, !c.blocked.isEmpty());
        EXPECT_EQ(workbookIn(folder.path()), filesOf(before));
        entries.sort();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  entries);
    }
}

TEST(WorkbookBackup, AFailedWriteIsReportedAndLeavesNoFile)
{
    TempFolder folder;
    writeFiles(folder, {{"Stat1.Fil", "statuses"}});
    folder.write("plainfile", "not a folder");
    struct Case
    {
        QString path;
        const char *reason;
    };
    const QList<Case> cases{
        {folder.file("plainfile/backup.zip"), "Unable to write backup.zip"},
        {folder.file("missing/backup.zip"), "Unable to write backup.zip"},
        {folder.file("Stat1.Fil"), "one of the workbook's own files"},
    };
    for (const Case &c : cases) {
        const BackupOutcome outcome = backUpWorkbook(folder.path(), c.path, backupTime());
        EXPECT_FALSE(bool(outcome));
        EXPECT_TRUE(outcome.error().contains(c.reason)) << outcome.error().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(folder.file("missing")));
    QStringList left = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    left.sort();
    EXPECT_EQ(left, (QStringList{"Stat1.Fil", "plainfile"}));
    EXPECT_EQ(folder.read("Stat1.Fil"), "statuses");
}

TEST(WorkbookBackup, AFileLargerThanABackupHoldsIsRefused)
{
    TempFolder folder;
    QFile big(folder.file("Action5.Fil"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(64 * 1024 * 1024 + 1)); // sparse: costs no disk
    big.close();
    const BackupOutcome outcome = backUpWorkbook(folder.path(), folder.file("b.zip"), backupTime());
    EXPECT_FALSE(bool(outcome));
    EXPECT_TRUE(
        outcome.error().startsWith("Unable to write b.zip: Action5.Fil is larger than a backup can hold"))
        << outcome.error().toStdString();
    EXPECT_FALSE(folder.exists("b.zip"));
}
