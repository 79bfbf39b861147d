#include "core/rtf/RtfTableGrid.h"

#include "core/rtf/RtfFormats.h"
#include "core/rtf/RtfTables.h"

#include <algorithm>
#include <set>

namespace Rtf {

namespace {

constexpr int DefaultCellWidth = 1440; // twips, for a cell beyond its row's definition
constexpr int MinCellWidth = 15;
constexpr int DefaultGap = 30;          // twips of padding when a row states none
constexpr int MaxColumns = int(RowDefBuilder::MaxCells);

} // namespace

TableGrid::TableGrid(const TableRecord &table, const std::vector<RowDef> &defs)
{
    std::set<int> edges;
    std::vector<std::vector<int>> rights;
    m_left = defs[table.rows.front().def].left;
    std::size_t widest = 0;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const RowDef &def = defs[table.rows[r].def];
        rights.push_back(rightEdges(def, table.rows[r].cellEnds.size()));
        edges.insert(rights.back().begin(), rights.back().end());
        m_left = std::min(m_left, def.left);
        if (rights.back().size() > rights[widest].size())
            widest = r;
    }
    if (edges.size() > std::size_t(MaxColumns)) {
        // Rows that agree on no grid: cells side by side, as wide as those of the widest row.
        int left = m_left;
        for (const int right : rights[widest]) {
            m_widths.push_back(right - left);
            left = right;
        }
        for (const TableRecord::Row &row : table.rows) {
            m_places.emplace_back();
            for (std::size_t c = 0; c < row.cellEnds.size(); ++c)
                m_places.back().push_back({int(c), 1});
        }
    } else {
        int left = m_left;
        for (const int edge : edges) {
            m_widths.push_back(std::max(edge - left, MinCellWidth));
            left = edge;
        }
        const std::vector<int> grid(edges.begin(), edges.end());
        for (std::size_t r = 0; r < table.rows.size(); ++r)
            placeRow(grid, rights[r], defs[table.rows[r].def]);
    }
    mergeDown(table, defs);
}

std::vector<int> TableGrid::rightEdges(const RowDef &def, std::size_t cells)
{
    std::vector<int> rights;
    int previous = def.left;
    for (std::size_t i = 0; i < cells; ++i) {
        const int stated = i < def.cells.size() ? def.cells[i].right : previous + DefaultCellWidth;
        previous = std::max(stated, previous + MinCellWidth);
        rights.push_back(previous);
    }
    return rights;
}

// Each cell spans from the column after its left neighbour to the column its right edge ends; a
// horizontally merged cell joins the cell before it.
void TableGrid::placeRow(const std::vector<int> &edges, const std::vector<int> &rights, const RowDef &def)
{
    std::vector<Place> places;
    int next = 0;
    for (std::size_t c = 0; c < rights.size(); ++c) {
        const int last = int(std::lower_bound(edges.begin(), edges.end(), rights[c]) - edges.begin());
        const bool joins = c > 0 && c < def.cells.size() && def.cells[c].horizontal == CellDef::Merged;
        if (joins) {
            places.push_back({places.back().column, 0});
            Place &owner = *std::find_if(places.rbegin(), places.rend(), [](const Place &p) { return p.span > 0; });
            owner.span = std::max(owner.span, last - owner.column + 1);
        } else {
            const int column = std::min(next, columnCount() - 1);
            places.push_back({column, std::max(last - column + 1, 1)});
        }
        next = std::max(next, last + 1);
    }
    m_places.push_back(std::move(places));
}

// Cells merged down (\clvmgf, then \clvmrg in the rows below) span those rows; others their columns.
void TableGrid::mergeDown(const TableRecord &table, const std::vector<RowDef> &defs)
{
    const auto vertical = [&](std::size_t r, std::size_t c) {
        const RowDef &def = defs[table.rows[r].def];
        return c < def.cells.size() ? def.cells[c].vertical : CellDef::NotMerged;
    };
    for (std::size_t r = 0; r < m_places.size(); ++r) {
        for (std::size_t c = 0; c < m_places[r].size(); ++c) {
            const Place place = m_places[r][c];
            if (place.span == 0 || vertical(r, c) == CellDef::Merged)
                continue;
            int rows = 1;
            if (vertical(r, c) == CellDef::MergeFirst) {
                for (std::size_t below = r + 1; below < m_places.size(); ++below, ++rows) {
                    const auto &cells = m_places[below];
                    const auto same = std::find_if(cells.begin(), cells.end(),
                                                   [&](const Place &p) { return p.column == place.column; });
                    if (same == cells.end() || vertical(below, std::size_t(same - cells.begin())) != CellDef::Merged)
                        break;
                }
            }
            const int columns = std::min(place.span, columnCount() - place.column);
            if (rows > 1 || columns > 1)
                m_merges.push_back({int(r), place.column, rows, columns});
        }
    }
}

QTextTableFormat TableGrid::tableFormat(const RowDef &first) const
{
    QTextTableFormat format;
    format.setBorder(0);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setMargin(0);
    format.setCellPadding(twipsToPixels(first.gap > 0 ? first.gap : DefaultGap));
    QList<QTextLength> widths;
    for (const int width : m_widths)
        widths << QTextLength(QTextLength::FixedLength, twipsToPixels(width));
    format.setColumnWidthConstraints(widths);
    format.setAlignment(first.align == RowDef::Centre ? Qt::AlignHCenter
                        : first.align == RowDef::Right ? Qt::AlignRight : Qt::AlignLeft);
    if (m_left > 0)
        format.setLeftMargin(twipsToPixels(m_left));
    return format;
}

QTextTableCellFormat TableGrid::cellFormat(const CellDef &cell, const ColorTable &colors)
{
    QTextTableCellFormat format;
    using Setter = void (QTextTableCellFormat::*)(qreal);
    using StyleSetter = void (QTextTableCellFormat::*)(QTextFrameFormat::BorderStyle);
    using BrushSetter = void (QTextTableCellFormat::*)(const QBrush &);
    struct SideSetters { Setter width; StyleSetter style; BrushSetter brush; };
    const SideSetters sides[] = {
        {&QTextTableCellFormat::setTopBorder, &QTextTableCellFormat::setTopBorderStyle, &QTextTableCellFormat::setTopBorderBrush},
        {&QTextTableCellFormat::setLeftBorder, &QTextTableCellFormat::setLeftBorderStyle, &QTextTableCellFormat::setLeftBorderBrush},
        {&QTextTableCellFormat::setBottomBorder, &QTextTableCellFormat::setBottomBorderStyle, &QTextTableCellFormat::setBottomBorderBrush},
        {&QTextTableCellFormat::setRightBorder, &QTextTableCellFormat::setRightBorderStyle, &QTextTableCellFormat::setRightBorderBrush}};
    for (int side = 0; side < 4; ++side) {
        const Border &border = cell.borders[std::size_t(side)];
        if (!border.on)
            continue;
        (format.*sides[side].width)(std::max(twipsToPixels(border.width), 1.0));
        (format.*sides[side].style)(QTextFrameFormat::BorderStyle_Solid);
        (format.*sides[side].brush)(colors.color(border.color).value_or(QColor(Qt::black)));
    }
    if (const auto shading = cell.shading > 0 ? colors.color(cell.shading) : std::nullopt)
        format.setBackground(*shading);
    static constexpr QTextCharFormat::VerticalAlignment Aligns[] = {
        QTextCharFormat::AlignTop, QTextCharFormat::AlignMiddle, QTextCharFormat::AlignBottom};
    if (cell.verticalAlign != CellDef::AlignTop)
        format.setVerticalAlignment(Aligns[cell.verticalAlign]);
    return format;
}

} // namespace Rtf
