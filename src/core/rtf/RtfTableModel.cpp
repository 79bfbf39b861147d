#include "core/rtf/RtfTableModel.h"

#include <algorithm>

namespace Rtf {

namespace {
constexpr int MaxBorderWidth = 1440;
constexpr int MaxEdge = 31680; // twips: 22 inches
} // namespace

void RowDefBuilder::setBorderStyle(bool on)
{
    if (m_border)
        m_border->on = on;
}

void RowDefBuilder::setBorderWidth(int twips)
{
    if (m_border)
        m_border->width = std::clamp(twips, 0, MaxBorderWidth);
}

void RowDefBuilder::setBorderColor(int index)
{
    if (m_border)
        m_border->color = std::max(index, 0);
}

void RowDefBuilder::endCell(int right)
{
    if (m_row.cells.size() < MaxCells) {
        m_cell.right = std::clamp(right, -MaxEdge, MaxEdge);
        m_row.cells.push_back(m_cell);
    }
    m_cell = {};
    m_border = nullptr;
}

} // namespace Rtf
