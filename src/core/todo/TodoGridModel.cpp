#include "core/todo/TodoGridModel.h"

#include <array>

namespace {

const std::array<const char *, TodoGridModel::ColumnCount> Headings{"",           "To Do Item", "To Do Date",
                                                                     "Actual Date", "",           "Next Review Date"};

bool isListColumn(int column)
{
    return column >= 1 && column <= TodoGrid::Columns;
}

} // namespace

TodoGridModel::TodoGridModel(QObject *parent) : QAbstractTableModel(parent) {}

void TodoGridModel::setGrid(const TodoGrid &grid)
{
    beginResetModel();
    m_grid = grid;
    m_highlight = 0;
    endResetModel();
}

void TodoGridModel::setCell(int row, int column, const QString &text)
{
    if (!isListColumn(column) || m_grid.cell(row, column) == text)
        return;
    m_grid.setCell(row, column, text);
    if (m_grid.cell(row, column) != text)
        return;
    emit dataChanged(index(row - 1, column), index(row - 1, column));
    emit contentsChanged();
}

bool TodoGridModel::removeListRow(int row)
{
    if (row < 1 || row > TodoGrid::Rows)
        return false;
    beginRemoveRows({}, row - 1, row - 1);
    m_grid.removeRow(row);
    endRemoveRows();
    beginInsertRows({}, TodoGrid::Rows - 1, TodoGrid::Rows - 1);
    endInsertRows();
    emit contentsChanged();
    return true;
}

bool TodoGridModel::insertListRow(int row)
{
    if (row < 1 || row > TodoGrid::Rows)
        return false;
    beginRemoveRows({}, TodoGrid::Rows - 1, TodoGrid::Rows - 1);
    endRemoveRows();
    beginInsertRows({}, row - 1, row - 1);
    m_grid.insertRow(row);
    endInsertRows();
    return true;
}

void TodoGridModel::clear()
{
    setGrid(TodoGrid());
    emit contentsChanged();
}

void TodoGridModel::setHighlight(int row, const QColor &colour)
{
    const int previous = m_highlight;
    m_highlight = row;
    m_highlightColour = colour;
    rowChanged(previous);
    rowChanged(row);
}

void TodoGridModel::rowChanged(int row)
{
    if (row >= 1 && row <= TodoGrid::Rows)
        emit dataChanged(index(row - 1, 1), index(row - 1, ColumnCount - 1), {Qt::BackgroundRole});
}

QString TodoGridModel::scrollTip(int row) const
{
    return QStringLiteral(" Row %1: %2 ").arg(row).arg(m_grid.item(row));
}

int TodoGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : TodoGrid::Rows;
}

int TodoGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TodoGridModel::data(const QModelIndex &index, int role) const
{
    const int row = index.row() + 1;
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return column == SpacerColumn ? QString() : m_grid.cell(row, column);
    case Qt::TextAlignmentRole:
        return int((isDateColumn(column) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (row == m_highlight && column >= 1)
            return m_highlightColour;
        return {};
    default:
        return {};
    }
}

bool TodoGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int row = index.row() + 1;
    const int column = index.column();
    QString text = value.toString();
    if (column == TodoGrid::ItemColumn)
        text.truncate(MaxItemLength);
    setCell(row, column, text);
    emit edited(row, column);
    return true;
}

QVariant TodoGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QString::fromLatin1(Headings.at(section));
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags TodoGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isListColumn(index.column()) && index.column() != SpacerColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

void TodoGridModel::sort(int column, Qt::SortOrder order)
{
    if (!isListColumn(column) || column == SpacerColumn)
        return;
    emit layoutAboutToBeChanged();
    const TodoGrid before = m_grid;
    m_grid.sortRows(column, order);
    emit layoutChanged();
    if (!(m_grid == before))
        emit contentsChanged();
    emit sorted(column, order);
}
