#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "core/record/RecordDatabase.h"
#include "core/record/RecordSchema.h"
#include "support/TempFolder.h"

namespace {

using Access = RecordDatabase::Access;

std::unique_ptr<RecordDatabase> openOk(const QString &folder, Access access = Access::Write)
{
    Result<RecordDatabase::Opened> opened = RecordDatabase::open(folder, access);
    EXPECT_TRUE(opened) << opened.error().toStdString();
    return opened ? std::move(opened.value().database) : nullptr;
}

int count(const RecordDatabase &db, const QString &table)
{
    Result<QSqlQuery> read = db.run(QStringLiteral("SELECT COUNT(*) FROM ") + table);
    if (!read)
        return -1;
    QSqlQuery &query = read.value();
    return query.next() ? query.value(0).toInt() : -1;
}

Outcome addStatusChange(RecordDatabase &db, const QString &to)
{
    return db.run(QStringLiteral("INSERT INTO status_changes (item, old_status, new_status, changed_at, "
                                 "changed_by) VALUES (1, '', ?, '2026-12-08T10:00:00Z', 'Ann')"),
                  {to})
        .outcome();
}

QByteArray damagedBytes(const QString &kind, const TempFolder &folder)
{
    if (kind == QLatin1String("not a database"))
        return QByteArray("These bytes were never a database.\r\n").repeated(200);
    // A real database with its pages cut off or overwritten past the header.
    {
        auto db = openOk(folder.path());
        for (int i = 0; i < 300; ++i)
            EXPECT_TRUE(addStatusChange(*db, QString(200, QLatin1Char('x'))));
    }
    QByteArray bytes = folder.read(QString::fromLatin1(RecordDatabase::FileName));
    QFile::remove(folder.file(QString::fromLatin1(RecordDatabase::FileName)));
    if (kind == QLatin1String("cut short"))
        return bytes.left(bytes.size() / 2);
    for (qsizetype i = 4096; i < bytes.size(); i += 7)
        bytes[i] = char(0xA5);
    return bytes;
}

} // namespace

TEST(RecordDatabase, MadeAtFirstOpenWithItsTablesAndWrittenThrough)
{
    TempFolder folder;
    auto db = openOk(folder.path());
    ASSERT_TRUE(db);
    EXPECT_TRUE(folder.exists(QString::fromLatin1(RecordDatabase::FileName)));
    EXPECT_EQ(db->version(), RecordSchema::currentVersion());
    for (const char *table : {"entry_versions", "status_changes", "decisions", "reviews", "review_intervals"})
        EXPECT_EQ(count(*db, QString::fromLatin1(table)), 0) << table;
    Result<QSqlQuery> sync = db->run(QStringLiteral("PRAGMA synchronous"));
    ASSERT_TRUE(sync);
    QSqlQuery &query = sync.value();
    ASSERT_TRUE(query.next());
    EXPECT_EQ(query.value(0).toInt(), 2); // FULL
}

TEST(RecordDatabase, ReadOnlyCopyNeitherMakesNorChangesIt)
{
    TempFolder folder;
    Result<RecordDatabase::Opened> none = RecordDatabase::open(folder.path(), Access::Read);
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->database);
    EXPECT_FALSE(folder.exists(QString::fromLatin1(RecordDatabase::FileName)));

    openOk(folder.path()).reset();
    const QByteArray before = folder.read(QString::fromLatin1(RecordDatabase::FileName));
    auto reader = openOk(folder.path(), Access::Read);
    ASSERT_TRUE(reader);
    EXPECT_TRUE(reader->isReadOnly());
    const Outcome refused = reader->change([&] { return addStatusChange(*reader, QStringLiteral("Done")); });
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("read-only")));
    reader.reset();
    EXPECT_EQ(folder.read(QString::fromLatin1(RecordDatabase::FileName)), before);
}

TEST(RecordDatabase, ChangeIsWholeOrNothing)
{
    TempFolder folder;
    auto db = openOk(folder.path());
    ASSERT_TRUE(db);
    const Outcome failed = db->change([&]() -> Outcome {
        if (Outcome first = addStatusChange(*db, QStringLiteral("Done")); !first)
            return first;
        return db->run(QStringLiteral("INSERT INTO no_such_table VALUES (1)")).outcome();
    });
    EXPECT_FALSE(failed);
    EXPECT_TRUE(failed.error.contains(QStringLiteral("Tessarel.sqlite")));
    EXPECT_EQ(count(*db, QStringLiteral("status_changes")), 0);
    EXPECT_TRUE(db->change([&] { return addStatusChange(*db, QStringLiteral("Done")); }));
    EXPECT_EQ(count(*db, QStringLiteral("status_changes")), 1);
}

TEST(RecordDatabase, DamagedFileIsReportedAndKeptAsideNeverReused)
{
    for (const QString &kind : {QStringLiteral("not a database"), QStringLiteral("cut short"),
                               QStringLiteral("pages overwritten")}) {
        SCOPED_TRACE(kind.toStdString());
        TempFolder folder;
        const QString name = QString::fromLatin1(RecordDatabase::FileName);
        const QByteArray damaged = damagedBytes(kind, folder);
        folder.write(name, damaged);

        Result<RecordDatabase::Opened> read = RecordDatabase::open(folder.path(), Access::Read);
        ASSERT_TRUE(read);
        EXPECT_FALSE(read->database);
        EXPECT_TRUE(read->notice.contains(QStringLiteral("damaged"))) << read->notice.toStdString();
        EXPECT_EQ(folder.read(name), damaged);

        Result<RecordDatabase::Opened> opened = RecordDatabase::open(folder.path(), Access::Write);
        ASSERT_TRUE(opened) << opened.error().toStdString();
        ASSERT_TRUE(opened->database);
        EXPECT_TRUE(opened->notice.contains(QStringLiteral("is damaged ("))) << opened->notice.toStdString();
        const QStringList aside =
            QDir(folder.path()).entryList({QStringLiteral("Tessarel (damaged *).sqlite")}, QDir::Files);
        ASSERT_EQ(aside.size(), 1);
        EXPECT_TRUE(opened->notice.contains(aside.first()));
        EXPECT_EQ(folder.read(aside.first()), damaged);
        EXPECT_EQ(count(*opened->database, QStringLiteral("status_changes")), 0);
    }
}

TEST(RecordDatabase, NewerVersionIsRefusedAndLeftAlone)
{
    TempFolder folder;
    {
        auto db = openOk(folder.path());
        ASSERT_TRUE(db->run(QStringLiteral("PRAGMA user_version = 99")));
    }
    const QByteArray before = folder.read(QString::fromLatin1(RecordDatabase::FileName));
    Result<RecordDatabase::Opened> opened = RecordDatabase::open(folder.path(), Access::Write);
    ASSERT_FALSE(opened);
    EXPECT_TRUE(opened.error().contains(QStringLiteral("newer version")));
    EXPECT_EQ(folder.read(QString::fromLatin1(RecordDatabase::FileName)), before);
}

TEST(RecordDatabase, CopyTakenDuringAnOpenTransactionHoldsOnlyWhatWasCommitted)
{
    TempFolder folder;
    auto db = openOk(folder.path());
    ASSERT_TRUE(db->change([&] { return addStatusChange(*db, QStringLiteral("Committed")); }));

    // A second connection, as another thread would hold it, in the middle of its own write.
    auto writer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("writer"));
    {
        writer.setDatabaseName(db->path());
        ASSERT_TRUE(writer.open());
        ASSERT_TRUE(writer.transaction());
        QSqlQuery insert(writer);
        ASSERT_TRUE(insert.exec(QStringLiteral(
            "INSERT INTO status_changes (item, old_status, new_status, changed_at, changed_by) "
            "VALUES (2, '', 'Uncommitted', 't', 'Bo')")));

        const QString copy = folder.file(QStringLiteral("copy.sqlite"));
        const Outcome copied = db->copyTo(copy);
        ASSERT_TRUE(copied) << copied.error.toStdString();
        EXPECT_FALSE(db->copyTo(copy)); // never over an existing file
        ASSERT_TRUE(writer.commit());

        QDir(folder.path()).mkdir(QStringLiteral("check"));
        ASSERT_TRUE(QFile::copy(copy, folder.file(QStringLiteral("check/Tessarel.sqlite"))));
        Result<RecordDatabase::Opened> check =
            RecordDatabase::open(folder.file(QStringLiteral("check")), Access::Read);
        ASSERT_TRUE(check && check->database) << check.error().toStdString();
        EXPECT_TRUE(check->notice.isEmpty());
        EXPECT_EQ(count(*check->database, QStringLiteral("status_changes")), 1);
    }
    writer = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("writer"));
    EXPECT_EQ(count(*db, QStringLiteral("status_changes")), 2);
}
