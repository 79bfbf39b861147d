#include <gtest/gtest.h>

#include "QuotedLines.h"
#include "core/todo/TodoNames.h"
#include "support/TempFolder.h"

TEST(TodoNames, AddsOnlyNamesThatDifferBeyondCaseAndTrailingBlanks)
{
    TempFolder folder;
    folder.write("TODONAME.FIL", quotedLines({"Backup tapes", "Audit logs"}));
    TodoNames names;
    EXPECT_TRUE(names.load().isEmpty());

    EXPECT_FALSE(names.addIfNew("BACKUP TAPES   "));
    EXPECT_FALSE(names.addIfNew("   "));
    EXPECT_FALSE(names.addIfNew(""));
    EXPECT_EQ(folder.read("TODONAME.FIL"), quotedLines({"Backup tapes", "Audit logs"}));

    const auto added = names.addIfNew(" audit logs ");
    ASSERT_TRUE(added && *added);
    EXPECT_EQ(folder.read("TODONAME.FIL"), quotedLines({"Backup tapes", "Audit logs", " audit logs "}))
        << "a leading blank makes another name, stored as typed";
    EXPECT_EQ(names.completion("  au"), "Audit logs");
    EXPECT_EQ(names.completion("x"), "");
    EXPECT_EQ(names.completion("   "), "");
}

TEST(TodoNames, DeletingComparesBothEndsAndTheLastNameLeavesAnEmptyLine)
{
    TempFolder folder;
    TodoNames names;
    names.load();
    EXPECT_FALSE(names.remove("anything")) << "an empty list writes nothing";
    EXPECT_FALSE(folder.exists("TODONAME.FIL"));

    ASSERT_TRUE(names.addIfNew("Risk review"));
    ASSERT_TRUE(names.remove("  RISK REVIEW "));
    EXPECT_EQ(folder.read("TODONAME.FIL"), QByteArray("\"\"\r\n"));
    EXPECT_EQ(names.names(), QStringList({""}));

    ASSERT_TRUE(names.addIfNew("Train staff"));
    EXPECT_EQ(folder.read("TODONAME.FIL"), quotedLines({"Train staff"})) << "the empty line is replaced";
    ASSERT_TRUE(names.remove("Not there"));
    EXPECT_EQ(folder.read("TODONAME.FIL"), quotedLines({"Train staff"}));
}

TEST(TodoNames, HoldsAtMost1000Names)
{
    TempFolder folder;
    QStringList many;
    for (int i = 1; i <= 1000; ++i)
        many.append(QStringLiteral("Name %1").arg(i));
    folder.write("TODONAME.FIL", quotedLines(many));
    TodoNames names;
    names.load();
    EXPECT_FALSE(names.addIfNew("One too many"));
    EXPECT_EQ(names.names().size(), 1000);
    EXPECT_EQ(folder.read("TODONAME.FIL"), quotedLines(many));
}
