#include <QDir>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

#include "core/files/DataFiles.h"
#include "core/backup/WorkbookFiles.h"
#include "core/files/SafeWrite.h"
#include "support/TempFolder.h"

namespace {

QStringList entriesOf(const TempFolder &folder)
{
    QStringList entries = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    entries.sort();
    return entries;
}

// Saves the file over and over, alternating two contents, until it is killed.
[[noreturn]] void saveForever(const QString &path, const QByteArray &a, const QByteArray &b, int ready)
{
    const char started = 's';
    if (::write(ready, &started, 1) != 1)
        _exit(1);
    for (int i = 0; i < 1'000'000; ++i)
        if (!writeWholeFile(path, i % 2 ? a : b))
            _exit(2);
    _exit(0);
}

} // namespace

TEST(SaveLeftovers, OnlyTheTemporaryFilesOfKnownDataFilesAreRemoved)
{
    TempFolder folder;
    for (const char *name : {"Action0.Fil", "Action0.Fil.xGkcHK", "Stat1.Fil.AbC123", "Stat1.Fil.bak",
                             "Stat1.Fil.toolong7", "Stat1.Fil.short", "notes.txt.xGkcHK", "Action0.Fil.xGk-HK"})
        folder.write(name, "x");
    QDir(folder.path()).mkdir("Policy3.Fil.qwerty");
    EXPECT_EQ(removeSaveLeftovers(folder.path(), {"Action0.Fil", "Stat1.Fil", "Policy3.Fil"}), 2);
    EXPECT_EQ(entriesOf(folder), QStringList({"Action0.Fil", "Action0.Fil.xGk-HK", "Policy3.Fil.qwerty",
                                              "Stat1.Fil.bak", "Stat1.Fil.short", "Stat1.Fil.toolong7",
                                              "notes.txt.xGkcHK"}));
}

// The start-up clean-up covers every workbook file, the spelling words included, and the backup folder's note,
// which is no workbook file.
TEST(SaveLeftovers, TheProgramsDataFilesAreTheWorkbookAndItsSideFiles)
{
    const QStringList names = DataFiles::names();
    for (const QString &name : WorkbookFiles::names())
        EXPECT_TRUE(names.contains(name)) << name.toStdString();
    EXPECT_TRUE(names.contains("BackupFolder.txt"));
    EXPECT_FALSE(WorkbookFiles::isKnown("BackupFolder.txt"));

    TempFolder folder;
    for (const char *name : {"CustomDict1.dct", "CustomDict1.dct.Q1w2E3", "BackupFolder.txt.Z9y8X7"})
        folder.write(name, "x");
    EXPECT_EQ(removeSaveLeftovers(folder.path(), names), 2);
    EXPECT_EQ(entriesOf(folder), QStringList({"CustomDict1.dct"}));
}

// A save killed at any moment leaves the whole old or the whole new content, and what it left behind
// (a kill between naming the temporary file and renaming it) is removed by the next start.
TEST(SaveLeftovers, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewFileWhole)
{
    constexpr int Rounds = 200;
    TempFolder folder;
    const QString path = folder.file("Action0.Fil");
    const QByteArray before(1 << 20, 'o');
    const QByteArray after((1 << 20) + 5, 'n');
    // Kills are spread over about two saves, however long a save takes on this disk.
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(writeWholeFile(path, after));
    const quint32 spread = std::max<quint32>(2000, static_cast<quint32>(2 * timer.nsecsElapsed() / 1000));
    folder.write("Action0.Fil", before);
    int roundsWithLeftovers = 0;
    int roundsEndingNew = 0;
    quint32 seed = 20;
    for (int round = 0; round < Rounds; ++round) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            saveForever(path, before, after, ready[1]);
        close(ready[1]);
        char started = 0;
        EXPECT_EQ(read(ready[0], &started, 1), 1);
        close(ready[0]);
        seed = seed * 1664525u + 1013904223u;
        usleep(seed % spread);
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);

        const QByteArray now = folder.read("Action0.Fil");
        ASSERT_TRUE(now == before || now == after) << "round " << round << ": " << now.size() << " bytes";
        roundsEndingNew += now == after;
        const int leftovers = removeSaveLeftovers(folder.path(), {"Action0.Fil"});
        roundsWithLeftovers += leftovers > 0;
        ASSERT_EQ(entriesOf(folder), QStringList{"Action0.Fil"}) << "round " << round;
    }
    std::printf("kill rounds: %d, ending with the new content: %d, leaving a temporary file: %d\n", Rounds,
                roundsEndingNew, roundsWithLeftovers);
    // Kills landed at different moments of the saves: some rounds end with each content.
    EXPECT_GT(roundsEndingNew, 0);
    EXPECT_LT(roundsEndingNew, Rounds);
}
