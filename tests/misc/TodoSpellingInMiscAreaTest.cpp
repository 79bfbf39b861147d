#include <QComboBox>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "ui/misc/MiscAreaWindow.h"
#include "misc/QuotedLines.h"
#include "core/todo/TodoGridModel.h"
#include "ui/todo/TodoPanel.h"
#include "ui/todo/TodoPanelHooks.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedSpelling.h"
#include "support/TempFolder.h"

namespace {

// The misc window's to-do list with two items and their names on file, checked through the Options menu.
class TodoSpellingInMiscArea : public ::testing::Test
{
  protected:
    TodoSpellingInMiscArea()
    {
        QStringList cells(TodoGrid::CellCount);
        cells[0] = QStringLiteral("Reveiw logs");
        cells[TodoGrid::Columns] = QStringLiteral("Sign BA contracts");
        folder.write(QStringLiteral("TODOActv.FIL"), quotedLines(cells));
        folder.write(QStringLiteral("TODONAME.FIL"), quotedLines({"Reveiw logs", "Sign BA contracts"}));
        w = std::make_unique<MiscAreaWindow>(nullptr, [this](MiscAreaWindow &window) {
            return std::make_unique<TodoPanelHooks>(window, &speller);
        });
        w->sectionTabs->setCurrentIndex(MiscAreaWindow::ToDoList);
    }
    TodoPanel *panel() { return static_cast<TodoPanelHooks &>(w->todoList()).panel(); }

    TempFolder folder;
    ScriptedDialogs dialogs;
    ScriptedSpellAsker speller;
    std::unique_ptr<MiscAreaWindow> w;
};

TEST_F(TodoSpellingInMiscArea, ACorrectionReachesTheGridThePickerAndTheNameFile)
{
    speller.answer(SpellAnswer::Change, QStringLiteral("Review"));
    w->spellAction->trigger();
    EXPECT_EQ(panel()->grid->cell(1, 1), "Review logs");
    EXPECT_EQ(panel()->grid->cell(2, 1), "Sign BA contracts");
    EXPECT_TRUE(panel()->gridChanged);
    EXPECT_EQ(folder.read(QStringLiteral("TODONAME.FIL")), quotedLines({"Sign BA contracts", "Review logs"}));
    ASSERT_EQ(panel()->namePicker->count(), 2);
    EXPECT_EQ(panel()->namePicker->itemText(1), "Review logs");
    EXPECT_EQ(panel()->editMode(), 2);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text,
              "Spelling Check has been canceled or has reached the end of your entries");
}

} // namespace
