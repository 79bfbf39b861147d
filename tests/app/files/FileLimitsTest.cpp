#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "core/files/FileLimits.h"
#include "core/files/QuotedLineFile.h"
#include "core/files/RecordFile.h"
#include "backup/BackupFixtures.h"
#include "core/backup/BackupWriter.h"
#include "core/backup/WorkbookFiles.h"
#include "support/TempFolder.h"

namespace {

// Every fixed-name file of the table, and one of the entries.
QList<std::pair<QString, FileLimit>> limitedFiles()
{
    QList<std::pair<QString, FileLimit>> files;
    for (const FileLimitRow &row : FileLimits::table())
        files.append({QString::fromLatin1(row.name), row.limit});
    files.append({QStringLiteral("Policy46.Fil"), FileLimits::Entry});
    return files;
}

} // namespace

TEST(FileLimits, EveryWorkbookFileHasALimitAndTheBackupHoldsExactlyThat)
{
    for (const QString &name : WorkbookFiles::names())
        EXPECT_NE(&FileLimits::of(name), &FileLimits::Other) << name.toStdString();
    EXPECT_EQ(&FileLimits::of(QStringLiteral("Action47.Fil")), &FileLimits::Other);
    EXPECT_EQ(WorkbookFiles::maxSize(QStringLiteral("TODOActv.FIL.bak")), 0);

    for (const auto &[name, limit] : limitedFiles()) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(WorkbookFiles::maxSize(name), limit.bytes);
        TempFolder folder;
        if (limit.bytes <= FileLimits::TodoList.bytes) { // entries at their limit take long to pack
            folder.write(name, QByteArray(limit.bytes, '\0'));
            const BackupOutcome atLimit =
                backUpWorkbook(folder.path(), folder.file("b.zip"), BackupFixtures::backupTime());
            EXPECT_TRUE(bool(atLimit)) << atLimit.error().toStdString();
        }

        folder.write(name, QByteArray(limit.bytes + 1, '\0'));
        QString error;
        EXPECT_FALSE(WorkbookFiles::read(folder.file(name), WorkbookFiles::maxSize(name), &error));
        EXPECT_EQ(error, QStringLiteral("%1 is larger than a backup can hold (%2)")
                             .arg(name, FileLimits::sizeText(limit.bytes)));
    }
}

TEST(FileLimits, TheLongestListsTheProgramWritesStayWithinTheLimit)
{
    for (const FileLimit &limit : {FileLimits::NameList, FileLimits::TodoList}) {
        const QStringList longest(limit.fields, QString(limit.fieldLength + 30, QChar(0x4e2d)));
        const QByteArray bytes = QuotedLineFile::format(longest, limit.fieldLength);
        EXPECT_LE(bytes.size(), limit.bytes);
        EXPECT_EQ(QuotedLineFile::parse(bytes, limit).fields.size(), limit.fields);
    }
}

TEST(FileLimits, ParsingStopsAtTheCountAndCutsLongFields)
{
    const FileLimit limit{1024, 3, 5, "names"};
    const struct {
        QByteArray bytes;
        QStringList fields;
        bool moreFields;
        int cutFields;
    } rows[] = {
        {"\"a\"\r\n\"b\"\r\n\"c\"\r\n", {"a", "b", "c"}, false, 0},
        {"\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n", {"a", "b", "c"}, true, 0},
        {"\"abcdefgh\"\r\n\"12345\"\r\n", {"abcde", "12345"}, false, 1},
        {"long unquoted text,\"x\"", {"long ", "x"}, false, 1},
        {"\"123456\"\r\n\"b\"\r\n\"c\"\r\n\"1234567\"\r\n", {"12345", "b", "c"}, true, 1},
    };
    for (const auto &row : rows) {
        const QuotedLineFile::Parsed parsed = QuotedLineFile::parse(row.bytes, limit);
        EXPECT_EQ(parsed.fields, row.fields) << row.bytes.toStdString();
        EXPECT_EQ(parsed.moreFields, row.moreFields) << row.bytes.toStdString();
        EXPECT_EQ(parsed.cutFields, row.cutFields) << row.bytes.toStdString();
    }
}

// Whichever object writes a file that would be read only in part, the file as it was is kept first,
// once; a file within its limits is replaced without a copy.
TEST(FileLimits, AnyWriterOfAFileReadInPartKeepsItFirst)
{
    QByteArray manyNames;
    for (int i = 1; i <= 1001; ++i)
        manyNames += "\"Name" + QByteArray::number(i) + "\"\r\n";
    const QByteArray longCell = "\"" + QByteArray(50, 'x') + "\"\r\n";
    const QByteArray beyond = QByteArray(FileLimits::TodoList.bytes + 10, '\n');
    const struct {
        const char *name;
        QByteArray before;
        bool kept;
    } rows[] = {
        {"TODONAME.FIL", manyNames, true},
        {"TODONAME.FIL", longCell, true},
        {"TODOActv.FIL", beyond, true},
        {"TODONAME.FIL", "\"Name1\"\r\n", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        const QString name = QString::fromLatin1(row.name);
        folder.write(name, row.before);
        ASSERT_TRUE(QuotedLineFile(folder.file(name)).write({"new"})); // not the object that read it
        EXPECT_EQ(folder.exists(name + ".bak"), row.kept);
        if (row.kept) {
            EXPECT_EQ(folder.read(name + ".bak"), row.before);
        }
        EXPECT_EQ(folder.read(name), QByteArray("\"new\"\r\n"));
        ASSERT_TRUE(QuotedLineFile(folder.file(name)).write({"newer"}));
        if (row.kept) {
            EXPECT_EQ(folder.read(name + ".bak"), row.before) << "the copy is made once";
        }
    }
}

TEST(FileLimits, AWriterNeverWritesBeyondTheLimit)
{
    TempFolder folder;
    QuotedLineFile names(folder.file("TODONAME.FIL"));
    const WriteResult tooMany = names.write(QStringList(1001, QStringLiteral("x")));
    EXPECT_FALSE(tooMany.ok);
    EXPECT_EQ(tooMany.error, "Unable to write TODONAME.FIL: it holds at most 1000 names, not 1001.");
    EXPECT_FALSE(folder.exists("TODONAME.FIL"));
    ASSERT_TRUE(names.write({QString(60, 'n')}));
    EXPECT_EQ(folder.read("TODONAME.FIL"), "\"" + QByteArray(45, 'n') + "\"\r\n");

    RecordFile statuses(folder.file("Stat1.Fil"));
    const WriteResult farRecord = statuses.write(3300, "x");
    EXPECT_FALSE(farRecord.ok);
    EXPECT_TRUE(farRecord.error.contains("record 3300 lies beyond the 64 KB the file may hold"));
}

TEST(FileLimits, ARecordFileBeyondItsLimitIsReadInPartAndKeptBeforeAWrite)
{
    TempFolder folder;
    QByteArray before(FileLimits::Records.bytes + 100, '\0');
    before.replace(0, 4, QByteArray("\x02\x00" "ok", 4));
    folder.write("GColor3.Fil", before);
    const RecordFile settings(folder.file("GColor3.Fil"));
    EXPECT_EQ(settings.read(1), "ok");
    ASSERT_TRUE(settings.write(2, "3"));
    EXPECT_EQ(folder.read("GColor3.Fil.bak"), before);
    const QByteArray after = folder.read("GColor3.Fil");
    EXPECT_EQ(after.size(), FileLimits::Records.bytes);
    EXPECT_EQ(after.left(23), QByteArray("\x02\x00ok", 4) + QByteArray(16, '\0') + QByteArray("\x01\x00" "3", 3));
}
