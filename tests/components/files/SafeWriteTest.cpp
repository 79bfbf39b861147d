#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "core/files/SafeWrite.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace {

QStringList entriesOf(const TempFolder &folder)
{
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

TEST(SafeWrite, ReplacesTheWholeFile)
{
    TempFolder folder;
    folder.write("a.fil", "old content that is longer");
    ASSERT_TRUE(writeWholeFile(folder.file("a.fil"), "new"));
    EXPECT_EQ(folder.read("a.fil"), QByteArray("new"));
}

TEST(SafeWrite, FailureWithAFolderInTheFilesPlaceNamesTheFileAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("a.fil"));
    const WriteResult result = writeWholeFile(folder.file("a.fil"), "new");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.startsWith("Unable to write a.fil: ")) << result.error.toStdString();
    EXPECT_TRUE(QFileInfo(folder.file("a.fil")).isDir());
    EXPECT_EQ(entriesOf(folder), QStringList{"a.fil"});
}

// A status record and a large entry: the reason is that of the write that failed, whatever its size.
TEST(SafeWrite, FailureOnAFullDiskGivesTheReasonAndKeepsTheOld)
{
    const QString reason = QString::fromLocal8Bit(std::strerror(EFBIG));
    for (const qsizetype size : {qsizetype(20), qsizetype(3) << 20}) {
        TempFolder folder;
        folder.write("a.fil", "old");
        WriteResult result;
        {
            FileSizeLimit full(8);
            result = writeWholeFile(folder.file("a.fil"), QByteArray(size, 'n'));
        }
        EXPECT_FALSE(result.ok) << size;
        EXPECT_EQ(result.error, "Unable to write a.fil: " + reason) << size;
        EXPECT_EQ(folder.read("a.fil"), QByteArray("old")) << size;
        EXPECT_EQ(entriesOf(folder), QStringList{"a.fil"}) << size;
    }
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
