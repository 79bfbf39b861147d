#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>

#include "core/files/FileNames.h"
#include "core/files/Outcome.h"

// The compliance record of a workbook folder: one SQLite database, Tessarel.sqlite, beside the workbook
// files. Only the copy holding the folder's lock writes it; it is checked whenever it is opened, brought
// up to the current tables by RecordSchema's steps, and changed only in whole transactions written
// through to the disk. A damaged file is never emptied or overwritten: it is moved aside and the user is
// told why.
class RecordDatabase
{
public:
    static constexpr auto FileName = FileNames::ComplianceRecord;

    enum class Access {
        Write, // the lock's holder: the file made by the first change, tables brought up to date
        Read   // a read-only copy: an existing record only, nothing is written
    };

    struct Opened {
        // Null when there is nothing to open (a read-only copy and no record yet, or a damaged one).
        std::unique_ptr<RecordDatabase> database;
        // For the user: what was found wrong at opening and what was done about it; empty when nothing.
        QString notice;
    };

    // Opens the record of `folder`, checked unless `check` is false (for a reader that reads every page
    // anyway and fails on a damaged one). Fails (the file named, the reason given) only when it can be
    // neither opened nor set aside.
    [[nodiscard]] static Result<Opened> open(const QString &folder, Access access, bool check = true);

    // The record of the workbook in use, installed by the session that opened it; null when there is none
    // (not opened yet, damaged beyond use, or a read-only copy of a workbook that has none).
    static RecordDatabase *current();
    static void install(RecordDatabase *database);

    ~RecordDatabase();
    RecordDatabase(const RecordDatabase &) = delete;
    RecordDatabase &operator=(const RecordDatabase &) = delete;

    const QString &path() const { return m_path; }
    bool isReadOnly() const { return m_access == Access::Read; }
    int version() const;
    // The open connection, for stores that keep their own tables in the record. A writable record makes
    // its file first, so that what they write through it is kept.
    QSqlDatabase connection();
    // The open connection for reading only: a record whose file is not made yet reads its empty tables
    // and stays without a file.
    QSqlDatabase readConnection() const { return m_db; }

    // Runs one statement with its bound values; the finished query, or a sentence naming the file.
    [[nodiscard]] Result<QSqlQuery> run(const QString &sql, const QVariantList &values = {}) const;

    // Runs `work` in one transaction: committed when it returns done, rolled back otherwise. A change
    // made inside another one belongs to the outer transaction.
    [[nodiscard]] Outcome change(const std::function<Outcome()> &work);

    // Writes a consistent copy of the whole database to `target` (which must not exist), even while
    // another connection is writing it.
    [[nodiscard]] Outcome copyTo(const QString &target) const;

    // A consistent copy of the record in `folder` as a backup holds it, taken through a read-only
    // connection while the program may be writing it; refused when larger than `limit` or damaged.
    [[nodiscard]] static Result<QByteArray> snapshot(const QString &folder, qint64 limit);

    // Lets go of the file, so that a restore can replace it, and opens it again afterwards, checked
    // as at first. reopen() tells what it found wrong, as open() does, in `notice`.
    void close();
    [[nodiscard]] Outcome reopen(QString *notice);

    // Where the damaged file `path` is kept: "Tessarel (damaged 2026-12-08 233000).sqlite".
    static QString damagedPath(const QString &path, const QDateTime &when);

private:
    RecordDatabase(QString path, Access access, bool check);
    [[nodiscard]] Outcome connect();
    // Connects, checks the file (moving a damaged one aside), brings the tables up to date. `usable`
    // false when a read-only copy found the file damaged or written by a newer version.
    [[nodiscard]] Outcome start(QString *notice, bool *usable);
    // Empty when the file passed PRAGMA quick_check, otherwise what is wrong with it.
    QString damage() const;
    [[nodiscard]] Outcome migrate();
    // Moves a writable record from its empty tables in memory into its file.
    [[nodiscard]] Outcome makeFile();
    QString failure(const QString &what, const QString &reason) const;
    void disconnect();

    QString m_path;
    Access m_access;
    bool m_check;
    QString m_connection;
    QSqlDatabase m_db;
    int m_changeDepth = 0;
    // Writable, but the file is not made yet: the tables are in memory until the first change.
    bool m_unmade = false;
};
