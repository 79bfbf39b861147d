#include "core/record/EntryHistory.h"

#include <QCryptographicHash>

#include "core/record/RecordDatabase.h"
#include "core/record/RecordTime.h"

namespace {

QByteArray hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

} // namespace

Outcome EntryHistory::recordSave(int item, int kind, const QByteArray &before, const QDateTime &beforeTime,
                                 const QByteArray &after, const QString &user, const QDateTime &now)
{
    if (before == after)
        return Outcome::done();
    return m_db.change([&]() -> Outcome {
        Result<QSqlQuery> last = m_db.run(
            QStringLiteral("SELECT sha256 FROM entry_versions WHERE item = ? AND kind = ? ORDER BY id DESC LIMIT 1"),
            {item, kind});
        if (!last)
            return last.outcome();
        QSqlQuery &query = last.value();
        const QByteArray lastHash = query.next() ? query.value(0).toByteArray() : QByteArray();
        if (!before.isEmpty() && lastHash != hashOf(before))
            if (Outcome kept = add(item, kind, before, beforeTime, QString()); !kept)
                return kept;
        return add(item, kind, after, now, user);
    });
}

Outcome EntryHistory::add(int item, int kind, const QByteArray &bytes, const QDateTime &at, const QString &user)
{
    return m_db
        .run(QStringLiteral("INSERT INTO entry_versions (item, kind, saved_at, saved_by, size, sha256, content) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?)"),
             {item, kind, RecordTime::stored(at), user, qint64(bytes.size()), hashOf(bytes), qCompress(bytes)})
        .outcome();
}

Result<QList<EntryVersion>> EntryHistory::versions(int item, int kind) const
{
    Result<QSqlQuery> read = m_db.run(QStringLiteral("SELECT id, saved_at, saved_by, size, sha256 FROM "
                                                     "entry_versions WHERE item = ? AND kind = ? ORDER BY id"),
                                      {item, kind});
    if (!read)
        return read.outcome();
    QSqlQuery &query = read.value();
    QList<EntryVersion> list;
    while (query.next())
        list.append({query.value(0).toLongLong(), RecordTime::read(query.value(1).toString()),
                     query.value(2).toString(), query.value(3).toLongLong(), query.value(4).toByteArray()});
    return list;
}

Result<QByteArray> EntryHistory::content(qint64 id) const
{
    Result<QSqlQuery> read =
        m_db.run(QStringLiteral("SELECT content, sha256 FROM entry_versions WHERE id = ?"), {id});
    if (!read)
        return read.outcome();
    QSqlQuery &query = read.value();
    if (!query.next())
        return Outcome::failed(QStringLiteral("Version %1 is not in the compliance record %2.").arg(id).arg(m_db.path()));
    const QByteArray bytes = qUncompress(query.value(0).toByteArray());
    if (hashOf(bytes) != query.value(1).toByteArray())
        return Outcome::failed(QStringLiteral("Version %1 in the compliance record %2 is damaged: its text does not "
                                              "match its SHA-256.")
                                   .arg(id)
                                   .arg(m_db.path()));
    return bytes;
}

Result<int> EntryHistory::count(int item) const
{
    Result<QSqlQuery> read =
        m_db.run(QStringLiteral("SELECT COUNT(*) FROM entry_versions WHERE item = ?"), {item});
    if (!read)
        return read.outcome();
    QSqlQuery &query = read.value();
    return query.next() ? query.value(0).toInt() : 0;
}
