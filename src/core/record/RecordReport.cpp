#include "core/record/RecordReport.h"

#include <QLocale>

#include "core/record/EntryHistory.h"
#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"
#include "core/record/Reviews.h"
#include "core/catalogue/Catalogue.h"
#include "core/record/StatusHistory.h"

namespace RecordReport {

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);

QString date(QDate day)
{
    return day.isValid() ? english.toString(day, QStringLiteral("MMM d, yyyy")) : QStringLiteral("—");
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString page(const QString &title, const QString &headings, const QString &rows, const QDateTime &printed)
{
    return QStringLiteral("<html><body style=\"font-family:'Times New Roman'; font-size:10pt\">"
                          "<h2>%1</h2><p>Printed %2</p>"
                          "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">"
                          "<thead><tr style=\"background-color:#dddddd\">%3</tr></thead>%4</table></body></html>")
        .arg(title.toHtmlEscaped(), english.toString(printed, QStringLiteral("MMMM d, yyyy h:mm AP")), headings,
             rows);
}

QString headings(const QStringList &names)
{
    QString cells;
    for (const QString &name : names)
        cells += QStringLiteral("<th align=\"left\">%1</th>").arg(name.toHtmlEscaped());
    return cells;
}

QString decisionCell(const Decision &decision)
{
    QString cell = QStringLiteral("<b>%1</b>").arg(Decision::text(decision.choice).toHtmlEscaped());
    if (decision.choice == Decision::Undecided)
        return cell;
    if (!decision.reasons.trimmed().isEmpty())
        cell += QStringLiteral("<br>Reasons: ") + escaped(decision.reasons);
    if (!decision.alternative.trimmed().isEmpty())
        cell += QStringLiteral("<br>Alternative measure: ") + escaped(decision.alternative);
    return cell;
}

QString statusCell(const ItemRecord &row)
{
    QString cell = row.status.isEmpty() ? QStringLiteral("—") : row.status.toHtmlEscaped();
    if (row.statusSince.isValid())
        cell += QStringLiteral("<br>since %1").arg(date(row.statusSince));
    return cell;
}

} // namespace

QList<std::pair<int, Decision>> registerRows(const QMap<int, Decision> &current, bool undecidedOnly)
{
    QList<std::pair<int, Decision>> rows;
    for (int item : RecordItems::addressable()) {
        const Decision decision = current.value(item);
        if (!undecidedOnly || decision.choice == Decision::Undecided)
            rows.append({item, decision});
    }
    return rows;
}

QString registerHtml(const QList<std::pair<int, Decision>> &rows, const QDateTime &printed)
{
    QString body;
    for (const auto &[item, decision] : rows)
        body += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(RecordItems::title(item).toHtmlEscaped(), decisionCell(decision),
                         decision.decidedBy.toHtmlEscaped(), decision.decidedOn.isValid() ? date(decision.decidedOn) : QString());
    return page(QStringLiteral("Register of Addressable Decisions"),
                headings({QStringLiteral("Implementation specification"), QStringLiteral("Decision"),
                          QStringLiteral("Decided by"), QStringLiteral("Date")}),
                body, printed);
}

QList<QStringList> registerSheet(const QList<std::pair<int, Decision>> &rows)
{
    QList<QStringList> sheet{{QStringLiteral("Section"), QStringLiteral("Implementation specification"),
                              QStringLiteral("Decision"), QStringLiteral("Reasons"),
                              QStringLiteral("Alternative measure"), QStringLiteral("Decided by"),
                              QStringLiteral("Date")}};
    for (const auto &[item, decision] : rows) {
        const Catalogue::Item *found = Catalogue::item(item);
        sheet.append({found ? QString::fromLatin1(found->section) : QString(),
                      found ? Catalogue::displayed(found->specification) : QString(), Decision::text(decision.choice),
                      decision.reasons, decision.alternative, decision.decidedBy,
                      decision.decidedOn.toString(Qt::ISODate)});
    }
    return sheet;
}

Result<QList<ItemRecord>> items(RecordDatabase &db, const std::array<QString, 51> &statuses)
{
    Result<QMap<int, Decision>> decisions = Decisions(db).current();
    if (!decisions)
        return decisions.outcome();
    Result<QList<ReviewState>> reviews = Reviews(db).states();
    if (!reviews)
        return reviews.outcome();
    QList<ItemRecord> rows;
    for (int n = 1; n <= Catalogue::itemCount; ++n) {
        const Catalogue::Item *item = Catalogue::item(n);
        if (!item || item->isOverview())
            continue;
        ItemRecord row;
        row.item = n;
        row.status = statuses[size_t(n)].trimmed();
        row.addressable = RecordItems::isAddressable(n);
        row.decision = decisions->value(n);
        for (const ReviewState &state : reviews.value()) {
            if (state.item != n)
                continue;
            if (state.lastReviewed.isValid() && !(row.lastReviewed >= state.lastReviewed)) {
                row.lastReviewed = state.lastReviewed;
                row.reviewedBy = state.reviewedBy;
            }
            if (state.nextDue.isValid() && (!row.nextDue.isValid() || state.nextDue < row.nextDue))
                row.nextDue = state.nextDue;
        }
        Result<QList<StatusChange>> changes = StatusHistory(db).changes(n);
        if (!changes)
            return changes.outcome();
        if (!changes->isEmpty())
            row.statusSince = changes->last().at.toLocalTime().date();
        Result<int> versions = EntryHistory(db).count(n);
        if (!versions)
            return versions.outcome();
        row.versions = versions.value();
        rows.append(row);
    }
    return rows;
}

QString complianceHtml(const QList<ItemRecord> &rows, const QDateTime &printed)
{
    QString body;
    for (const ItemRecord &row : rows) {
        const QString review = row.lastReviewed.isValid()
                                   ? QStringLiteral("%1 (%2)").arg(date(row.lastReviewed), row.reviewedBy.toHtmlEscaped())
                                   : QStringLiteral("Not reviewed");
        body += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td align=\"right\">%6</td></tr>")
                    .arg(RecordItems::title(row.item).toHtmlEscaped(),
                         statusCell(row),
                         row.addressable ? decisionCell(row.decision) : QStringLiteral("Required"), review,
                         date(row.nextDue))
                    .arg(row.versions);
    }
    return page(QStringLiteral("Compliance Record"),
                headings({QStringLiteral("Implementation specification"), QStringLiteral("Status"),
                          QStringLiteral("Decision"), QStringLiteral("Last review"), QStringLiteral("Next review due"),
                          QStringLiteral("Versions")}),
                body, printed);
}

} // namespace RecordReport
