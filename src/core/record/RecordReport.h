#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <array>

#include "core/files/Outcome.h"
#include "core/record/Decisions.h"

class RecordDatabase;

// The printed pages of the compliance record, as HTML for a QTextDocument: the register of the
// Addressable decisions and the compliance record report an auditor reads.
namespace RecordReport {

// The register: the Addressable items in order with their current decision (Undecided when none);
// with `undecidedOnly`, those without one.
QList<std::pair<int, Decision>> registerRows(const QMap<int, Decision> &current, bool undecidedOnly);
QString registerHtml(const QList<std::pair<int, Decision>> &rows, const QDateTime &printed);
// The register as a sheet for a CSV file: a heading row, then one row per item with the section, the
// specification, the decision, its reasons and measure apart, who decided and the date (yyyy-MM-dd).
QList<QStringList> registerSheet(const QList<std::pair<int, Decision>> &rows);

// One catalogue item as the report shows it.
struct ItemRecord {
    int item = 0;
    QString status;
    QDate statusSince; // the date of the last status change recorded; invalid when none
    bool addressable = false;
    Decision decision;
    QDate lastReviewed; // of its entries, the latest
    QString reviewedBy;
    QDate nextDue;      // of its entries, the earliest
    int versions = 0;
};

// Every item of the catalogue with a specification, from the record and `statuses` (index = item).
[[nodiscard]] Result<QList<ItemRecord>> items(RecordDatabase &db, const std::array<QString, 51> &statuses);
QString complianceHtml(const QList<ItemRecord> &rows, const QDateTime &printed);

} // namespace RecordReport
