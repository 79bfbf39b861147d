#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "app/files/RecordBytes.h"
#include "core/files/RecordFile.h"
#include "support/TempFolder.h"

namespace {

// Five records of non-zero bytes, so that any byte a write touches shows.
QByteArray garbage(int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>(0xA0 + i % 50));
    return bytes;
}

} // namespace

TEST(RecordFile, WritingIntoAMissingFileCreatesItWithZerosBeforeTheRecord)
{
    TempFolder folder;
    ASSERT_TRUE(RecordFile(folder.file("r.fil")).write(2, "Pending"));
    EXPECT_EQ(folder.read("r.fil"), zeroRecords(1) + recordBytes("Pending"));
}

TEST(RecordFile, WritingARecordLeavesEveryOtherByteAsItWas)
{
    TempFolder folder;
    const QByteArray before = garbage(100);
    folder.write("r.fil", before);
    ASSERT_TRUE(RecordFile(folder.file("r.fil")).write(3, "Review"));
    const QByteArray after = folder.read("r.fil");
    ASSERT_EQ(after.size(), 100);
    EXPECT_EQ(after.left(40), before.left(40));
    EXPECT_EQ(after.mid(40, 20), recordBytes("Review"));
    EXPECT_EQ(after.mid(60), before.mid(60));
}

TEST(RecordFile, AFileEndingInsideARecordKeepsItsBytesAndIsPaddedWithZeros)
{
    TempFolder folder;
    folder.write("r.fil", garbage(7));
    ASSERT_TRUE(RecordFile(folder.file("r.fil")).write(3, "x"));
    EXPECT_EQ(folder.read("r.fil"), garbage(7) + QByteArray(33, '\0') + recordBytes("x"));
}

TEST(RecordFile, ReadsWhatTheRecordHoldsAndNeverPastIt)
{
    TempFolder folder;
    const QByteArray eighteen = "ABCDEFGHIJKLMNOPQR";
    folder.write("r.fil", recordBytes("Working", '\x55')        // 1: padding not zero
                              + recordBytes("", '\x55')         // 2: length 0
                              + recordBytes("Review", 'Z', 300) // 3: length above the record
                              + recordBytes("Review", 'Z', 19)  // 4: one past the record
                              + recordBytes(eighteen)           // 5: fills the record
                              + recordBytes(" ")                // 6: one blank
                              + recordBytes("\xe9t\xe9")        // 7: Windows-1252
                              + recordBytes("Completed").left(6)); // 8: cut short by the end of the file
    const RecordFile file(folder.file("r.fil"));
    const QStringList expected{"Working", "", "", "", QString::fromLatin1(eighteen), " ",
                               QString::fromUtf8("\u00e9t\u00e9"), "", ""};
    EXPECT_EQ(file.read(1, 9), expected);
    EXPECT_EQ(file.read(0), QString());
    EXPECT_EQ(file.read(-5), QString());
}

TEST(RecordFile, AFirstReadCreatesAnEmptyFile)
{
    TempFolder folder;
    EXPECT_EQ(RecordFile(folder.file("r.fil")).read(11), QString());
    EXPECT_TRUE(folder.exists("r.fil"));
    EXPECT_TRUE(folder.read("r.fil").isEmpty());
}

TEST(RecordFile, RefusesWhatDoesNotFitARecordAndWritesNothing)
{
    TempFolder folder;
    folder.write("r.fil", recordBytes("Pending"));
    const RecordFile file(folder.file("r.fil"));
    EXPECT_TRUE(file.write(1, "ABCDEFGHIJKLMNOPQR"));
    EXPECT_EQ(folder.read("r.fil"), QByteArray("\x12\x00" "ABCDEFGHIJKLMNOPQR", 20));

    const WriteResult tooLong = file.write(1, "ABCDEFGHIJKLMNOPQRS");
    EXPECT_FALSE(tooLong.ok);
    EXPECT_TRUE(tooLong.error.contains("r.fil"));
    EXPECT_FALSE(file.write(0, "x").ok);
    EXPECT_EQ(folder.read("r.fil"), QByteArray("\x12\x00" "ABCDEFGHIJKLMNOPQR", 20));
}

TEST(RecordFile, AWriteThatCannotReachTheDiskIsReported)
{
    TempFolder folder;
    const WriteResult noFolder = RecordFile(folder.file("missing/r.fil")).write(1, "x");
    EXPECT_FALSE(noFolder.ok);
    EXPECT_TRUE(noFolder.error.contains("r.fil"));

    QDir(folder.path()).mkdir("taken.fil");
    EXPECT_FALSE(RecordFile(folder.file("taken.fil")).write(1, "x").ok);
}

// Reading /proc/self/mem from its start fails, whatever the user's privileges.
TEST(RecordFile, AFileThatCannotBeReadIsNotOverwritten)
{
    TempFolder folder;
    ASSERT_TRUE(QFile::link("/proc/self/mem", folder.file("r.fil")));
    const WriteResult result = RecordFile(folder.file("r.fil")).write(2, "Pending");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("cannot be read")) << result.error.toStdString();
    EXPECT_TRUE(QFileInfo(folder.file("r.fil")).isSymLink());
}
