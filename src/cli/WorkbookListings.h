#pragma once

#include "cli/TableText.h"
#include "core/files/Outcome.h"

// What the command-line tool lists from a workbook folder, read without writing anything there.
namespace WorkbookListings {

// The 47 safeguards: number, category, standard, section, specification, R/A and status.
Result<TableText> statuses(const QString &folder);

// The to-do rows that have an item: row, item, to-do date, actual date, next review date.
Result<TableText> todoRows(const QString &folder);

} // namespace WorkbookListings
