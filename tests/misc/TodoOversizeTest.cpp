#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "core/workbook/ProgramState.h"
#include "core/files/FileLimits.h"
#include "backup/BackupFixtures.h"
#include "core/backup/BackupWriter.h"
#include "ui/misc/MiscAreaWindow.h"
#include "misc/QuotedLines.h"
#include "core/todo/TodoGridModel.h"
#include "ui/todo/TodoPanel.h"
#include "ui/todo/TodoPanelHooks.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedSpelling.h"
#include "support/TempFolder.h"

namespace {

const QString ListCaption = QStringLiteral("To Do List");

// The misc window opened on its "To Do List" tab over the files already in the folder, as a user meets it.
class TodoOversize : public ::testing::Test
{
protected:
    void open()
    {
        ProgramState::PendingArea = 0;
        w = std::make_unique<MiscAreaWindow>(nullptr, [this](MiscAreaWindow &window) {
            return std::make_unique<TodoPanelHooks>(window, &speller);
        });
        w->show();
        QCoreApplication::processEvents();
        w->sectionTabs->setCurrentIndex(MiscAreaWindow::ToDoList);
        QCoreApplication::processEvents();
    }
    TodoPanel *panel() { return static_cast<TodoPanelHooks &>(w->todoList()).panel(); }
    QStringList listMessages() const
    {
        QStringList texts;
        for (const auto &m : dialogs.messages)
            if (m.caption == ListCaption)
                texts.append(m.text);
        return texts;
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    ScriptedSpellAsker speller;
    std::unique_ptr<MiscAreaWindow> w;
};

QByteArray quotedLine(const QByteArray &text)
{
    return '"' + text + "\"\r\n";
}

// A list with items in row 1 and the odd rows after it, then surplus rows up to 50 MB.
QByteArray fiftyMegabyteList()
{
    QByteArray bytes = quotedLine("Check backups");
    for (int i = 1; i < 2500; ++i) {
        const int row = i / 5 + 1;
        bytes += quotedLine(i % 5 == 0 && row % 2 == 1 ? "Row " + QByteArray::number(row) : QByteArray());
    }
    const QByteArray surplus = quotedLine("Surplus row beyond the five hundred of the list");
    bytes.reserve(50 << 20);
    while (bytes.size() < (50 << 20))
        bytes += surplus;
    return bytes;
}

// A list whose second item is 10 MB long.
QByteArray tenMegabyteCell()
{
    return quotedLine("Check backups") + quotedLine({}).repeated(4) + quotedLine(QByteArray(10 << 20, 'x')) +
           quotedLine("Train staff");
}

} // namespace

TEST_F(TodoOversize, AnOversizedListLoadsBoundedIsKeptBeforeItsSaveAndThenBacksUp)
{
    const struct {
        const char *label;
        QByteArray file;
        QStringList items; // rows 1, 2 and 3 as shown
        int freeRow;       // where an added item goes
    } rows[] = {
        {"50 MB", fiftyMegabyteList(), {"Check backups", "", "Row 3"}, 2},
        {"10 MB cell", tenMegabyteCell(), {"Check backups", QString(45, 'x'), ""}, 3},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.label);
        TempFolder here;
        dialogs.messages.clear();
        here.write("TODOActv.FIL", row.file);
        open();
        for (int r = 1; r <= 3; ++r)
            EXPECT_EQ(panel()->grid->cell(r, 1), row.items[r - 1]);
        ASSERT_EQ(listMessages().size(), 1) << "told once";
        EXPECT_TRUE(listMessages()[0].startsWith("TODOActv.FIL is larger than 4 MB"));
        EXPECT_TRUE(listMessages()[0].contains("kept as TODOActv.FIL.bak"));
        EXPECT_FALSE(here.exists("TODOActv.FIL.bak"));

        panel()->entryBox->setText(QStringLiteral("Sign BA contracts"));
        panel()->listButtons[2]->click();
        w->saveAction->trigger();
        EXPECT_EQ(here.read("TODOActv.FIL.bak"), row.file);
        const QByteArray saved = here.read("TODOActv.FIL");
        EXPECT_EQ(saved.count("\r\n"), 2500);
        EXPECT_LE(saved.size(), FileLimits::TodoList.bytes);
        EXPECT_TRUE(saved.startsWith(quotedLine("Check backups")));
        EXPECT_EQ(saved.split('\n').value((row.freeRow - 1) * 5), quotedLine("Sign BA contracts").chopped(1));
        EXPECT_EQ(listMessages().size(), 1);

        const BackupOutcome backup =
            backUpWorkbook(here.path(), here.file("backup.zip"), BackupFixtures::backupTime());
        EXPECT_TRUE(bool(backup)) << backup.error().toStdString();
        w.reset();
    }
}

TEST_F(TodoOversize, LongNamesAreCutAndNeverWidenTheWindow)
{
    open();
    const int width = w->width();
    const int widest = w->minimumSizeHint().width();
    w.reset();
    for (const int length : {300, 2000}) {
        SCOPED_TRACE(length);
        folder.write("TODONAME.FIL", quotedLines({"Short", QString(length, 'W'), "Last"}));
        open();
        EXPECT_EQ(w->width(), width);
        EXPECT_EQ(w->minimumSizeHint().width(), widest);
        EXPECT_LE(panel()->namePicker->sizeHint().width(), panel()->width() / 2);
        const QRect tab = w->sectionTabs->tabBar()->tabRect(MiscAreaWindow::ToDoList);
        EXPECT_LE(w->sectionTabs->tabBar()->mapTo(w.get(), tab.bottomRight()).x(), w->width());
        ASSERT_EQ(panel()->namePicker->count(), 3);
        EXPECT_EQ(panel()->namePicker->itemText(1), QString(45, 'W'));
        ASSERT_EQ(listMessages().size(), 1);
        EXPECT_TRUE(listMessages()[0].contains("TODONAME.FIL holds names longer than 45 characters (1 of them)"))
            << listMessages()[0].toStdString();
        dialogs.messages.clear();
        w.reset();
    }
}

TEST_F(TodoOversize, ASpellingCorrectionKeepsTheNameListReadInPartFirst)
{
    QStringList names{"Reveiw logs"};
    for (int i = 2; i <= 1001; ++i)
        names.append(QStringLiteral("Name%1").arg(i));
    const QByteArray original = quotedLines(names);
    folder.write("TODONAME.FIL", original);
    QStringList cells(2500);
    cells[0] = QStringLiteral("Reveiw logs");
    folder.write("TODOActv.FIL", quotedLines(cells));
    open();
    ASSERT_EQ(listMessages().size(), 1);
    EXPECT_TRUE(listMessages()[0].contains("TODONAME.FIL holds more than 1000 names"));
    EXPECT_TRUE(listMessages()[0].contains("kept as TODONAME.FIL.bak"));

    speller.answer(SpellAnswer::Change, QStringLiteral("Review"));
    w->spellAction->trigger();
    EXPECT_EQ(panel()->grid->cell(1, 1), "Review logs");
    EXPECT_EQ(folder.read("TODONAME.FIL.bak"), original) << "Name1001 is kept";
    QStringList written = names.mid(1, 999);
    written.append(QStringLiteral("Review logs"));
    EXPECT_EQ(folder.read("TODONAME.FIL"), quotedLines(written));
    EXPECT_EQ(panel()->namePicker->count(), 1000);
    EXPECT_EQ(panel()->namePicker->itemText(999), "Review logs");
}
