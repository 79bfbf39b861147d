#include <gtest/gtest.h>

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

#include "backup/BackupFixtures.h"
#include "backup/BackupReader.h"
#include "backup/BackupWriter.h"
#include "backup/WorkbookRestore.h"
#include "core/record/RecordDatabase.h"
#include "support/TempFolder.h"

using namespace BackupFixtures;

namespace {

// Writes pairs of status changes, each pair in one transaction, through a connection of its own until
// told to stop; how many pairs it committed.
class RecordWriter
{
public:
    explicit RecordWriter(const QString &path)
    {
        m_thread.reset(QThread::create([this, path] { run(path); }));
        m_thread->start();
        while (m_committed.loadAcquire() < 5)
            QThread::msleep(1);
    }
    int stop()
    {
        m_stop.storeRelease(1);
        m_thread->wait();
        return m_committed.loadAcquire();
    }

private:
    void run(const QString &path)
    {
        const QString name = QStringLiteral("backup-writer");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
            if (db.open()) {
                QSqlQuery query(db);
                query.exec(QStringLiteral("PRAGMA synchronous = FULL"));
                for (int n = 0; !m_stop.loadAcquire(); ++n) {
                    if (!db.transaction())
                        continue;
                    bool ok = true;
                    for (int half = 0; half < 2; ++half)
                        ok = ok && query.exec(QStringLiteral("INSERT INTO status_changes (item, old_status, "
                                                             "new_status, changed_at, changed_by) VALUES "
                                                             "(%1, '', 'x', 't', 'w')")
                                                  .arg(n));
                    if (ok && db.commit())
                        m_committed.fetchAndAddRelease(1);
                    else
                        db.rollback();
                }
            }
        }
        QSqlDatabase::removeDatabase(name);
    }

    std::unique_ptr<QThread> m_thread;
    QAtomicInt m_stop;
    QAtomicInt m_committed;
};

} // namespace

TEST(RecordBackup, BackupTakenWhileTheRecordIsWrittenRestoresAConsistentRecord)
{
    TempFolder workbook;
    writeFiles(workbook, sampleWorkbook());
    {
        Result<RecordDatabase::Opened> made = RecordDatabase::open(workbook.path(), RecordDatabase::Access::Write);
        ASSERT_TRUE(made && made->database);
    }
    RecordWriter writer(workbook.file(QStringLiteral("Tessarel.sqlite")));
    const QString zipPath = workbook.file(QStringLiteral("backup.zip"));
    const BackupOutcome outcome = backUpWorkbook(workbook.path(), zipPath, backupTime());
    const int committed = writer.stop();
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    ASSERT_TRUE(outcome.manifest.find(QStringLiteral("Tessarel.sqlite")));

    TempFolder restored;
    BackupReader backup(zipPath);
    ASSERT_TRUE(backup.verify()) << backup.error().toStdString();
    const RestoreOutcome done = restoreWorkbook(backup, restored.path(), backupTime());
    ASSERT_TRUE(done.ok) << done.error.toStdString();

    Result<RecordDatabase::Opened> reopened = RecordDatabase::open(restored.path(), RecordDatabase::Access::Write);
    ASSERT_TRUE(reopened && reopened->database) << reopened.error().toStdString();
    EXPECT_TRUE(reopened->notice.isEmpty()) << reopened->notice.toStdString();
    Result<QSqlQuery> pairs = reopened->database->run(
        QStringLiteral("SELECT COUNT(*), SUM(c = 2) FROM (SELECT COUNT(*) AS c FROM status_changes GROUP BY item)"));
    ASSERT_TRUE(pairs);
    QSqlQuery &query = pairs.value();
    ASSERT_TRUE(query.next());
    const int items = query.value(0).toInt();
    EXPECT_GE(items, 5) << "what was committed before the backup began";
    EXPECT_LE(items, committed);
    EXPECT_EQ(query.value(1).toInt(), items) << "no transaction half kept";
}

TEST(RecordBackup, DamagedRecordFailsTheBackupWithItsReasonAndIsLeftAlone)
{
    TempFolder workbook;
    writeFiles(workbook, sampleWorkbook());
    const QByteArray damaged = QByteArray("not a database at all").repeated(100);
    workbook.write(QStringLiteral("Tessarel.sqlite"), damaged);
    const BackupOutcome outcome = backUpWorkbook(workbook.path(), workbook.file(QStringLiteral("b.zip")), backupTime());
    ASSERT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.error.contains(QStringLiteral("Tessarel.sqlite could not be read or changed: file is not a "
                                                      "database")))
        << outcome.error.toStdString();
    EXPECT_FALSE(workbook.exists(QStringLiteral("b.zip")));
    EXPECT_EQ(workbook.read(QStringLiteral("Tessarel.sqlite")), damaged);
}
