#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "core/workbook/StatusStore.h"

// The rows of the status overview grid for the Administrative, Physical and Technical Safeguards.
namespace OverviewRows {

struct Row {
    QStringList standard;      // one cell line each
    QString section;
    QStringList specification; // a single blank for a standard without specifications
    int count;                 // specification lines, each with its R or A from the catalogue
    int firstNumber;           // specification numbers firstNumber .. firstNumber + count - 1
    double heightFraction;     // of the grid's height; 0 keeps the grid's own row height
};

// The five header cells.
QStringList header();
// The rows of category 0 (Administrative), 1 (Physical) or 2 (Technical); none for anything else.
const QList<Row> &rows(int category);
// "Administrative Safeguards§164.308" and the like.
QString heading(int category);
// The five cells of a row; lines within a cell joined by CR LF, the status cell from the table (untrimmed).
QStringList cells(const Row &row, const StatusTable &statuses);
// The cells joined by tabs.
QString text(const Row &row, const StatusTable &statuses);

} // namespace OverviewRows
