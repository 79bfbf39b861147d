#include <gtest/gtest.h>

#include "core/todo/NameListFile.h"
#include "support/TempFolder.h"

TEST(NameListFile, KeepsBlanksOnWriteAndTrimsThemOnRead)
{
    TempFolder folder;
    ASSERT_TRUE(NameListFile().save({" Backup tapes ", "Audit  logs", "Train staff  "}));
    EXPECT_EQ(folder.read("TODONAME.FIL"), QByteArray("\" Backup tapes \"\r\n\"Audit  logs\"\r\n\"Train staff  \"\r\n"));

    const auto loaded = NameListFile().load();
    EXPECT_TRUE(loaded.found);
    EXPECT_FALSE(loaded.partial);
    EXPECT_EQ(loaded.contents, QStringList({"Backup tapes", "Audit  logs", "Train staff"}));
}

TEST(NameListFile, AListWhoseOnlyNameWasDeletedIsOneEmptyQuotedLine)
{
    TempFolder folder;
    ASSERT_TRUE(NameListFile().save({""}));
    EXPECT_EQ(folder.read("TODONAME.FIL"), QByteArray("\"\"\r\n"));
    EXPECT_EQ(NameListFile().load().contents, QStringList({""}));
}

TEST(NameListFile, AMissingFileIsAnEmptyList)
{
    TempFolder folder;
    const auto loaded = NameListFile().load();
    EXPECT_FALSE(loaded.found);
    EXPECT_TRUE(loaded.contents.isEmpty());
}

TEST(NameListFile, MoreThan1000NamesAreCutAndTheFileIsKeptBeforeTheFirstSave)
{
    TempFolder folder;
    QByteArray original;
    for (int i = 1; i <= 1002; ++i)
        original += "\"name " + QByteArray::number(i) + "\"\r\n";
    folder.write("TODONAME.FIL", original);

    NameListFile file;
    const auto loaded = file.load();
    EXPECT_TRUE(loaded.partial);
    EXPECT_TRUE(loaded.note.contains("TODONAME.FIL.bak"));
    ASSERT_EQ(loaded.contents.size(), 1000);
    EXPECT_EQ(loaded.contents.last(), "name 1000");

    ASSERT_TRUE(file.save(loaded.contents));
    EXPECT_EQ(folder.read("TODONAME.FIL.bak"), original);
    EXPECT_TRUE(folder.read("TODONAME.FIL").endsWith("\"name 1000\"\r\n"));
}
