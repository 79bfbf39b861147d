#pragma once

#include <QList>
#include <QStringList>

#include "core/todo/TodoGrid.h"
#include "core/workbook/StatusStore.h"

// The reports' tables as rows of cells, for the editable document and the CSV file.
struct ReportTable
{
    QString heading;
    QStringList header;
    QList<QStringList> rows;
};

namespace ReportTables {

// The status of every item by safeguard category: Administrative, Physical and Technical as the printed
// report rows them, then the Organizational Requirements and the Policies and Procedures items.
QList<ReportTable> statuses(const StatusTable &statuses);
// The statuses as one sheet: a category column before the table's own.
QList<QStringList> statusSheet(const StatusTable &statuses);

// The to-do list's rows that have an item: item, to-do date, actual date, next review date.
ReportTable todo(const TodoGrid &grid);
QList<QStringList> todoSheet(const TodoGrid &grid);

} // namespace ReportTables
