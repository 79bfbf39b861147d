#pragma once

#include <QAbstractTableModel>
#include <QColor>

#include "core/todo/TodoGrid.h"

// The to-do list as the grid shows it: six columns (a narrow leading column, the item, three date
// columns around a hairline spacer) over the 500 rows of a TodoGrid. Model row r - 1 is list row r;
// model columns are the grid's column numbers.
class TodoGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = 6;
    static constexpr int SpacerColumn = 4;
    // The item editor takes at most this many characters.
    static constexpr int MaxItemLength = 45;

    explicit TodoGridModel(QObject *parent = nullptr);

    const TodoGrid &grid() const { return m_grid; }
    void setGrid(const TodoGrid &grid);

    // Cell of list row `row` (1..500) and grid column `column`; other cells read empty, ignore writes.
    QString cell(int row, int column) const { return m_grid.cell(row, column); }
    void setCell(int row, int column, const QString &text);

    bool removeListRow(int row);
    bool insertListRow(int row);
    void clear();

    // Cells of this list row (columns 1 to 5) are painted in `colour`; 0 for none.
    void setHighlight(int row, const QColor &colour = Qt::red);
    int highlightedRow() const { return m_highlight; }

    // The scrolling tip of a list row.
    QString scrollTip(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Sorts the list rows (the view's heading click); reports it with sorted().
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    static bool isDateColumn(int column) { return column == 2 || column == 3 || column == 5; }

signals:
    // The text of a cell changed, by an edit or a command.
    void contentsChanged();
    // An edit in the grid was committed (changed or not).
    void edited(int row, int column);
    void sorted(int column, Qt::SortOrder order);

private:
    void rowChanged(int row);

    TodoGrid m_grid;
    int m_highlight = 0;
    QColor m_highlightColour;
};
