#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "backup/BackupFixtures.h"
#include "backup/BackupWriter.h"
#include "backup/WorkbookRestore.h"
#include "support/TempFolder.h"

using namespace BackupFixtures;

namespace {

// A checked backup of `files`, kept in a folder of its own.
class Backup
{
  public:
    explicit Backup(const Entries &files)
    {
        writeFiles(m_source, files);
        const BackupOutcome outcome = backUpWorkbook(m_source.path(), m_source.file("b.zip"), backupTime());
        EXPECT_TRUE(outcome.ok) << outcome.error.toStdString();
        EXPECT_TRUE(reader.verify()) << reader.error().toStdString();
    }

  private:
    TempFolder m_source;

  public:
    BackupReader reader{m_source.file("b.zip")};
};

const QString replaced = QStringLiteral("Replaced 2026-12-08 101558");

} // namespace

TEST(WorkbookRestore, KeepsTheReplacedFilesInADatedFolderAndRemovesWhatTheBackupLacks)
{
    Backup backup({{"Stat1.Fil", "backed up"}, {"Action0.Fil", "backed up entry"}});
    TempFolder folder;
    writeFiles(
        folder,
        {{"Stat1.Fil", "current"}, {"Policy9.Fil", "written after the backup"}, {"notes.txt", "mine"}});

    const RestoreOutcome first = restoreWorkbook(backup.reader, folder.path(), backupTime());
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    EXPECT_EQ(first.replacedFolder, replaced);
    EXPECT_EQ(folder.read(replaced + "/Stat1.Fil"), "current");
    EXPECT_EQ(folder.read(replaced + "/Policy9.Fil"), "written after the backup");
    EXPECT_FALSE(folder.exists(replaced + "/notes.txt"));
    EXPECT_EQ(folder.read("Stat1.Fil"), "backed up");
    EXPECT_EQ(folder.read("Action0.Fil"), "backed up entry");
    EXPECT_FALSE(folder.exists("Policy9.Fil"));
    EXPECT_EQ(folder.read("notes.txt"), "mine");

    // A second restore in the same second keeps its own copies.
    const RestoreOutcome second = restoreWorkbook(backup.reader, folder.path(), backupTime());
    ASSERT_TRUE(second.ok);
    EXPECT_EQ(second.replacedFolder, replaced + " (2)");
    EXPECT_EQ(folder.read(replaced + " (2)/Action0.Fil"), "backed up entry");
    EXPECT_EQ(folder.read(replaced + "/Stat1.Fil"), "current");
}

TEST(WorkbookRestore, AFileThatCannotBeWrittenPutsTheWorkbookBack)
{
    Backup backup(
        {{"Stat1.Fil", "backed up"}, {"Action0.Fil", "new entry"}, {"Comment3.Fil", "cannot land"}});
    TempFolder folder;
    writeFiles(folder, {{"Stat1.Fil", "current"}, {"Policy9.Fil", "current entry"}});
    ASSERT_TRUE(QDir(folder.path()).mkdir("Comment3.Fil")); // fails for root too

    const RestoreOutcome outcome = restoreWorkbook(backup.reader, folder.path(), backupTime());
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.error.contains("Comment3.Fil")) << outcome.error.toStdString();
    EXPECT_TRUE(outcome.error.endsWith("The workbook was put back as it was."))
        << outcome.error.toStdString();
    EXPECT_EQ(folder.read("Stat1.Fil"), "current");
    EXPECT_EQ(folder.read("Policy9.Fil"), "current entry");
    EXPECT_FALSE(folder.exists("Action0.Fil"));
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
        EXPECT_FALSE(outcome.ok);
        EXPECT_TRUE(outcome.error.contains(c.reason)) << outcome.error.toStdString();
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
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(
        outcome.error.startsWith("Unable to write b.zip: Action5.Fil is larger than a backup can hold"))
        << outcome.error.toStdString();
    EXPECT_FALSE(folder.exists("b.zip"));
}
