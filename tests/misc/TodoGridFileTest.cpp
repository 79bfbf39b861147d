#include <QDir>
#include <gtest/gtest.h>

#include "QuotedLines.h"
#include "core/todo/TodoGridFile.h"
#include "support/TempFolder.h"

namespace {

QStringList emptyFields(int count)
{
    return QStringList(count, QString());
}

TodoGrid filledGrid()
{
    TodoGrid grid;
    grid.setCell(1, 1, "Review  backup   tapes");
    grid.setCell(1, 2, "Mon - Dec 7, 26");
    grid.setCell(1, 4, "stray");
    grid.setCell(1, 5, "Thu - Jan 7, 27");
    grid.setCell(2, 1, "  leading and trailing  ");
    grid.setCell(2, 3, "Tue - Dec 8, 26");
    grid.setCell(500, 5, "Fri - Jan 1, 27");
    return grid;
}

} // namespace

TEST(TodoGridFile, AnEmptyGridIs2500EmptyQuotedLines)
{
    TempFolder folder;
    ASSERT_TRUE(TodoGridFile().save(TodoGrid()));
    EXPECT_EQ(folder.read("TODOActv.FIL"), quotedLines(emptyFields(2500)));
}

TEST(TodoGridFile, ASavedGridReadsBackAndSavesAgainByteForByte)
{
    TempFolder folder;
    TodoGridFile file;
    ASSERT_TRUE(file.save(filledGrid()));
    const QByteArray first = folder.read("TODOActv.FIL");
    EXPECT_EQ(first.count("\r\n"), 2500);
    EXPECT_EQ(first.count('\n'), 2500);
    EXPECT_TRUE(first.startsWith("\"Review  backup   tapes\"\r\n\"Mon - Dec 7, 26\"\r\n\"\"\r\n\"\"\r\n"
                                 "\"Thu - Jan 7, 27\"\r\n\"  leading and trailing  \"\r\n"));
    EXPECT_TRUE(first.endsWith("\"\"\r\n\"Fri - Jan 1, 27\"\r\n"));

    const auto loaded = TodoGridFile().load();
    EXPECT_TRUE(loaded.found);
    EXPECT_FALSE(loaded.partial);
    TodoGrid expected = filledGrid();
    expected.setCell(1, 4, "");
    EXPECT_EQ(loaded.contents, expected);

    ASSERT_TRUE(TodoGridFile().save(loaded.contents));
    EXPECT_EQ(folder.read("TODOActv.FIL"), first);
}

TEST(TodoGridFile, AMissingFileLoadsAnEmptyGrid)
{
    TempFolder folder;
    const auto loaded = TodoGridFile().load();
    EXPECT_FALSE(loaded.found);
    EXPECT_FALSE(loaded.partial);
    EXPECT_EQ(loaded.contents, TodoGrid());
}

TEST(TodoGridFile, AnOversizeFileShowsTheFirst500RowsAndIsKeptBeforeTheFirstSave)
{
    TempFolder folder;
    QStringList fields = emptyFields(2500);
    fields[0] = "first";
    fields[2499] = "last kept";
    fields << "surplus 1" << "surplus 2" << "surplus 3";
    const QByteArray original = quotedLines(fields);
    folder.write("TODOActv.FIL", original);

    TodoGridFile file;
    const auto loaded = file.load();
    EXPECT_TRUE(loaded.partial);
    EXPECT_TRUE(loaded.note.contains("TODOActv.FIL.bak"));
    EXPECT_EQ(loaded.contents.cell(1, 1), "first");
    EXPECT_EQ(loaded.contents.cell(500, 5), "last kept");
    EXPECT_FALSE(folder.exists("TODOActv.FIL.bak"));

    ASSERT_TRUE(file.save(loaded.contents));
    EXPECT_EQ(folder.read("TODOActv.FIL.bak"), original);
    EXPECT_EQ(folder.read("TODOActv.FIL"), quotedLines(fields.mid(0, 2500)));
}

TEST(TodoGridFile, ACutShortFileFillsTheMissingCellsWithEmptyAndIsKept)
{
    TempFolder folder;
    const QByteArray original = "\"a\"\r\n\"b\"\r\n\"c\"\r\n\"\"\r\n\"e\"\r\n\"row 2\"\r\n\"Mon - Dec 7, 26\"\r\n\"Tue";
    folder.write("TODOActv.FIL", original);

    TodoGridFile file;
    const auto loaded = file.load();
    EXPECT_TRUE(loaded.partial);
    EXPECT_TRUE(loaded.note.contains("ends after 8 of its 2500 fields"));
    EXPECT_EQ(loaded.contents.cell(1, 5), "e");
    EXPECT_EQ(loaded.contents.cell(2, 1), "row 2");
    EXPECT_EQ(loaded.contents.cell(2, 2), "Mon - Dec 7, 26");
    EXPECT_EQ(loaded.contents.cell(2, 3), "Tue");
    EXPECT_EQ(loaded.contents.cell(2, 4), "");
    EXPECT_EQ(loaded.contents.cell(2, 5), "");
    EXPECT_EQ(loaded.contents.cell(3, 1), "");

    ASSERT_TRUE(file.save(loaded.contents));
    EXPECT_EQ(folder.read("TODOActv.FIL.bak"), original);
    EXPECT_EQ(folder.read("TODOActv.FIL").count("\r\n"), 2500);
}

TEST(TodoGridFile, AFailedSaveIsReportedAndTheOldFileStays)
{
    TempFolder folder;
    const WriteResult noFolder = TodoGridFile(folder.file("gone/TODOActv.FIL")).save(filledGrid());
    EXPECT_FALSE(noFolder.ok);
    EXPECT_TRUE(noFolder.error.contains("TODOActv.FIL"));

    const QByteArray original = "\"a\"\r\n";
    folder.write("TODOActv.FIL", original);
    TodoGridFile file;
    ASSERT_TRUE(file.load().partial);
    QDir(folder.path()).mkdir("TODOActv.FIL.bak");
    EXPECT_FALSE(file.save(filledGrid()).ok);
    EXPECT_EQ(folder.read("TODOActv.FIL"), original);
}

TEST(TodoGrid, CellsOutsideTheGridReadEmptyAndIgnoreWrites)
{
    TodoGrid grid;
    for (const auto &[row, column] : {std::pair{0, 1}, {501, 1}, {1, 0}, {1, 6}}) {
        grid.setCell(row, column, "x");
        EXPECT_EQ(grid.cell(row, column), "");
    }
    EXPECT_EQ(grid, TodoGrid());
}
