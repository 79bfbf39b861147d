#include <QHash>
#include <gtest/gtest.h>

#include "core/spelling/AutoCorrectList.h"
#include "core/spelling/ItemChecker.h"
#include "core/todo/TodoGrid.h"
#include "core/todo/TodoSpellCheck.h"

namespace {

// Answers each item's check from a table of texts; unlisted texts have no misspelled word.
class ScriptedItemChecker : public ItemChecker
{
public:
    ItemCheck check(const QString &text) override
    {
        checked.append(text);
        ItemCheck out = results.value(text, ItemCheck{text});
        if (onCheck)
            onCheck(*this, out);
        return out;
    }
    void addAutoCorrect(const QString &m, const QString &c) override { list.append({m, c}); }
    QString autoCorrectMisspelling(int i) const override { return i < list.size() ? list[i].first : QString(); }
    QString autoCorrectCorrection(int i) const override { return i < list.size() ? list[i].second : QString(); }
    int autoCorrectCount() const override { return int(list.size()); }

    QHash<QString, ItemCheck> results;
    QStringList checked;
    QList<std::pair<QString, QString>> list;
    std::function<void(ScriptedItemChecker &, ItemCheck &)> onCheck;
};

class TodoSpelling : public ::testing::Test
{
protected:
    TodoSpelling() { TodoSpellCheck::loadAutoCorrectList(checker); }
    void items(const QStringList &texts)
    {
        for (int r = 0; r < texts.size(); ++r)
            grid.setCell(r + 1, 1, texts[r]);
    }
    QStringList firstItems(int n) const
    {
        QStringList out;
        for (int r = 1; r <= n; ++r)
            out.append(grid.cell(r, 1));
        return out;
    }

    ScriptedItemChecker checker;
    TodoSpellCheck spell{checker};
    TodoGrid grid;
    QStringList names;
    QList<QStringList> written;
};

TEST_F(TodoSpelling, TheBuiltInListHoldsItsPairsInSlotOrder)
{
    ASSERT_EQ(checker.list.size(), AutoCorrectList::Size);
    const QList<std::tuple<int, const char *, const char *>> expected{
        {1, "abbout", "about"},          {17, "alot", "a lot"},          {101, "i", "I"},
        {157, "reccomend", "recommend"}, {159, "reccomend", "recommend"}, {201, "their are", "there are"},
        {203, "themself", "themselves"}, {243, "yuor", "your"}};
    for (const auto &[slot, misspelling, correction] : expected) {
        EXPECT_EQ(checker.list[slot - 1].first, QLatin1String(misspelling)) << slot;
        EXPECT_EQ(checker.list[slot - 1].second, QLatin1String(correction)) << slot;
    }
    for (const AutoCorrectPair &pair : AutoCorrectList::pairs()) {
        EXPECT_EQ(QString::fromLatin1(pair.misspelling), QString::fromLatin1(pair.misspelling).toLower());
        EXPECT_FALSE(QString::fromLatin1(pair.correction).isEmpty());
    }
}

TEST_F(TodoSpelling, AListWithoutMisspellingsSaysSoAndChecksEveryCell)
{
    items({"Review the backups", "Train the staff"});
    EXPECT_EQ(spell.run(grid, names), "Spelling Check did not change or did not find any misspelled words!");
    EXPECT_EQ(checker.checked.size(), TodoGrid::Rows);
    EXPECT_FALSE(spell.gridChanged);
}

TEST_F(TodoSpelling, CancelOnRowThreeStopsTheCheck)
{
    items({"one", "two", "thre", "four"});
    checker.results.insert(QStringLiteral("thre"), {QStringLiteral("thre"), 1, 0, false, -1});
    EXPECT_EQ(spell.run(grid, names), "Spelling Check has been canceled or has reached the end of your entries");
    EXPECT_EQ(checker.checked, (QStringList{"one", "two", "thre"}));
}

TEST_F(TodoSpelling, ACorrectionUpdatesTheCellAndTheNameList)
{
    const QString longWrong = QStringLiteral("Reveiw the contingency plan with the whole security team");
    items({"Backup plan", "Reveiw logs", longWrong});
    names = QStringList{"Backup plan", "Reveiw logs  ", "Review logs", longWrong};
    checker.results.insert(QStringLiteral("Reveiw logs"), {QStringLiteral("Review logs"), 1, 1, false, 0});
    checker.results.insert(longWrong, {QString(longWrong).replace("Reveiw", "Review"), 1, 1, false, 0});
    spell.saveNames = [this](const QStringList &list) {
        written.append(list);
        return WriteResult{true, {}};
    };
    int cleared = 0;
    spell.clearEntryBox = [&cleared] { ++cleared; };

    spell.run(grid, names);
    EXPECT_EQ(grid.cell(2, 1), "Review logs");
    EXPECT_EQ(grid.cell(3, 1), QStringLiteral("Review the contingency plan with the whole se")); // 45
    // "Review logs" was listed already: only the long item's correction rewrites the file.
    ASSERT_EQ(written.size(), 1);
    EXPECT_EQ(written[0], (QStringList{"Backup plan", "Review logs", "Review the contingency plan with the whole se"}));
    EXPECT_EQ(names, written[0]);
    EXPECT_EQ(cleared, 1);
    EXPECT_TRUE(spell.gridChanged);
    EXPECT_EQ(spell.CheckActivity, 4);
}

TEST_F(TodoSpelling, AFailedNameListWriteIsKeptForTheWindowToReport)
{
    items({"Reveiw logs"});
    checker.results.insert(QStringLiteral("Reveiw logs"), {QStringLiteral("Review logs"), 1, 1, false, 0});
    spell.saveNames = [](const QStringList &) { return WriteResult{false, QStringLiteral("Unable to write TODONAME.FIL: disk full")}; };
    spell.run(grid, names);
    EXPECT_EQ(spell.nameListError, "Unable to write TODONAME.FIL: disk full");
    EXPECT_EQ(names, QStringList{"Review logs"});
}

TEST_F(TodoSpelling, AutoCorrectAppliesTheListToTheFollowingRowsThenStartsAgain)
{
    items({"Chekc teh backups", "Check teh backups", "Teh plan", "their are two; notheir are", "i think I know",
           "tehtest teh"});
    checker.results.insert(QStringLiteral("Chekc teh backups"),
                           {QStringLiteral("Check teh backups"), 1, 1, true, 0});
    spell.run(grid, names);
    EXPECT_EQ(firstItems(6), (QStringList{"Check teh backups", "Check the backups", "The plan",
                                          "there are two; notheir are", "I think I know", "tehtest the"}));
    // Row 1 was checked, then every row again from row 1.
    EXPECT_EQ(checker.checked.mid(0, 2), (QStringList{"Chekc teh backups", "Check teh backups"}));
    EXPECT_EQ(checker.checked.size(), 1 + TodoGrid::Rows);
    EXPECT_EQ(checker.list.last().first, "TheEnd1");
}

TEST_F(TodoSpelling, ASecondApplicationStopsAtTheFirstMarker)
{
    items({"one", "zorblat"});
    spell.applyAutoCorrect(grid, 0);
    checker.addAutoCorrect(QStringLiteral("zorblat"), QStringLiteral("zebra"));
    spell.applyAutoCorrect(grid, 0);
    EXPECT_EQ(grid.cell(2, 1), "zorblat");
    EXPECT_EQ(std::count(checker.list.begin(), checker.list.end(), std::pair<QString, QString>("TheEnd1", "TheEnd1")),
              2);
}

TEST_F(TodoSpelling, CancelAfterAnAutoCorrectAppliesTheListAndStops)
{
    items({"wrold teh", "teh end", "more"});
    checker.results.insert(QStringLiteral("wrold teh"), {QStringLiteral("world teh"), 2, 1, true, -1});
    spell.run(grid, names);
    EXPECT_EQ(firstItems(3), (QStringList{"world teh", "the end", "more"}));
    EXPECT_EQ(checker.checked, QStringList{"wrold teh"});
}

} // namespace
