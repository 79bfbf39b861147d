#include "core/record/RecordDatabase.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QTemporaryDir>
#include <utility>

#include "core/files/FileLimits.h"
#include "core/record/RecordSchema.h"

namespace {

// Files SQLite keeps beside a database while it changes it; they belong with it when it is moved.
const char *const companions[] = {"-journal", "-wal", "-shm"};

QString newConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("record-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString errorText(const QSqlError &error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? QStringLiteral("an unknown error") : text;
}

// Moves the database at `path` and its companions to `aside`; the reason when the database itself
// could not be moved.
QString moveAside(const QString &path, const QString &aside)
{
    if (!QFile::rename(path, aside))
        return QFile(path).errorString();
    for (const char *suffix : companions) {
        const QString companion = path + QLatin1String(suffix);
        if (QFileInfo::exists(companion))
            (void)QFile::rename(companion, aside + QLatin1String(suffix));
    }
    return {};
}

RecordDatabase *installed = nullptr;

} // namespace

RecordDatabase *RecordDatabase::current()
{
    return installed;
}

void RecordDatabase::install(RecordDatabase *database)
{
    installed = database;
}

RecordDatabase::RecordDatabase(QString path, Access access, bool check)
    : m_path(std::move(path)), m_access(access), m_check(check), m_connection(newConnectionName())
{
}

RecordDatabase::~RecordDatabase()
{
    if (installed == this)
        installed = nullptr;
    disconnect();
}

void RecordDatabase::disconnect()
{
    if (!m_db.isValid())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

QString RecordDatabase::failure(const QString &what, const QString &reason) const
{
    return QStringLiteral("The compliance record %1 could not %2: %3.")
        .arg(QDir::toNativeSeparators(m_path), what, reason);
}

QString RecordDatabase::damagedPath(const QString &path, const QDateTime &when)
{
    const QFileInfo info(path);
    const QString stem = info.completeBaseName();
    const QString stamp = when.toString(QStringLiteral("yyyy-MM-dd HHmmss"));
    QString aside = info.dir().filePath(QStringLiteral("%1 (damaged %2).%3").arg(stem, stamp, info.suffix()));
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = info.dir().filePath(
            QStringLiteral("%1 (damaged %2) %3.%4").arg(stem, stamp).arg(n).arg(info.suffix()));
    return aside;
}

Result<RecordDatabase::Opened> RecordDatabase::open(const QString &folder, Access access, bool check)
{
    const QString path = QDir(folder).filePath(QString::fromLatin1(FileName));
    Opened opened;
    if (access == Access::Read && !QFileInfo::exists(path))
        return opened;
    auto database = std::unique_ptr<RecordDatabase>(new RecordDatabase(path, access, check));
    bool usable = false;
    if (Outcome started = database->start(&opened.notice, &usable); !started)
        return started;
    if (usable)
        opened.database = std::move(database);
    return opened;
}

void RecordDatabase::close()
{
    disconnect();
}

Outcome RecordDatabase::reopen(QString *notice)
{
    disconnect();
    if (m_access == Access::Read && !QFileInfo::exists(m_path))
        return Outcome::failed(failure(QStringLiteral("be opened"), QStringLiteral("it is gone")));
    bool usable = false;
    Outcome started = start(notice, &usable);
    if (started && !usable) {
        disconnect();
        return Outcome::failed(*notice);
    }
    return started;
}

Outcome RecordDatabase::start(QString *notice, bool *usable)
{
    *usable = false;
    if (QFileInfo::exists(m_path)) {
        Outcome connected = connect();
        const QString damage = !connected ? connected.error : m_check ? this->damage() : QString();
        if (!damage.isEmpty()) {
            disconnect();
            if (m_access == Access::Read) {
                *notice = QStringLiteral("The compliance record %1 is damaged (%2); it is not shown.")
                              .arg(QDir::toNativeSeparators(m_path), damage);
                return Outcome::done();
            }
            const QString aside = damagedPath(m_path, QDateTime::currentDateTime());
            if (const QString notMoved = moveAside(m_path, aside); !notMoved.isEmpty())
                return Outcome::failed(
                    failure(QStringLiteral("be opened (%1) nor moved aside").arg(damage), notMoved));
            *notice =
                QStringLiteral("The compliance record %1 is damaged (%2). It was kept as \"%3\" and a new, "
                               "empty record was started; restore a backup to bring back what it held.")
                    .arg(QDir::toNativeSeparators(m_path), damage, QFileInfo(aside).fileName());
        }
    }
    // A workbook gets its record file with its first change; until then reads see the empty tables.
    m_unmade = m_access == Access::Write && !QFileInfo::exists(m_path);
    if (!m_db.isOpen())
        if (Outcome connected = connect(); !connected)
            return connected;
    if (m_access == Access::Write) {
        if (Outcome migrated = migrate(); !migrated)
            return migrated;
    } else if (version() > RecordSchema::currentVersion()) {
        *notice = failure(QStringLiteral("be read"), QStringLiteral("a newer version of the program wrote it"));
        return Outcome::done();
    }
    *usable = true;
    return Outcome::done();
}

Result<QByteArray> RecordDatabase::snapshot(const QString &folder, qint64 limit)
{
    // VACUUM INTO reads every page: a damaged file fails it without a check of its own.
    Result<Opened> opened = open(folder, Access::Read, false);
    if (!opened)
        return opened.outcome();
    if (!opened->database)
        return Outcome::failed(opened->notice.isEmpty()
                                   ? QStringLiteral("%1 is gone.").arg(QString::fromLatin1(FileName))
                                   : opened->notice);
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return Outcome::failed(QStringLiteral("The compliance record could not be copied: no temporary folder "
                                              "could be made (%1).")
                                   .arg(scratch.errorString()));
    const QString copyPath = scratch.filePath(QString::fromLatin1(FileName));
    if (Outcome copied = opened->database->copyTo(copyPath); !copied)
        return copied;
    QFile copy(copyPath);
    if (!copy.open(QIODevice::ReadOnly))
        return Outcome::failed(QStringLiteral("The copy of the compliance record could not be read: %1.")
                                   .arg(copy.errorString()));
    if (copy.size() > limit)
        return Outcome::failed(QStringLiteral("%1 is larger than a backup can hold (%2)")
                                   .arg(QString::fromLatin1(FileName), FileLimits::sizeText(limit)));
    QByteArray bytes = copy.readAll();
    if (copy.error() != QFileDevice::NoError)
        return Outcome::failed(QStringLiteral("The copy of the compliance record could not be read: %1.")
                                   .arg(copy.errorString()));
    return bytes;
}

Outcome RecordDatabase::connect()
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(m_unmade ? QStringLiteral(":memory:") : m_path);
    m_db.setConnectOptions(m_access == Access::Read
                               ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=10000")
                               : QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!m_db.open())
        return Outcome::failed(failure(QStringLiteral("be opened"), errorText(m_db.lastError())));
    if (m_access == Access::Write) {
        for (const auto *pragma : {"PRAGMA journal_mode = DELETE", "PRAGMA synchronous = FULL"}) {
            Result<QSqlQuery> set = run(QString::fromLatin1(pragma));
            if (!set)
                return set.outcome();
        }
    }
    return Outcome::done();
}

QString RecordDatabase::damage() const
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")))
        return errorText(query.lastError());
    QStringList problems;
    while (query.next())
        problems.append(query.value(0).toString());
    if (problems == QStringList{QStringLiteral("ok")})
        return {};
    return problems.isEmpty() ? QStringLiteral("its check gave no answer") : problems.join(QStringLiteral("; "));
}

int RecordDatabase::version() const
{
    Result<QSqlQuery> read = run(QStringLiteral("PRAGMA user_version"));
    if (!read)
        return -1;
    QSqlQuery &query = read.value();
    return query.next() ? query.value(0).toInt() : -1;
}

Outcome RecordDatabase::migrate()
{
    const int from = version();
    const int to = RecordSchema::currentVersion();
    if (from < 0)
        return Outcome::failed(failure(QStringLiteral("be read"), QStringLiteral("its version is unreadable")));
    if (from > to)
        return Outcome::failed(
            failure(QStringLiteral("be opened"), QStringLiteral("a newer version of the program wrote it")));
    if (from == to)
        return Outcome::done();
    // Tables made in memory for a file not made yet stay there.
    const bool unmade = std::exchange(m_unmade, false);
    Outcome migrated = change([&]() -> Outcome {
        const auto steps = RecordSchema::steps();
        for (int step = from; step < to; ++step)
            for (const QString &statement : steps[size_t(step)].statements)
                if (Result<QSqlQuery> done = run(statement); !done)
                    return done.outcome();
        return run(QStringLiteral("PRAGMA user_version = %1").arg(to)).outcome();
    });
    m_unmade = unmade;
    return migrated;
}

Result<QSqlQuery> RecordDatabase::run(const QString &sql, const QVariantList &values) const
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return Outcome::failed(failure(QStringLiteral("be read or changed"), errorText(query.lastError())));
    for (const QVariant &value : values) {
        // A null text would be stored as NULL; the record keeps it as an empty one.
        const bool nullText = value.typeId() == QMetaType::QString && value.toString().isNull();
        query.addBindValue(nullText ? QVariant(QStringLiteral("")) : value);
    }
    if (!query.exec())
        return Outcome::failed(failure(QStringLiteral("be read or changed"), errorText(query.lastError())));
    return query;
}

Outcome RecordDatabase::makeFile()
{
    if (!m_unmade)
        return Outcome::done();
    disconnect();
    m_unmade = false;
    if (Outcome made = connect(); !made)
        return made;
    return migrate();
}

QSqlDatabase RecordDatabase::connection()
{
    // A record that cannot make its file hands out the closed connection: the store's own step fails
    // and names the reason.
    static_cast<void>(makeFile());
    return m_db;
}

Outcome RecordDatabase::change(const std::function<Outcome()> &work)
{
    if (isReadOnly())
        return Outcome::failed(failure(QStringLiteral("be changed"),
                                       QStringLiteral("this copy opened the workbook read-only")));
    if (Outcome made = makeFile(); !made)
        return made;
    if (m_changeDepth > 0) {
        // Part of an enclosing change: committed or rolled back with it.
        ++m_changeDepth;
        Outcome outcome = work();
        --m_changeDepth;
        return outcome;
    }
    if (!m_db.transaction())
        return Outcome::failed(failure(QStringLiteral("be changed"), errorText(m_db.lastError())));
    ++m_changeDepth;
    Outcome outcome = work();
    --m_changeDepth;
    if (outcome && !m_db.commit())
        outcome = Outcome::failed(failure(QStringLiteral("save a change"), errorText(m_db.lastError())));
    if (!outcome)
        m_db.rollback();
    return outcome;
}

Outcome RecordDatabase::copyTo(const QString &target) const
{
    if (QFileInfo::exists(target))
        return Outcome::failed(failure(QStringLiteral("be copied to %1").arg(QDir::toNativeSeparators(target)),
                                       QStringLiteral("a file of that name exists")));
    return run(QStringLiteral("VACUUM INTO ?"), {target}).outcome();
}
