#include "core/record/Reviews.h"

#include <QMap>
#include <algorithm>

#include "core/record/RecordDatabase.h"
#include "core/record/RecordTime.h"

namespace {

using Key = std::pair<int, int>;

// Runs `sql`, whose rows start with item and kind, handing each row to `take`.
Outcome eachRow(const RecordDatabase &db, const QString &sql, const std::function<void(Key, const QSqlQuery &)> &take)
{
    Result<QSqlQuery> read = db.run(sql);
    if (!read)
        return read.outcome();
    QSqlQuery &query = read.value();
    while (query.next())
        take({query.value(0).toInt(), query.value(1).toInt()}, query);
    return Outcome::done();
}

} // namespace

Outcome Reviews::recordReview(int item, int kind, QDate on, const QString &by, const QDateTime &at)
{
    if (!on.isValid() || by.trimmed().isEmpty())
        return Outcome::failed(QStringLiteral("A review needs its date and the name of who reviewed."));
    return m_db.change([&] {
        return m_db
            .run(QStringLiteral("INSERT INTO reviews (item, kind, reviewed_on, reviewed_by, recorded_at) "
                                "VALUES (?, ?, ?, ?, ?)"),
                 {item, kind, RecordTime::storedDate(on), by, RecordTime::stored(at)})
            .outcome();
    });
}

Outcome Reviews::setInterval(int item, int kind, int months)
{
    if (months < 1 || months > 120)
        return Outcome::failed(QStringLiteral("A review interval is 1 to 120 months."));
    return m_db.change([&] {
        return m_db
            .run(QStringLiteral("INSERT OR REPLACE INTO review_intervals (item, kind, months) VALUES (?, ?, ?)"),
                 {item, kind, months})
            .outcome();
    });
}

Result<QList<ReviewState>> Reviews::states() const
{
    QMap<Key, ReviewState> map;
    QMap<Key, QDate> firstSaved;
    const auto entry = [&](Key key) -> ReviewState & {
        ReviewState &state = map[key];
        state.item = key.first;
        state.kind = key.second;
        return state;
    };
    Outcome read = eachRow(m_db,
                           QStringLiteral("SELECT item, kind, reviewed_on, reviewed_by FROM reviews WHERE id IN "
                                          "(SELECT MAX(id) FROM reviews GROUP BY item, kind)"),
                           [&](Key key, const QSqlQuery &q) {
                               entry(key).lastReviewed = RecordTime::readDate(q.value(2).toString());
                               entry(key).reviewedBy = q.value(3).toString();
                           });
    if (read)
        read = eachRow(m_db, QStringLiteral("SELECT item, kind, months FROM review_intervals"),
                       [&](Key key, const QSqlQuery &q) { entry(key).months = q.value(2).toInt(); });
    if (read)
        read = eachRow(m_db,
                       QStringLiteral("SELECT item, kind, MIN(saved_at) FROM entry_versions GROUP BY item, kind"),
                       [&](Key key, const QSqlQuery &q) {
                           entry(key);
                           firstSaved[key] = RecordTime::read(q.value(2).toString()).date();
                       });
    if (!read)
        return read;
    QList<ReviewState> list;
    for (auto it = map.begin(); it != map.end(); ++it) {
        ReviewState &state = it.value();
        const QDate base = state.lastReviewed.isValid() ? state.lastReviewed : firstSaved.value(it.key());
        state.nextDue = base.isValid() ? base.addMonths(state.months) : QDate();
        list.append(state);
    }
    return list;
}

Result<ReviewState> Reviews::state(int item, int kind) const
{
    Result<QList<ReviewState>> all = states();
    if (!all)
        return all.outcome();
    for (const ReviewState &state : all.value())
        if (state.item == item && state.kind == kind)
            return state;
    ReviewState none;
    none.item = item;
    none.kind = kind;
    return none;
}

Result<QList<ReviewState>> Reviews::due(QDate today) const
{
    Result<QList<ReviewState>> all = states();
    if (!all)
        return all.outcome();
    QList<ReviewState> list;
    for (const ReviewState &state : all.value())
        if (state.nextDue.isValid() && state.nextDue <= today.addDays(DueWithinDays))
            list.append(state);
    std::stable_sort(list.begin(), list.end(),
                     [](const ReviewState &a, const ReviewState &b) { return a.nextDue < b.nextDue; });
    return list;
}
