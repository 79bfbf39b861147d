#include <gtest/gtest.h>

#include <QDate>
#include <QDir>

#include "core/todo/TodoRows.h"
#include "misc/TodoGrid.h"
#include "support/TempFolder.h"

namespace {

QByteArray quoted(const QStringList &fields)
{
    QByteArray bytes;
    for (const QString &field : fields)
        bytes += '"' + field.toLatin1() + "\"\r\n";
    return bytes;
}

QByteArray gridBytes(const QStringList &items)
{
    TodoGrid grid;
    for (int row = 1; row <= items.size(); ++row)
        grid.setCell(row, TodoGrid::ItemColumn, items[row - 1]);
    return quoted(grid.fileFields());
}

} // namespace

TEST(TodoRows, FillsTheFirstFreeRowAndSavesBothFiles)
{
    const QString long50 = QStringLiteral("Review the policies of 164.308(a)(1)(ii)(A) now!!");
    const struct {
        const char *name;
        QStringList itemsBefore;
        QByteArray namesBefore;
        QString item;
        int row;
        QString stored;
        QByteArray namesAfter;
    } cases[] = {
        {"empty list", {}, {}, QStringLiteral("Review Risk Analysis"), 1, QStringLiteral("Review Risk Analysis"),
         "\"Review Risk Analysis\"\r\n"},
        {"gap in the list", {QStringLiteral("A"), QStringLiteral(" "), QStringLiteral("C")}, "\"A\"\r\n",
         QStringLiteral("B"), 2, QStringLiteral("B"), "\"A\"\r\n\"B\"\r\n"},
        {"long item cut", {QStringLiteral("A")}, {}, long50, 2, long50.left(45),
         quoted({long50.left(45)})},
        {"name listed already", {}, "\"review risk analysis\"\r\n", QStringLiteral("Review Risk Analysis"), 1,
         QStringLiteral("Review Risk Analysis"), "\"review risk analysis\"\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        if (!c.itemsBefore.isEmpty())
            folder.write(QStringLiteral("TODOActv.FIL"), gridBytes(c.itemsBefore));
        if (!c.namesBefore.isEmpty())
            folder.write(QStringLiteral("TODONAME.FIL"), c.namesBefore);

        const Result<int> added = TodoRows::append(folder.path(), {c.item, QDate(2026, 12, 7)});
        ASSERT_TRUE(added) << added.error().toStdString();
        EXPECT_EQ(*added, c.row);

        TodoGrid expected;
        for (int row = 1; row <= c.itemsBefore.size(); ++row)
            expected.setCell(row, TodoGrid::ItemColumn, c.itemsBefore[row - 1]);
        expected.setCell(c.row, TodoGrid::ItemColumn, c.stored);
        expected.setCell(c.row, 2, QStringLiteral("Mon - Dec 7, 26"));
        EXPECT_EQ(folder.read(QStringLiteral("TODOActv.FIL")), quoted(expected.fileFields()));
        EXPECT_EQ(folder.read(QStringLiteral("TODONAME.FIL")), c.namesAfter);
    }
}

TEST(TodoRows, FullListIsRefusedAndLeftAsItWas)
{
    TempFolder folder;
    QStringList items;
    for (int row = 1; row <= TodoGrid::Rows; ++row)
        items.append(QStringLiteral("Item %1").arg(row));
    const QByteArray before = gridBytes(items);
    folder.write(QStringLiteral("TODOActv.FIL"), before);

    const Result<int> added = TodoRows::append(folder.path(), {QStringLiteral("One more"), QDate(2026, 12, 7)});
    ASSERT_FALSE(added);
    EXPECT_TRUE(added.error().contains(QStringLiteral("all 500 of its rows")));
    EXPECT_EQ(folder.read(QStringLiteral("TODOActv.FIL")), before);
    EXPECT_FALSE(folder.exists(QStringLiteral("TODONAME.FIL")));
}

TEST(TodoRows, UnwritableListFailsWithTheFileNamed)
{
    TempFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("TODOActv.FIL")));
    const Result<int> added = TodoRows::append(folder.path(), {QStringLiteral("Item"), QDate(2026, 12, 7)});
    ASSERT_FALSE(added);
    EXPECT_TRUE(added.error().contains(QStringLiteral("TODOActv.FIL"))) << added.error().toStdString();
    EXPECT_FALSE(folder.exists(QStringLiteral("TODONAME.FIL")));
}
