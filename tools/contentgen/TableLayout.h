#pragma once

#include <QList>
#include <QStringList>

class QTextCursor;

namespace ContentGen {

// A table laid out in paragraphs, which every RTF reader shows alike: a row's leading cells share one
// line (the first in bold, the rest after tabs), its last cell follows on an indented line; a row of
// a single cell heads a group in bold. Continuation rows, whose leading cells are empty, add only
// their indented last cell. The header row is bold throughout.
struct TableRows
{
    QStringList header;
    QList<QStringList> rows;
};

// Cells of "a | b | c", trimmed.
QStringList splitCells(const QString &line);

// Cell texts go through the inline markup when `markup` is set, and are inserted verbatim otherwise.
bool insertTable(QTextCursor &cursor, const TableRows &table, bool markup, QString *error);

} // namespace ContentGen
