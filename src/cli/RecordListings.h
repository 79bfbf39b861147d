#pragma once

#include <QDate>
#include <memory>

#include "cli/TableText.h"
#include "core/files/Outcome.h"
#include "core/risk/Risk.h"
#include "core/risk/RiskFilter.h"

class RecordDatabase;

// What the command-line tool lists from a workbook's compliance record. The record is opened read-only:
// a workbook without one lists what an empty record holds and is left without one.
namespace RecordListings {

// The record of `folder`: null when the workbook has none yet; a damaged one fails, named.
[[nodiscard]] Result<std::unique_ptr<RecordDatabase>> open(const QString &folder);

// The Addressable items with their decisions, as the register saves them; only the undecided ones
// with `undecidedOnly`.
Result<TableText> decisions(const QString &folder, bool undecidedOnly);

// Each entry with a review or a saved version; only those due by `today` + 30 days with `dueOnly`.
Result<TableText> reviews(const QString &folder, bool dueOnly, QDate today);

// The saved versions of the item's entries and its status changes, oldest first.
Result<TableText> history(const QString &folder, int item);

// The register's risks that pass `filter`, in the order they were added.
Result<QList<Risk>> risks(const QString &folder, const RiskFilter &filter);
// The risks under the register window's columns.
TableText riskTable(const QList<Risk> &risks);

} // namespace RecordListings
