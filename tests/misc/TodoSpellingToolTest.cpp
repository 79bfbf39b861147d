#include <gtest/gtest.h>

#include "core/spelling/SpellChecker.h"
#include "core/spelling/AutoCorrectList.h"
#include "core/todo/TodoGrid.h"
#include "ui/todo/TodoSpellingTool.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedSpelling.h"
#include "support/TempFolder.h"

namespace {

class TodoSpellingWithTheChecker : public ::testing::Test
{
protected:
    WriteResult save(const QStringList &list)
    {
        written.append(list);
        return {true, {}};
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    ScriptedSpellAsker speller;
    TodoSpellingTool tool{nullptr, &speller};
    TodoGrid grid;
    QStringList names;
    QList<QStringList> written;
};

TEST_F(TodoSpellingWithTheChecker, AnAutoCorrectCorrectsTheRowsBelowAndTheListGoesToTheNameFile)
{
    ASSERT_EQ(tool.checker().autoCorrectCount(), AutoCorrectList::Size);
    grid.setCell(1, 1, QStringLiteral("Chekc the list"));
    grid.setCell(2, 1, QStringLiteral("Check teh backups"));
    grid.setCell(3, 1, QStringLiteral("Teh plan"));
    names = QStringList{QStringLiteral("Teh plan")};
    speller.answer(SpellAnswer::AutoCorrect, QStringLiteral("Check"));
    const bool changed = tool.run(
        grid, names, [this](const QStringList &list) { return save(list); }, [] {});

    EXPECT_TRUE(changed);
    EXPECT_EQ(speller.questions.size(), 1);
    EXPECT_EQ(grid.cell(1, 1), "Check the list");
    EXPECT_EQ(grid.cell(2, 1), "Check the backups");
    EXPECT_EQ(grid.cell(3, 1), "The plan");
    EXPECT_EQ(written, (QList<QStringList>{{"Teh plan", "Check the list"}}));
    EXPECT_EQ(tool.checker().autoCorrectCorrection(AutoCorrectList::Size), "Check");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "Spelling Check has been canceled or has reached the end of your entries");
    EXPECT_EQ(dialogs.messages[0].caption, "Spelling Check");
    EXPECT_EQ(dialogs.messages[0].style, Dialogs::Information);
}

TEST_F(TodoSpellingWithTheChecker, ACorrectListEndsWithTheNothingFoundMessage)
{
    grid.setCell(1, 1, QStringLiteral("Review HIPAA policies under 164.308(a)(1)"));
    EXPECT_FALSE(tool.run(grid, names, {}, {}));
    EXPECT_TRUE(speller.questions.isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "Spelling Check did not change or did not find any misspelled words!");
}

} // namespace
