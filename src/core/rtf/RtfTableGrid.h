#pragma once

#include "core/rtf/RtfTableModel.h"

#include <QTextTableCellFormat>
#include <QTextTableFormat>

#include <vector>

namespace Rtf {

class ColorTable;

// The column grid of a table read from RTF, whose rows may each set their own cell edges: every
// distinct edge starts a column, and a cell spans the columns between its edges.
class TableGrid
{
public:
    struct Place {
        int column;
        int span;
    };
    struct Merge {
        int row;
        int column;
        int rows;
        int columns;
    };

    TableGrid(const TableRecord &table, const std::vector<RowDef> &defs);

    int columnCount() const { return int(m_widths.size()); }
    Place place(std::size_t row, std::size_t cell) const { return m_places[row][cell]; }
    const std::vector<Merge> &merges() const { return m_merges; }

    QTextTableFormat tableFormat(const RowDef &first) const;
    static QTextTableCellFormat cellFormat(const CellDef &cell, const ColorTable &colors);

private:
    // Right edges of the cells of a row, in twips, rising.
    static std::vector<int> rightEdges(const RowDef &def, std::size_t cells);
    void placeRow(const std::vector<int> &edges, const std::vector<int> &rights, const RowDef &def);
    void mergeDown(const TableRecord &table, const std::vector<RowDef> &defs);

    std::vector<int> m_widths; // twips
    std::vector<std::vector<Place>> m_places;
    std::vector<Merge> m_merges;
    int m_left = 0;
};

} // namespace Rtf
