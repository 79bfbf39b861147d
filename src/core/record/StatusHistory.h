#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include "components/files/Outcome.h"

class RecordDatabase;

struct StatusChange {
    QString from;
    QString to;
    QDateTime at;
    QString by;
};

// The dated changes of the items' statuses; the status file keeps only the latest value.
class StatusHistory
{
public:
    explicit StatusHistory(RecordDatabase &database) : m_db(database) {}

    // Records that the status of `item` went from `from` to `to`; nothing when they are equal.
    [[nodiscard]] Outcome record(int item, const QString &from, const QString &to, const QString &user,
                                 const QDateTime &at);
    // The changes of `item`, oldest first.
    [[nodiscard]] Result<QList<StatusChange>> changes(int item) const;

private:
    RecordDatabase &m_db;
};
