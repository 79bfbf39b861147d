#include <QFile>
#include <QFileDevice>
#include <gtest/gtest.h>

#include "app/SafeWrite.h"
#include "support/TempFolder.h"

TEST(SafeWrite, ReplacesTheWholeFile)
{
    TempFolder folder;
    folder.write("a.fil", "old content that is longer");
    ASSERT_TRUE(writeWholeFile(folder.file("a.fil"), "new"));
    EXPECT_EQ(folder.read("a.fil"), QByteArray("new"));
}

TEST(SafeWrite, FailureInAReadOnlyFolderNamesTheFileAndKeepsTheOld)
{
    TempFolder folder;
    folder.write("a.fil", "old");
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const WriteResult result = writeWholeFile(folder.file("a.fil"), "new");
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (result.ok)
        GTEST_SKIP() << "running with permission to write anywhere";
    EXPECT_TRUE(result.error.contains("a.fil"));
    EXPECT_EQ(folder.read("a.fil"), QByteArray("old"));
}

TEST(SafeWrite, KeepsACopyAside)
{
    TempFolder folder;
    folder.write("list.fil", "as it was");
    ASSERT_TRUE(keepCopyAside(folder.file("list.fil")));
    EXPECT_EQ(folder.read("list.fil.bak"), QByteArray("as it was"));
}

TEST(SafeWrite, FailureIsReportedWhenTheFolderIsMissing)
{
    TempFolder folder;
    const WriteResult result = writeWholeFile(folder.file("missing/a.fil"), "new");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.startsWith("Unable to write a.fil"));
}
