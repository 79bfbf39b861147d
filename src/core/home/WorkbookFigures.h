#pragma once

#include <QDate>
#include <QList>

#include "core/home/DashboardModel.h"
#include "core/todo/TodoGrid.h"
#include "core/workbook/StatusStore.h"

// The figures the workbook's own files give: statuses by category, to-do rows past their date.
namespace WorkbookFigures {

// The five safeguard categories' names as the Home page shows them.
QString categoryName(int category);

// One bar per category 1..5: the items counted by status ("No status", "Pending", "Working", "Completed",
// "Review"; an unknown text counts as no status), the note "N % Completed".
QList<Figure> categoryStatuses(const StatusTable &statuses);

// Rows with an item whose to-do date lies before `today` and that have no actual date.
QList<int> overdueTodoRows(const TodoGrid &grid, QDate today);
QList<Figure> todoFigures(const TodoGrid &grid, QDate today);

// The sources reading Stat1.Fil and TODOActv.FIL in `folder` at each refresh; `today` is asked then too.
void addTo(DashboardModel &model, const QString &folder, std::function<QDate()> today);

} // namespace WorkbookFigures
