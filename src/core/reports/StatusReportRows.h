#pragma once

#include <QList>

#include "core/catalogue/Catalogue.h"

// The rows of the printed status report, one table per safeguard category.
namespace StatusReportRows {

struct Row
{
    const char *standard;      // "" for an empty cell
    const char *section;       // null where the column has no cell in this row
    const char *specification; // null: no cell
    int number;                // specification number of the status and R/A cells; 0: no cell
    bool ruleAbove;            // a separator is drawn above the row

    // 'R', 'A' as the catalogue has it, or 0 for no cell.
    char letter() const { return number > 0 ? Catalogue::item(number)->requirement() : 0; }
};

struct Table
{
    const char *heading; // upper-case category name with its trailing blank
    const char *part;    // "164.308" …
    QList<Row> rows;
};

// Administrative, Physical, Technical.
const Table &table(int category);

// The headings of the two boxes that close the report of all safeguards.
const char *const requirementHeadings[] = {"ORGANIZATIONAL REQUIREMENTS ",
                                           "POLICIES AND PROCEDURES AND DOCUMENTATION REQUIREMENTS "};
const char *const requirementParts[] = {"164.314", "164.316"};

} // namespace StatusReportRows
