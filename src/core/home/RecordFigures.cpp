#include "core/home/RecordFigures.h"

#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"
#include "core/risk/RiskStore.h"

namespace RecordFigures {

namespace {

Figure figure(const char *caption, int count, Place::Kind kind, const char *filter = "")
{
    Figure made;
    made.caption = QString::fromUtf8(caption);
    made.count = count;
    made.place.kind = kind;
    made.place.filter = QString::fromUtf8(filter);
    return made;
}

// The figure a source gives when its part of the record cannot be read, saying why.
QList<Figure> unread(const char *caption, Place::Kind kind, const QString &reason)
{
    Figure failed = figure(caption, 0, kind);
    failed.note = QStringLiteral("Could not be read: ") + reason;
    return {failed};
}

} // namespace

QList<Figure> decisionFigures(const QMap<int, Decision> &current)
{
    int undecided = 0;
    for (int item : RecordItems::addressable())
        if (current.value(item).choice == Decision::Undecided)
            ++undecided;
    return {figure(undecidedCaption, undecided, Place::DecisionRegister, undecidedFilter)};
}

QList<Figure> reviewFigures(const QList<ReviewState> &due, QDate today)
{
    int overdue = 0;
    for (const ReviewState &state : due)
        if (state.nextDue < today)
            ++overdue;
    return {figure(overdueCaption, overdue, Place::ReviewList),
            figure(dueSoonCaption, int(due.size()) - overdue, Place::ReviewList)};
}

QList<Figure> riskFigures(const QList<Risk> &risks)
{
    int high = 0;
    for (const Risk &risk : risks)
        if (risk.open && risk.level() >= RiskScale::Level::High)
            ++high;
    return {figure(highRisksCaption, high, Place::RiskRegister, highRisksFilter)};
}

void addTo(DashboardModel &model, std::function<RecordDatabase *()> record, std::function<QDate()> today)
{
    model.addSource(QStringLiteral("Decisions"), [record] {
        RecordDatabase *db = record();
        if (!db)
            return decisionFigures({});
        const Result<QMap<int, Decision>> current = Decisions(*db).current();
        return current ? decisionFigures(*current)
                       : unread(undecidedCaption, Place::DecisionRegister, current.error());
    });
    model.addSource(QStringLiteral("Reviews"), [record, today] {
        RecordDatabase *db = record();
        const QDate now = today();
        if (!db)
            return reviewFigures({}, now);
        const Result<QList<ReviewState>> due = Reviews(*db).due(now);
        return due ? reviewFigures(*due, now) : unread(overdueCaption, Place::ReviewList, due.error());
    });
    model.addSource(QStringLiteral("Risks"), [record] {
        RecordDatabase *db = record();
        if (!db)
            return riskFigures({});
        const Result<QList<Risk>> risks = RiskStore(db->readConnection()).risks();
        return risks ? riskFigures(*risks) : unread(highRisksCaption, Place::RiskRegister, risks.error());
    });
}

} // namespace RecordFigures
