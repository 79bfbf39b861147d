#include <gtest/gtest.h>

#include "core/todo/TodoGrid.h"

namespace {

TodoGrid numberedRows(int count)
{
    TodoGrid grid;
    for (int r = 1; r <= count; ++r) {
        grid.setCell(r, 1, QStringLiteral("Item %1").arg(r));
        grid.setCell(r, 5, QStringLiteral("review %1").arg(r));
    }
    return grid;
}

QStringList items(const TodoGrid &grid, int count)
{
    QStringList list;
    for (int r = 1; r <= count; ++r)
        list.append(grid.item(r));
    return list;
}

} // namespace

TEST(TodoGrid, RemovingAndInsertingKeep500Rows)
{
    TodoGrid grid = numberedRows(10);
    ASSERT_TRUE(grid.removeRow(7));
    EXPECT_EQ(items(grid, 10), QStringList({"Item 1", "Item 2", "Item 3", "Item 4", "Item 5", "Item 6", "Item 8",
                                            "Item 9", "Item 10", ""}));
    EXPECT_EQ(grid.cell(7, 5), "review 8");
    EXPECT_EQ(grid.fileFields().size(), TodoGrid::CellCount);

    grid.setCell(500, 1, "last");
    grid.setCell(499, 2, "before last");
    ASSERT_TRUE(grid.insertRow(2));
    EXPECT_EQ(grid.item(1), "Item 1");
    EXPECT_EQ(grid.item(2), "");
    EXPECT_EQ(grid.cell(3, 5), "review 2");
    EXPECT_EQ(grid.cell(500, 2), "before last");
    EXPECT_EQ(grid.item(500), "") << "the last row drops off";
    EXPECT_EQ(grid.fileFields().size(), TodoGrid::CellCount);

    const TodoGrid before = grid;
    EXPECT_FALSE(grid.removeRow(0));
    EXPECT_FALSE(grid.removeRow(999));
    EXPECT_FALSE(grid.insertRow(999));
    EXPECT_EQ(grid, before);
}

TEST(TodoGrid, AscendingSortLeavesNoRowWithoutItemBetweenItems)
{
    TodoGrid grid;
    grid.setCell(3, 1, "Audit logs");
    grid.setCell(3, 2, "Tue - Jan 5, 27");
    grid.setCell(8, 1, "backup tapes");
    grid.setCell(8, 2, "Mon - Dec 7, 26");
    grid.setCell(12, 1, "Contract");
    grid.setCell(20, 1, "Train staff");
    grid.setCell(20, 2, "Sat - Dec 31, 99");
    grid.setCell(15, 3, "Wed - Dec 9, 26"); // dates without an item

    TodoGrid byDate = grid;
    byDate.sortRows(2, Qt::AscendingOrder);
    EXPECT_EQ(items(byDate, 5), QStringList({"Contract", "backup tapes", "Audit logs", "Train staff", ""}));
    EXPECT_EQ(byDate.cell(3, 2), "Tue - Jan 5, 27");
    EXPECT_EQ(byDate.firstRowWithoutItem(), 5);
    EXPECT_TRUE(byDate.fileFields().contains("Wed - Dec 9, 26")) << "a row without an item keeps its dates";

    TodoGrid byItem = grid;
    byItem.sortRows(1, Qt::AscendingOrder);
    EXPECT_EQ(items(byItem, 5), QStringList({"Audit logs", "backup tapes", "Contract", "Train staff", ""}));

    TodoGrid descending = grid;
    descending.sortRows(1, Qt::DescendingOrder);
    EXPECT_EQ(items(descending, 5), QStringList({"Train staff", "Contract", "backup tapes", "Audit logs", ""}));
}
