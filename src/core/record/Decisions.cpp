#include "core/record/Decisions.h"

#include "core/record/RecordDatabase.h"
#include "core/record/RecordTime.h"

namespace {

Decision fromRow(const QSqlQuery &query, int first)
{
    Decision d;
    d.choice = Decision::Choice(query.value(first).toInt());
    d.reasons = query.value(first + 1).toString();
    d.alternative = query.value(first + 2).toString();
    d.decidedBy = query.value(first + 3).toString();
    d.decidedOn = RecordTime::readDate(query.value(first + 4).toString());
    d.recordedAt = RecordTime::read(query.value(first + 5).toString());
    return d;
}

const QString columns = QStringLiteral("decision, reasons, alternative, decided_by, decided_on, recorded_at");

} // namespace

QString Decision::text(Choice choice)
{
    switch (choice) {
    case AsSpecified:
        return QStringLiteral("Implemented as specified");
    case Alternative:
        return QStringLiteral("Equivalent alternative measure implemented");
    case NotReasonable:
        return QStringLiteral("Not reasonable and appropriate");
    case Undecided:
        break;
    }
    return QStringLiteral("Undecided");
}

QString Decision::missing() const
{
    if (choice == Undecided)
        return QStringLiteral("Choose a decision.");
    if (choice != AsSpecified && reasons.trimmed().isEmpty())
        return QStringLiteral("Give the reasons for this decision: the rule asks that they be documented.");
    if (choice == Alternative && alternative.trimmed().isEmpty())
        return QStringLiteral("Describe the equivalent alternative measure implemented.");
    if (decidedBy.trimmed().isEmpty())
        return QStringLiteral("Give the name of who decided.");
    if (!decidedOn.isValid())
        return QStringLiteral("Give the date of the decision.");
    return {};
}

Outcome Decisions::record(int item, const Decision &decision)
{
    if (const QString missing = decision.missing(); !missing.isEmpty())
        return Outcome::failed(missing);
    Result<QMap<int, Decision>> now = current();
    if (!now)
        return now.outcome();
    if (const auto found = now->constFind(item); found != now->constEnd()) {
        Decision same = decision;
        same.recordedAt = found->recordedAt;
        if (same == *found)
            return Outcome::done();
    }
    return m_db.change([&] {
        return m_db
            .run(QStringLiteral("INSERT INTO decisions (item, %1) VALUES (?, ?, ?, ?, ?, ?, ?)").arg(columns),
                 {item, int(decision.choice), decision.reasons, decision.alternative, decision.decidedBy,
                  RecordTime::storedDate(decision.decidedOn), RecordTime::stored(decision.recordedAt)})
            .outcome();
    });
}

Result<QMap<int, Decision>> Decisions::current() const
{
    Result<QSqlQuery> read = m_db.run(
        QStringLiteral("SELECT item, %1 FROM decisions WHERE id IN (SELECT MAX(id) FROM decisions GROUP BY item)")
            .arg(columns));
    if (!read)
        return read.outcome();
    QSqlQuery &query = read.value();
    QMap<int, Decision> map;
    while (query.next())
        map.insert(query.value(0).toInt(), fromRow(query, 1));
    return map;
}

Result<QList<Decision>> Decisions::history(int item) const
{
    Result<QSqlQuery> read =
        m_db.run(QStringLiteral("SELECT %1 FROM decisions WHERE item = ? ORDER BY id").arg(columns), {item});
    if (!read)
        return read.outcome();
    QSqlQuery &query = read.value();
    QList<Decision> list;
    while (query.next())
        list.append(fromRow(query, 0));
    return list;
}
