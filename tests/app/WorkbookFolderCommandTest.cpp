#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QSettings>
#include <gtest/gtest.h>

#include "core/workbook/ProgramState.h"
#include "ui/start/StartScreen.h"
#include "core/workbook/WorkbookLocation.h"
#include "core/files/WorkbookLock.h"
#include "backup/BackupFixtures.h"
#include "core/backup/BackupWriter.h"
#include "support/ScriptedDialogs.h"
#include "support/SteppedClock.h"
#include "support/TempFolder.h"

using namespace BackupFixtures;

namespace {

// The start screen with the sample workbook open; the user chooses another folder from its Options menu.
class ChooseWorkbookFolder : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ProgramState::reset();
        ProgramState::WorkbookFolder = workbook.path();
        writeFiles(workbook, sampleWorkbook());
        start.showSplash = [] {};
        start.load();
        QDir(other.path()).mkpath("wb");
    }
    void TearDown() override
    {
        QSettings().remove(QLatin1String(WorkbookLocation::ChosenLastKey));
        ProgramState::WorkbookFolder.clear();
    }

    void choose(const QString &folder)
    {
        dialogs.answerFileName(folder);
        start.findChild<QAction *>("mOWorkbook")->trigger();
    }
    QString shownFolder() const { return start.workbookFolderLabel->text(); }
    QStringList filesIn(const QString &folder) const { return QDir(folder).entryList(QDir::Files); }

    TempFolder other;
    TempFolder workbook; // current while the test runs
    ScriptedDialogs dialogs;
    SteppedClock clock;
    StartScreen start;
};

} // namespace

TEST_F(ChooseWorkbookFolder, TheStartScreenNamesTheOpenFolder)
{
    EXPECT_EQ(shownFolder(), "Workbook folder: " + QDir::toNativeSeparators(workbook.path()));
    EXPECT_EQ(start.findChild<QAction *>("mOWorkbook")->text(), "Choose &Workbook Folder…");
}

// A folder with a workbook opens at once; one without is offered an empty workbook (Yes) or kept out
// (Cancel). Whatever opens is kept for the next start; the old workbook is never touched.
TEST_F(ChooseWorkbookFolder, OpensTheChosenFolderOrOffersAnEmptyWorkbook)
{
    const struct
    {
        const char *name;
        QByteArray existing; // a status file already in the chosen folder, or nothing
        int answer;
        bool opens;
        QStringList files;
        int messages;
    } cases[] = {
        {"holds a workbook", "x", 0, true, {"Stat1.Fil", "Tessarel.lock"}, 0},
        {"empty, Yes", {}, Dialogs::Yes, true, {"Stat1.Fil", "Tessarel.lock"}, 1},
        {"empty, Cancel", {}, Dialogs::Cancel, false, {}, 1},
    };
    for (const auto &c : cases) {
        TempFolder chosen;
        QDir::setCurrent(workbook.path());
        ProgramState::WorkbookFolder = workbook.path();
        if (!c.existing.isNull())
            chosen.write("Stat1.Fil", c.existing);
        dialogs.messages.clear();
        if (c.answer)
            dialogs.answer(c.answer);
        choose(chosen.path());
        ASSERT_EQ(dialogs.messages.size(), c.messages) << c.name;
        if (c.messages) {
            EXPECT_EQ(dialogs.messages[0].style, Dialogs::YesNoCancel | Dialogs::Question) << c.name;
        }
        const QString open = c.opens ? chosen.path() : workbook.path();
        EXPECT_EQ(QDir::currentPath(), open) << c.name;
        EXPECT_EQ(ProgramState::WorkbookFolder, open) << c.name;
        if (c.opens) {
            EXPECT_EQ(shownFolder(), "Workbook folder: " + QDir::toNativeSeparators(open)) << c.name;
        }
        EXPECT_EQ(QSettings().value(QLatin1String(WorkbookLocation::ChosenLastKey)).toString(),
                  c.opens ? chosen.path() : QString())
            << c.name;
        EXPECT_EQ(filesIn(chosen.path()), c.files) << c.name;
        if (c.opens) {
            EXPECT_EQ(chosen.read("Stat1.Fil"), c.existing.isNull() ? QByteArray() : c.existing) << c.name;
        }
        QSettings().remove(QLatin1String(WorkbookLocation::ChosenLastKey));
    }
    for (const auto &[name, bytes] : sampleWorkbook())
        EXPECT_EQ(workbook.read(name), bytes) << name.toStdString();
}

// No restores a backup into the empty folder, which then opens with the backup's files byte for byte.
TEST_F(ChooseWorkbookFolder, NoRestoresABackupIntoTheChosenFolder)
{
    const QString zipPath = other.file("wb.zip");
    ASSERT_TRUE(backUpWorkbook(workbook.path(), zipPath, backupTime()));
    const QString target = other.file("wb");
    dialogs.answer(Dialogs::No);     // holds no workbook: restore a backup
    dialogs.answerFileName(target);  // the folder
    dialogs.answerFileName(zipPath); // the backup
    dialogs.answer(Dialogs::Yes);    // restore it
    start.findChild<QAction *>("mOWorkbook")->trigger();
    EXPECT_EQ(QDir::currentPath(), target);
    EXPECT_EQ(shownFolder(), "Workbook folder: " + QDir::toNativeSeparators(target));
    EXPECT_EQ(QSettings().value(QLatin1String(WorkbookLocation::ChosenLastKey)).toString(), target);
    for (const auto &[name, bytes] : sampleWorkbook())
        EXPECT_EQ(other.read("wb/" + name), bytes) << name.toStdString();
}

// A folder another copy holds is not opened: the user is told who holds it, and the workbook, its lock and
// the remembered folder stay as they were. Once the other copy lets it go, the folder opens with its lock.
TEST_F(ChooseWorkbookFolder, AFolderAnotherCopyHoldsIsRefusedUntilItIsFree)
{
    TempFolder chosen;
    QDir::setCurrent(workbook.path());
    chosen.write("Stat1.Fil", "x");
    auto other = std::make_unique<WorkbookLock>(chosen.path());
    ASSERT_EQ(other->take(), WorkbookLock::Outcome::Taken);

    choose(chosen.path());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Workbook in Use"));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("in use by another copy")))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(QDir::currentPath(), workbook.path());
    EXPECT_EQ(shownFolder(), "Workbook folder: " + QDir::toNativeSeparators(workbook.path()));
    EXPECT_TRUE(QSettings().value(QLatin1String(WorkbookLocation::ChosenLastKey)).toString().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(workbook.path() + "/Tessarel.lock"));

    other.reset();
    dialogs.messages.clear();
    choose(chosen.path());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(QDir::currentPath(), chosen.path());
    EXPECT_EQ(filesIn(chosen.path()), QStringList({"Stat1.Fil", "Tessarel.lock"}));
    EXPECT_FALSE(QFileInfo::exists(workbook.path() + "/Tessarel.lock")) << "the old folder's lock is let go";
}
