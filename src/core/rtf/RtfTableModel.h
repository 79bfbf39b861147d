#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace Rtf {

// A cell border as RTF states it: width in twips, colour table index.
struct Border {
    bool on = false;
    int width = 0;
    int color = 0;
    bool operator==(const Border &) const = default;
};

// One \cellx of a row definition: its right edge in twips and the properties stated before it.
struct CellDef {
    enum Side { Top, Left, Bottom, Right };
    enum Merge { NotMerged, MergeFirst, Merged };
    enum VerticalAlign { AlignTop, AlignMiddle, AlignBottom };
    int right = 0;
    std::array<Border, 4> borders;
    int shading = 0; // colour table index; 0 none
    Merge horizontal = NotMerged;
    Merge vertical = NotMerged;
    VerticalAlign verticalAlign = AlignTop;
    bool operator==(const CellDef &) const = default;
};

// \trowd … \cellx: the cells of a row, its left edge and the half gap between cells.
struct RowDef {
    enum Align { Left, Centre, Right };
    std::vector<CellDef> cells;
    int left = 0;
    int gap = 0;
    Align align = Left;
    std::array<Border, 4> borders; // \trbrdr*: the row's outer edges
    bool operator==(const RowDef &) const = default;
};

// A long table is read as tables of about this many cells each, which Qt lays out one at a time as
// they come into view.
constexpr std::size_t TablePieceCells = 1000;

// A table as read: consecutive rows, each a list of cells given by where their paragraphs end.
struct TableRecord {
    struct Row {
        std::size_t def;                    // index into the definitions
        std::vector<std::size_t> cellEnds; // block index after each cell's last paragraph
    };
    std::size_t firstBlock = 0;
    std::vector<Row> rows;
    std::size_t cells = 0;
    bool continues = false; // the rows go on in the next table (a long table read in pieces)
    std::size_t endBlock() const { return rows.empty() ? firstBlock : rows.back().cellEnds.back(); }
};

// Builds row definitions from \trowd, \clbrdr…, \brdr…, \clcbpat, \clmgf … \cellx as they are read.
class RowDefBuilder
{
public:
    static constexpr std::size_t MaxCells = 63;

    void reset() { m_row = {}; m_cell = {}; m_border = nullptr; }
    void setLeft(int twips) { m_row.left = twips; }
    void setGap(int twips) { m_row.gap = twips; }
    void setAlign(RowDef::Align align) { m_row.align = align; }
    void selectCellBorder(CellDef::Side side) { m_border = &m_cell.borders[side]; }
    void selectRowBorder(CellDef::Side side) { m_border = &m_row.borders[side]; }
    // \brdrs, \brdrdb … (true) and \brdrnone (false) for the selected border; width and colour likewise.
    void setBorderStyle(bool on);
    void setBorderWidth(int twips);
    void setBorderColor(int index);
    void setShading(int index) { m_cell.shading = index; }
    void setMerge(bool vertical, CellDef::Merge merge) { (vertical ? m_cell.vertical : m_cell.horizontal) = merge; }
    void setVerticalAlign(CellDef::VerticalAlign align) { m_cell.verticalAlign = align; }
    // \cellx: the cell defined so far ends at `right`.
    void endCell(int right);

    const RowDef &row() const { return m_row; }

private:
    RowDef m_row;
    CellDef m_cell;
    Border *m_border = nullptr;
};

} // namespace Rtf
