#include <QAction>
#include <QDir>
#include <QMenu>
#include <gtest/gtest.h>

#include "core/workbook/ProgramState.h"
#include "ui/start/StartScreen.h"
#include "backup/BackupFixtures.h"
#include "core/backup/WorkbookRestore.h"
#include "support/ScriptedDialogs.h"
#include "support/SteppedClock.h"
#include "support/TempFolder.h"

using namespace BackupFixtures;

namespace {

class BackupMenu : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ProgramState::reset();
        ProgramState::WorkbookFolder = workbook.path();
        writeFiles(workbook, sampleWorkbook());
    }

    void choose(const char *item) { start.findChild<QAction *>(QString::fromLatin1(item))->trigger(); }

    // Backs up the sample workbook to `zip` in the folder `away`.
    void backUp()
    {
        dialogs.answerFileName(zipPath);
        choose("mOBackUp");
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].style, Dialogs::Information) << dialogs.messages[0].text.toStdString();
        dialogs.messages.clear();
    }

    QStringList workbookFolder() const
    {
        return QDir(workbook.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    TempFolder away;
    TempFolder workbook; // current while the test runs
    const QString zipPath = away.file("wb.zip");
    ScriptedDialogs dialogs;
    SteppedClock clock;
    StartScreen start;
};

} // namespace

TEST_F(BackupMenu, SitsBeforeExitAfterTheWorkbookFolderItemAndKeepsTheOptionsAccessKeysDistinct)
{
    QStringList names;
    QList<QChar> keys;
    for (QAction *item : start.optionsMenu->actions()) {
        names.append(item->objectName());
        const qsizetype amp = item->text().indexOf('&');
        if (amp >= 0) {
            EXPECT_FALSE(keys.contains(item->text()[amp + 1].toLower())) << item->text().toStdString();
            keys.append(item->text()[amp + 1].toLower());
        }
    }
    EXPECT_EQ(names, (QStringList{"mOTab(0)", "mOTab(1)", "mOTab(2)", "mORiskRegister", "mO6", "mO1", "mOWorkbook", "mOBackUp", "mORestore",
                                  "mOBackUpSep", "mOE", "mOSearchSep", "mOSearchEverything"}));
}

TEST_F(BackupMenu, BackUpThenRestoreBringsBackTheWorkbookAndKeepsWhatItReplaced)
{
    backUp();
    ASSERT_EQ(dialogs.fileDialogs.size(), 1);
    EXPECT_TRUE(dialogs.fileDialogs[0].save);
    EXPECT_TRUE(dialogs.fileDialogs[0].path.endsWith("/Tessarel workbook 2026-12-08.zip"));
    workbook.write("Stat1.Fil", "changed since");
    workbook.write("Policy9.Fil", "written since");

    dialogs.answerFileName(zipPath);
    dialogs.answer(Dialogs::Yes);
    clock.time = QDateTime(QDate(2026, 12, 9), QTime(8, 5, 1));
    choose("mORestore");
    EXPECT_EQ(dialogs.fileDialogs[1].path, away.path()); // the folder last used
    ASSERT_EQ(dialogs.messages.size(), 2);
    const ScriptedDialogs::Message confirm = dialogs.messages[0];
    EXPECT_EQ(confirm.style, Dialogs::YesNo | Dialogs::Question | Dialogs::DefaultButton2);
    for (const char *line : {"\"wb.zip\"", "Backed up: 2026-12-08 10:00\n", "Entries: 3 of 141\n",
                             "Statuses set: 2 of 47\n", "To-do list: included\n"})
        EXPECT_TRUE(confirm.text.contains(line)) << line;
    EXPECT_TRUE(dialogs.messages[1].text.contains("\"Replaced 2026-12-09 080501\""))
        << dialogs.messages[1].text.toStdString();

    for (const auto &[name, bytes] : sampleWorkbook())
        EXPECT_EQ(workbook.read(name), bytes) << name.toStdString();
    EXPECT_FALSE(workbook.exists("Policy9.Fil"));
    EXPECT_EQ(workbook.read("Replaced 2026-12-09 080501/Stat1.Fil"), "changed since");
    EXPECT_EQ(workbook.read("Replaced 2026-12-09 080501/Policy9.Fil"), "written since");
}

TEST_F(BackupMenu, ADamagedBackupOrAnAnswerOfNoChangesNothing)
{
    backUp();
    workbook.write("Stat1.Fil", "changed since");
    const QStringList before = workbookFolder();

    dialogs.answerFileName(zipPath);
    dialogs.answer(Dialogs::No);
    choose("mORestore");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].caption, "Restore Workbook");

    // One byte inside the first file's compressed data.
    QByteArray archive = away.read("wb.zip");
    const int dataStart =
        30 + uchar(archive[26]) + 256 * uchar(archive[27]) + uchar(archive[28]) + 256 * uchar(archive[29]);
    archive[dataStart + 3] = char(archive[dataStart + 3] ^ 1);
    away.write("wb.zip", archive);
    dialogs.answerFileName(zipPath);
    choose("mORestore");
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].style, Dialogs::Critical);
    EXPECT_TRUE(
        dialogs.messages[1].text.startsWith("\"wb.zip\" cannot be restored: Stat1.Fil in it is damaged"))
        << dialogs.messages[1].text.toStdString();

    EXPECT_EQ(workbookFolder(), before);
    EXPECT_EQ(workbook.read("Stat1.Fil"), "changed since");
}

namespace {

struct Refusal
{
    const char *label;
    QByteArray archive; // empty: the backup made by the test
    int answer;         // to the confirmation, when one is asked
    const char *message; // the last message's start; empty when the confirmation is the last
};

} // namespace

// A restore that is refused or declined changes nothing, not even the note of the folder last used.
TEST_F(BackupMenu, ARefusedRestoreLeavesTheWorkbookAndTheBackupFolderNoteAlone)
{
    backUp();
    workbook.write("Stat1.Fil", "changed since");
    const QByteArray note = workbook.read("BackupFolder.txt");
    ASSERT_EQ(note, away.path().toUtf8() + '\n');
    const QList<Refusal> cases{
        {"no workbook file", zip({{"manifest.json", manifestFor({})}}), Dialogs::Yes,
         "\"other.zip\" cannot be restored: it holds no workbook file.\n\nNothing was changed."},
        {"not a backup", "PK but no archive", Dialogs::Yes,
         "\"other.zip\" cannot be restored: it is not a readable"},
        {"answered No", {}, Dialogs::No, ""},
    };
    TempFolder elsewhere;
    const Files files = workbookIn(workbook.path());
    const QStringList entries = workbookFolder();
    for (const Refusal &c : cases) {
        SCOPED_TRACE(c.label);
        dialogs.messages.clear();
        const QString path = elsewhere.file("other.zip");
        elsewhere.write("other.zip", c.archive.isEmpty() ? away.read("wb.zip") : c.archive);
        dialogs.answerFileName(path);
        dialogs.answer(c.answer);
        choose("mORestore");
        ASSERT_FALSE(dialogs.messages.isEmpty());
        const ScriptedDialogs::Message last = dialogs.messages.last();
        if (*c.message) {
            EXPECT_TRUE(last.text.startsWith(c.message)) << last.text.toStdString();
        } else {
            EXPECT_EQ(last.style, Dialogs::YesNo | Dialogs::Question | Dialogs::DefaultButton2);
        }
        EXPECT_EQ(workbook.read("BackupFolder.txt"), note);
        EXPECT_EQ(workbookIn(workbook.path()), files);
        EXPECT_EQ(workbookFolder(), entries);
    }
}

namespace {

struct CutShort
{
    RestoreStep at;
    bool finished; // whether the next start finishes the restore, or undoes it
    const char *message;
};

// Thrown by the test hook: the restore stops where it is, as if the program were killed there.
struct Stopped
{
};

} // namespace

// A restore cut short is finished or undone when the program starts next, which says so.
TEST_F(BackupMenu, ARestoreCutShortIsFinishedOrUndoneByTheNextStart)
{
    backUp();
    const Entries changed{{"Stat1.Fil", "changed since"}, {"Policy9.Fil", "written since"}};
    writeFiles(workbook, changed);
    const Files before = workbookIn(workbook.path());
    const QList<CutShort> cases{
        {RestoreStep::FileStaged, false,
         "A restore from \"wb.zip\" was cut short before it changed the workbook. It was undone: the "
         "workbook "
         "is as it was before the restore."},
        {RestoreStep::MovedIn, true,
         "A restore from \"wb.zip\" was cut short. It has now been finished: the workbook is the one in the "
         "backup.\n\nThe files it replaced are kept in the folder \"Replaced 2026-12-08 101558\" beside the "
         "data files."},
    };
    for (const CutShort &c : cases) {
        SCOPED_TRACE(c.finished);
        BackupReader backup(zipPath);
        ASSERT_TRUE(backup.verify());
        EXPECT_THROW(restoreWorkbook(backup, workbook.path(), backupTime(),
                                     [&](RestoreStep step) {
                                         if (step == c.at)
                                             throw Stopped();
                                     }),
                     Stopped);
        EXPECT_EQ(workbookIn(workbook.path()) == before, !c.finished); // mixed once files were moved in

        dialogs.messages.clear();
        StartScreen restarted;
        restarted.showSplash = {};
        restarted.load();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].text, c.message);
        EXPECT_EQ(dialogs.messages[0].style, Dialogs::Information);
        EXPECT_EQ(dialogs.messages[0].caption, "Restore Workbook");
        EXPECT_EQ(workbookIn(workbook.path()), c.finished ? filesOf(sampleWorkbook()) : before);
        if (c.finished) {
            EXPECT_EQ(workbookIn(workbook.file("Replaced 2026-12-08 101558")), before);
        }
        EXPECT_FALSE(workbook.exists("RestoreJournal.json"));
        EXPECT_FALSE(workbook.exists("Restoring 2026-12-08 101558"));
    }
}
