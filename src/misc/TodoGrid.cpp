#include "misc/TodoGrid.h"

namespace {

constexpr int UnusedColumn = 4;

} // namespace

TodoGrid::TodoGrid() : m_cells(CellCount) {}

qsizetype TodoGrid::index(int row, int column)
{
    if (row < 1 || row > Rows || column < 1 || column > Columns)
        return -1;
    return static_cast<qsizetype>(row - 1) * Columns + (column - 1);
}

QString TodoGrid::cell(int row, int column) const
{
    const qsizetype i = index(row, column);
    return i < 0 ? QString() : m_cells.at(i);
}

void TodoGrid::setCell(int row, int column, const QString &text)
{
    const qsizetype i = index(row, column);
    if (i >= 0)
        m_cells[i] = text;
}

QStringList TodoGrid::fileFields() const
{
    QStringList fields = m_cells;
    for (qsizetype i = UnusedColumn - 1; i < fields.size(); i += Columns)
        fields[i].clear();
    return fields;
}

TodoGrid TodoGrid::fromFields(const QStringList &fields)
{
    TodoGrid grid;
    for (qsizetype i = 0; i < fields.size() && i < CellCount; ++i)
        grid.m_cells[i] = fields.at(i);
    return grid;
}
