#include "core/record/StatusHistory.h"

#include "core/record/RecordDatabase.h"
#include "core/record/RecordTime.h"

Outcome StatusHistory::record(int item, const QString &from, const QString &to, const QString &user,
                              const QDateTime &at)
{
    if (from == to)
        return Outcome::done();
    return m_db.change([&] {
        return m_db
            .run(QStringLiteral("INSERT INTO status_changes (item, old_status, new_status, changed_at, changed_by) "
                                "VALUES (?, ?, ?, ?, ?)"),
                 {item, from, to, RecordTime::stored(at), user})
            .outcome();
    });
}

Result<QList<StatusChange>> StatusHistory::changes(int item) const
{
    Result<QSqlQuery> read = m_db.run(QStringLiteral("SELECT old_status, new_status, changed_at, changed_by FROM "
                                                     "status_changes WHERE item = ? ORDER BY id"),
                                      {item});
    if (!read)
        return read.outcome();
    QSqlQuery &query = read.value();
    QList<StatusChange> list;
    while (query.next())
        list.append({query.value(0).toString(), query.value(1).toString(),
                     RecordTime::read(query.value(2).toString()), query.value(3).toString()});
    return list;
}
