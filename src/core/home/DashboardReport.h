#pragma once

#include <QDate>
#include <QList>

#include "core/exports/EditableFlow.h"
#include "core/exports/ReportTables.h"
#include "core/home/DashboardModel.h"

class PreviewDocument;

// The Home page's figures as a printed report: a table of the categories by status, then a table of the
// other figures; the same tables are its editable copy.
namespace DashboardReport {

inline constexpr char title[] = "Where the Organisation Stands";

QList<ReportTable> tables(const QList<FigureGroup> &groups);
// Replaces the document's contents with the report as of `today`.
void build(PreviewDocument &document, const QList<FigureGroup> &groups, QDate today);

} // namespace DashboardReport
