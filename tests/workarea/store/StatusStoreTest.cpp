#include <QFile>
#include <QFileDevice>
#include <gtest/gtest.h>

#include "app/files/RecordBytes.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"
#include "core/workbook/StatusStore.h"

TEST(StatusStore, OffersTheFiveValuesInOrder)
{
    EXPECT_EQ(StatusStore::values(), QStringList({" ", "Pending", "Working", "Completed", "Review"}));
}

TEST(StatusStore, WithoutAFileEveryStatusIsEmptyAndTheFileIsCreated)
{
    TempFolder folder;
    const StatusTable table = StatusStore().readTable();
    for (const QString &status : table)
        EXPECT_TRUE(status.isNull() || status.isEmpty());
    EXPECT_TRUE(folder.exists("Stat1.Fil"));
    EXPECT_EQ(folder.read("Stat1.Fil").size(), 0);
}

TEST(StatusStore, WritesTheRecordOfTheItemAtItsOffset)
{
    TempFolder folder;
    const StatusStore store;
    ASSERT_TRUE(store.write(2, "Pending"));
    EXPECT_EQ(folder.read("Stat1.Fil"), QByteArray("\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"
                                                   "\x07\x00Pending\0\0\0\0\0\0\0\0\0\0\0",
                                                   40));

    ASSERT_TRUE(store.write(47, "Pending"));
    const QByteArray bytes = folder.read("Stat1.Fil");
    ASSERT_EQ(bytes.size(), 940);
    EXPECT_EQ(bytes.mid(920), recordBytes("Pending"));
    EXPECT_EQ(bytes.mid(40, 880), zeroRecords(44));
}

TEST(StatusStore, OneBlankIsARecordOfLengthOneDistinctFromNoStatus)
{
    TempFolder folder;
    const StatusStore store;
    ASSERT_TRUE(store.write(5, " "));
    EXPECT_EQ(folder.read("Stat1.Fil").mid(80), recordBytes(" "));
    const StatusTable table = store.readTable();
    EXPECT_EQ(table[5], " ");
    EXPECT_EQ(table[4], "");
    EXPECT_EQ(table[6], "");
}

TEST(StatusStore, ReadsAHandWrittenFileInOrder)
{
    TempFolder folder;
    QByteArray file;
    for (int n = 1; n <= 47; ++n)
        file += recordBytes(StatusStore::values().at(n % 5).toLatin1(), '\x7f');
    folder.write("Stat1.Fil", file);
    const StatusTable table = StatusStore().readTable();
    for (int n = 1; n <= 47; ++n)
        EXPECT_EQ(table[static_cast<std::size_t>(n)], StatusStore::values().at(n % 5)) << n;
    EXPECT_EQ(table[0], "");
    EXPECT_EQ(table[48], "");
}

TEST(StatusStore, ACorruptFileReadsWithoutCrashAndKeepsItsBytesOnWrite)
{
    TempFolder folder;
    folder.write("Stat1.Fil", recordBytes("Working", 'W', 300) + recordBytes("Review") +
                                  recordBytes("Completed", 'C', 0xFFFF) + QByteArray("\x05\x00Pen", 5));
    const StatusTable table = StatusStore().readTable();
    EXPECT_EQ(table[1], "");
    EXPECT_EQ(table[2], "Review");
    EXPECT_EQ(table[3], "");
    EXPECT_EQ(table[4], "") << "a record cut short by the end of the file";

    folder.write("Stat1.Fil", QByteArray("\x07\x00Pend", 6) + 'i');
    EXPECT_EQ(StatusStore().readTable()[1], "");
    ASSERT_TRUE(StatusStore().write(2, "Working"));
    const QByteArray bytes = folder.read("Stat1.Fil");
    EXPECT_EQ(bytes.left(7), QByteArray("\x07\x00Pendi", 7));
    EXPECT_EQ(bytes.mid(20), recordBytes("Working"));
}

TEST(StatusStore, RefusesItemsOutsideTheCatalogue)
{
    TempFolder folder;
    for (const int n : {0, 48, -1}) {
        const WriteResult result = StatusStore().write(n, "Pending");
        EXPECT_FALSE(result.ok) << n;
        EXPECT_TRUE(result.error.contains("Stat1.Fil")) << n;
    }
    EXPECT_FALSE(folder.exists("Stat1.Fil"));
}

TEST(StatusStore, AFailedWriteIsReportedAndTheOldFileStaysAsItWas)
{
    TempFolder folder;
    const QByteArray before = recordBytes("Working") + recordBytes("Review");
    folder.write("Stat1.Fil", before);
    WriteResult result;
    {
        FileSizeLimit full(8);
        result = StatusStore().write(1, "Completed");
    }
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.startsWith("Unable to write Stat1.Fil: ")) << result.error.toStdString();
    EXPECT_EQ(folder.read("Stat1.Fil"), before);
}

TEST(StatusStore, AWriteIntoAMissingFolderIsReported)
{
    TempFolder folder;
    const WriteResult result = StatusStore(folder.file("gone/Stat1.Fil")).write(1, "Completed");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("Stat1.Fil"));
}
