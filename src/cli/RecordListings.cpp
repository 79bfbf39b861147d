#include "cli/RecordListings.h"

#include <algorithm>

#include "core/record/Decisions.h"
#include "core/record/EntryHistory.h"
#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"
#include "core/record/RecordReport.h"
#include "core/record/Reviews.h"
#include "core/record/StatusHistory.h"
#include "core/risk/RiskStore.h"
#include "core/risk/RiskTableModel.h"

namespace RecordListings {

namespace {

QString dateText(QDate date)
{
    return date.toString(Qt::ISODate);
}

QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODate);
}

// Runs `read` on the record of `folder`, or gives `empty` when the workbook has none.
template <typename T, typename Read>
Result<T> fromRecord(const QString &folder, T empty, Read read)
{
    Result<std::unique_ptr<RecordDatabase>> record = open(folder);
    if (!record)
        return record.outcome();
    if (!record.value())
        return empty;
    return read(*record.value());
}

} // namespace

Result<std::unique_ptr<RecordDatabase>> open(const QString &folder)
{
    Result<RecordDatabase::Opened> opened = RecordDatabase::open(folder, RecordDatabase::Access::Read);
    if (!opened)
        return opened.outcome();
    if (!opened->database && !opened->notice.isEmpty())
        return Outcome::failed(opened->notice);
    return std::move(opened.value().database);
}

Result<TableText> decisions(const QString &folder, bool undecidedOnly)
{
    const Result<QMap<int, Decision>> current = fromRecord<QMap<int, Decision>>(
        folder, {}, [](RecordDatabase &db) { return Decisions(db).current(); });
    if (!current)
        return current.outcome();
    QList<QStringList> sheet = RecordReport::registerSheet(RecordReport::registerRows(*current, undecidedOnly));
    TableText listing;
    listing.columns = sheet.takeFirst();
    listing.rows = sheet;
    return listing;
}

Result<TableText> reviews(const QString &folder, bool dueOnly, QDate today)
{
    const Result<QList<ReviewState>> states =
        fromRecord<QList<ReviewState>>(folder, {}, [&](RecordDatabase &db) {
            return dueOnly ? Reviews(db).due(today) : Reviews(db).states();
        });
    if (!states)
        return states.outcome();
    TableText listing;
    listing.columns = {QStringLiteral("Item"),          QStringLiteral("Implementation specification"),
                       QStringLiteral("Entry"),         QStringLiteral("Last reviewed"),
                       QStringLiteral("Reviewed by"),   QStringLiteral("Interval (months)"),
                       QStringLiteral("Next review due")};
    for (const ReviewState &state : *states)
        listing.rows.append({QString::number(state.item), RecordItems::title(state.item),
                             RecordItems::kindName(state.kind), dateText(state.lastReviewed), state.reviewedBy,
                             QString::number(state.months), dateText(state.nextDue)});
    return listing;
}

Result<TableText> history(const QString &folder, int item)
{
    struct Line {
        QDateTime at;
        QStringList cells;
    };
    const Result<QList<Line>> lines = fromRecord<QList<Line>>(folder, {}, [item](RecordDatabase &db) -> Result<QList<Line>> {
        QList<Line> read;
        for (int kind : RecordItems::kinds()) {
            const Result<QList<EntryVersion>> versions = EntryHistory(db).versions(item, kind);
            if (!versions)
                return versions.outcome();
            for (const EntryVersion &version : *versions)
                read.append({version.savedAt,
                             {timeText(version.savedAt), RecordItems::kindName(kind), version.savedBy,
                              QString::number(version.size), QString::fromLatin1(version.sha256), {}, {}}});
        }
        const Result<QList<StatusChange>> changes = StatusHistory(db).changes(item);
        if (!changes)
            return changes.outcome();
        for (const StatusChange &change : *changes)
            read.append({change.at, {timeText(change.at), QStringLiteral("Status"), change.by, {}, {}, change.from,
                                     change.to}});
        std::stable_sort(read.begin(), read.end(), [](const Line &a, const Line &b) { return a.at < b.at; });
        return read;
    });
    if (!lines)
        return lines.outcome();
    TableText listing;
    listing.columns = {QStringLiteral("Time"), QStringLiteral("What"),       QStringLiteral("By"),
                       QStringLiteral("Size"), QStringLiteral("SHA-256"),    QStringLiteral("Old status"),
                       QStringLiteral("New status")};
    for (const Line &line : *lines)
        listing.rows.append(line.cells);
    return listing;
}

Result<QList<Risk>> risks(const QString &folder, const RiskFilter &filter)
{
    Result<QList<Risk>> all = fromRecord<QList<Risk>>(
        folder, {}, [](RecordDatabase &db) { return RiskStore(db.readConnection()).risks(); });
    if (all)
        all.value().removeIf([&filter](const Risk &risk) { return !filter.matches(risk); });
    return all;
}

TableText riskTable(const QList<Risk> &risks)
{
    RiskTableModel model;
    model.setRisks(risks);
    TableText listing;
    for (int column = 0; column < model.columnCount(); ++column)
        listing.columns.append(model.headerData(column, Qt::Horizontal).toString());
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells.append(model.data(model.index(row, column)).toString());
        listing.rows.append(cells);
    }
    return listing;
}

} // namespace RecordListings
