#pragma once

#include <QDate>
#include <QString>

#include "components/files/Outcome.h"

// Rows that other parts of the program add to the to-do list: an item with its to-do date.
struct TodoRow {
    QString item; // cut to the item column's 45 characters
    QDate date;   // the "To Do Date"
};

namespace TodoRows {

// Puts `row` into the first row without an item of the to-do list in `folder` (TODOActv.FIL) and adds
// its item to the name list (TODONAME.FIL) unless listed already; both files are saved at once. The
// list row used (1 to 500), or why nothing was added (the list full, a file unwritable).
[[nodiscard]] Result<int> append(const QString &folder, const TodoRow &row);

} // namespace TodoRows
