#include "core/todo/TodoGrid.h"

#include <algorithm>
#include <vector>

#include "core/todo/TodoDate.h"

namespace {

constexpr int UnusedColumn = 4;

using Row = QStringList;

// How a cell sorts: empty texts first, then valid dates in date order, then other texts ignoring case.
struct SortKey {
    int rank;
    QDate date;
    QString text;

    explicit SortKey(const QString &cell) : date(TodoDate::fromCellText(cell)), text(cell)
    {
        rank = cell.isEmpty() ? 0 : date.isValid() ? 1 : 2;
    }
    int compare(const SortKey &other) const
    {
        if (rank != other.rank)
            return rank < other.rank ? -1 : 1;
        if (rank == 1)
            return date == other.date ? 0 : (date < other.date ? -1 : 1);
        return QString::compare(text, other.text, Qt::CaseInsensitive);
    }
};

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

bool TodoGrid::hasItem(int row) const
{
    return !item(row).trimmed().isEmpty();
}

bool TodoGrid::hasItems() const
{
    for (int r = 1; r <= Rows; ++r)
        if (hasItem(r))
            return true;
    return false;
}

int TodoGrid::firstRowWithoutItem() const
{
    for (int r = 1; r <= Rows; ++r)
        if (!hasItem(r))
            return r;
    return 0;
}

bool TodoGrid::removeRow(int row)
{
    if (row < 1 || row > Rows)
        return false;
    const auto first = m_cells.begin() + index(row, 1);
    m_cells.erase(first, first + Columns);
    m_cells.append(QStringList(Columns));
    return true;
}

bool TodoGrid::insertRow(int row)
{
    if (row < 1 || row > Rows)
        return false;
    m_cells.remove(index(Rows, 1), Columns);
    m_cells.insert(index(row, 1), Columns, QString());
    return true;
}

void TodoGrid::clear()
{
    m_cells = QStringList(CellCount);
}

void TodoGrid::sortRows(int column, Qt::SortOrder order)
{
    if (column < 1 || column > Columns)
        return;
    std::vector<std::pair<SortKey, Row>> rows;
    rows.reserve(Rows);
    for (int r = 1; r <= Rows; ++r)
        rows.emplace_back(SortKey(cell(r, column)), m_cells.mid(index(r, 1), Columns));
    std::stable_sort(rows.begin(), rows.end(), [order](const auto &a, const auto &b) {
        const int cmp = a.first.compare(b.first);
        return order == Qt::AscendingOrder ? cmp < 0 : cmp > 0;
    });
    if (order == Qt::AscendingOrder)
        std::stable_partition(rows.begin(), rows.end(),
                              [](const auto &row) { return !row.second.at(ItemColumn - 1).trimmed().isEmpty(); });
    m_cells.clear();
    for (const auto &row : rows)
        m_cells.append(row.second);
}
