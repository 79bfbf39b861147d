#include <gtest/gtest.h>

#include "misc/TodoNames.h"
#include "support/TempFolder.h"

namespace {

QByteArray quoted(const QStringList &names)
{
    QByteArray bytes;
    for (const QString &name : names)
        bytes += '"' + name.toLatin1() + "\"\r\n";
    return bytes;
}

} // namespace

TEST(TodoNames, AddsOnlyNamesThatDifferBeyondCaseAndTrailingBlanks)
{
    TempFolder folder;
    folder.write("TODONAME.FIL", quoted({"Backup tapes", "Audit logs"}));
    TodoNames names;
    EXPECT_TRUE(names.load().isEmpty());

    EXPECT_FALSE(names.addIfNew("BACKUP TAPES   "));
    EXPECT_FALSE(names.addIfNew("   "));
    EXPECT_FALSE(names.addIfNew(""));
    EXPECT_EQ(folder.read("TODONAME.FIL"), quoted({"Backup tapes", "Audit logs"}));

    const auto added = names.addIfNew(" audit logs ");
    ASSERT_TRUE(added && *added);
    EXPECT_EQ(folder.read("TODONAME.FIL"), quoted({"Backup tapes", "Audit logs", " audit logs "}))
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
    EXPECT_EQ(folder.read("TODONAME.FIL"), quoted({"Train staff"})) << "the empty line is replaced";
    ASSERT_TRUE(names.remove("Not there"));
    EXPECT_EQ(folder.read("TODONAME.FIL"), quoted({"Train staff"}));
}

TEST(TodoNames, HoldsAtMost1000Names)
{
    TempFolder folder;
    QStringList many;
    for (int i = 1; i <= 1000; ++i)
        many.append(QStringLiteral("Name %1").arg(i));
    folder.write("TODONAME.FIL", quoted(many));
    TodoNames names;
    names.load();
    EXPECT_FALSE(names.addIfNew("One too many"));
    EXPECT_EQ(names.names().size(), 1000);
    EXPECT_EQ(folder.read("TODONAME.FIL"), quoted(many));
}
