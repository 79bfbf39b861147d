#pragma once

#include "cli/TableText.h"
#include "core/files/Outcome.h"

// What the command-line tool's search lists: each line holding the words, with its group and title.
namespace SearchListing {

// Searches the rule's pages and the items' texts in `contentFolder` (not searched when empty), and the
// entries, to-do rows, decisions and risks of the workbook in `workbookFolder`; the record is opened
// read-only and a damaged one fails, named.
Result<TableText> find(const QString &contentFolder, const QString &workbookFolder, const QString &words);

} // namespace SearchListing
