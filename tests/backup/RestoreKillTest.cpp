#include <QDir>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

#include "backup/BackupFixtures.h"
#include "core/backup/RestoreRecovery.h"
#include "core/backup/WorkbookRestore.h"

using namespace BackupFixtures;

namespace {

// Before the restore and in the backup: two files in both, each with different bytes, and files in one only.
const Entries oldWorkbook{
    {"Stat1.Fil", "old statuses"}, {"Action0.Fil", "old action"}, {"Policy9.Fil", "old only"}};
const Entries newWorkbook{{"Stat1.Fil", "new statuses"},
                          {"Action0.Fil", "new action"},
                          {"Comment3.Fil", "new only"},
                          {"TODOActv.FIL", "\"new list\"\r\n"}};

const QString replaced = QStringLiteral("Replaced 2026-12-08 101558");

QStringList entriesOf(const QString &folder)
{
    QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    entries.sort();
    return entries;
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

// In a child process: restores, writing to `started` once the backup is checked, and ends itself with
// SIGKILL at the `killAt`-th step (never when 0).
[[noreturn]] void restoreAndExit(const QString &zip, const QString &folder, int killAt, int started = -1)
{
    BackupReader backup(zip);
    if (!backup.verify())
        _exit(2);
    if (started >= 0 && ::write(started, "s", 1) != 1)
        _exit(3);
    int steps = 0;
    const RestoreOutcome outcome = restoreWorkbook(backup, folder, backupTime(), [&](RestoreStep) {
        if (++steps == killAt)
            raise(SIGKILL);
    });
    _exit(bool(outcome) ? 0 : 1);
}

// The wait status of a child process that ran restoreAndExit().
int restoreInChild(const QString &zip, const QString &folder, int killAt)
{
    const pid_t child = fork();
    if (child == 0)
        restoreAndExit(zip, folder, killAt);
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

bool killed(int status)
{
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// After a restart: the workbook is whole old or whole new, byte for byte, the message says which, and
// nothing of the restore is left but the replaced files of a finished one.
RestoreRecovery expectWholeAfterRestart(const TempFolder &folder, QStringList otherEntries = {})
{
    const std::optional<RestoreRecovery> recovery = RestoreRecovery::run(folder.path());
    EXPECT_TRUE(recovery.has_value());
    if (!recovery)
        return {RestoreRecovery::Kind::Failed, {}};
    const Files now = workbookIn(folder.path());
    if (recovery->kind == RestoreRecovery::Kind::Finished) {
        EXPECT_EQ(now, filesOf(newWorkbook));
        EXPECT_EQ(workbookIn(folder.file(replaced)), filesOf(oldWorkbook));
        EXPECT_TRUE(recovery->message.startsWith("A restore from \"b.zip\" was cut short. It has now been "
                                                 "finished: the workbook is the one in the backup."))
            << recovery->message.toStdString();
        EXPECT_TRUE(recovery->message.contains("kept in the folder \"" + replaced + "\""));
        otherEntries.append(replaced);
    } else {
        EXPECT_EQ(recovery->kind, RestoreRecovery::Kind::Undone) << recovery->message.toStdString();
        EXPECT_EQ(now, filesOf(oldWorkbook));
        EXPECT_TRUE(
            recovery->message.endsWith("It was undone: the workbook is as it was before the restore."))
            << recovery->message.toStdString();
    }
    EXPECT_EQ(entriesOf(folder.path()), sorted(now.keys() + otherEntries));
    EXPECT_FALSE(RestoreRecovery::run(folder.path())) << "the journal was left behind";
    return *recovery;
}

struct KillCase
{
    const char *label;
    QString blocked;             // a folder in this file's place makes moving the file in fail
    const char *messageWhenLate; // part of the message when killed once the journal said Committing
};

} // namespace

// Killed at every step in turn, the restore is finished or undone by the next start: finished once every
// file was staged and checked, undone before, and undone as well when it cannot be finished.
TEST(RestoreKill, KilledAtEveryStepTheNextStartLeavesTheWholeOldOrTheWholeNewWorkbook)
{
    const CheckedBackup backup(newWorkbook);
    const QList<KillCase> cases{
        {"restore that succeeds", {}, "It has now been finished"},
        {"restore that fails and puts back", "TODOActv.FIL",
         "could not be finished (Unable to restore TODOActv.FIL"},
    };
    for (const KillCase &c : cases) {
        SCOPED_TRACE(c.label);
        // The steps of a whole run, seen by the hook.
        QList<RestoreStep> steps;
        {
            TempFolder folder;
            writeFiles(folder, oldWorkbook);
            if (!c.blocked.isEmpty()) {
                ASSERT_TRUE(QDir(folder.path()).mkdir(c.blocked));
            }
            BackupReader reader(backup.path());
            ASSERT_TRUE(reader.verify());
            const RestoreOutcome outcome =
                restoreWorkbook(reader, folder.path(), backupTime(), [&](RestoreStep s) { steps.append(s); });
            EXPECT_EQ(bool(outcome), c.blocked.isEmpty()) << outcome.error().toStdString();
        }
        ASSERT_TRUE(steps.contains(RestoreStep::MovedIn));
        EXPECT_EQ(steps.contains(RestoreStep::PutBack), !c.blocked.isEmpty());
        for (int killAt = 1; killAt <= steps.size(); ++killAt) {
            SCOPED_TRACE(killAt);
            TempFolder folder;
            writeFiles(folder, oldWorkbook);
            QStringList others;
            if (!c.blocked.isEmpty()) {
                ASSERT_TRUE(QDir(folder.path()).mkdir(c.blocked));
                others.append(c.blocked);
            }
            ASSERT_TRUE(killed(restoreInChild(backup.path(), folder.path(), killAt)));
            const bool late = steps[killAt - 1] >= RestoreStep::Committing;
            const RestoreRecovery recovery = expectWholeAfterRestart(folder, others);
            EXPECT_EQ(recovery.kind, late && c.blocked.isEmpty() ? RestoreRecovery::Kind::Finished
                                                                 : RestoreRecovery::Kind::Undone);
            EXPECT_EQ(recovery.message.contains(c.messageWhenLate), late) << recovery.message.toStdString();
        }
    }
}

namespace {

// Forty entries of 24 KB before, forty of other entries and bytes in the backup: a restore long enough
// for kills to land in each of its steps.
Entries largeWorkbook(const QString &kind, char fill)
{
    Entries files{{"Stat1.Fil", QByteArray(47 * 20, fill)}};
    for (int n = 0; n < 40; ++n)
        files.append(
            {kind + QString::number(n) + ".Fil", QByteArray(24 * 1024, fill) + QByteArray::number(n)});
    return files;
}

} // namespace

// Killed by another process at random moments, the restore leaves after the next start the whole old or
// the whole new workbook, and the start says which.
TEST(RestoreKill, KilledAtRandomMomentsByAnotherProcess)
{
    constexpr int Rounds = 30;
    const Entries before = largeWorkbook("Action", 'o') + Entries{{"Policy9.Fil", "old only"}};
    const Entries after = largeWorkbook("Comment", 'n');
    const CheckedBackup backup(after);

    // How long a whole restore takes here; kills land within a little more than that.
    qint64 wholeRun = 0;
    {
        TempFolder folder;
        writeFiles(folder, before);
        QElapsedTimer timer;
        timer.start();
        ASSERT_EQ(restoreInChild(backup.path(), folder.path(), 0), 0);
        wholeRun = std::max<qint64>(timer.nsecsElapsed() / 1000, 1000);
    }
    int endingNew = 0;
    int finishedAtStart = 0;
    int undoneAtStart = 0;
    quint32 seed = 23;
    for (int round = 0; round < Rounds; ++round) {
        SCOPED_TRACE(round);
        TempFolder folder;
        writeFiles(folder, before);
        int started[2];
        ASSERT_EQ(pipe(started), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            restoreAndExit(backup.path(), folder.path(), 0, started[1]);
        close(started[1]);
        char ready = 0;
        EXPECT_EQ(read(started[0], &ready, 1), 1);
        close(started[0]);
        seed = seed * 1664525u + 1013904223u;
        usleep(useconds_t(seed % quint32(wholeRun + wholeRun / 4)));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);

        const std::optional<RestoreRecovery> recovery = RestoreRecovery::run(folder.path());
        const Files now = workbookIn(folder.path());
        ASSERT_TRUE(now == filesOf(before) || now == filesOf(after)) << now.size() << " files";
        endingNew += now == filesOf(after);
        if (recovery) {
            const bool finished = recovery->kind == RestoreRecovery::Kind::Finished;
            EXPECT_EQ(finished, now == filesOf(after)) << recovery->message.toStdString();
            finishedAtStart += finished;
            undoneAtStart += !finished;
        }
    }
    std::printf("restore kill rounds: %d (a whole restore takes %lld us), ending with the backup's workbook: "
                "%d, finished at the next start: %d, undone at the next start: %d\n",
                Rounds, static_cast<long long>(wholeRun), endingNew, finishedAtStart, undoneAtStart);
    EXPECT_GT(endingNew, 0);
    EXPECT_LT(endingNew, Rounds);
}
