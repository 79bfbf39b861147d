#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

// The cells of the to-do list: rows 1 to 500, columns 1 to 5 (item, to-do date, actual date, an unused
// column, next review date), numbered as in the grid. Cells outside read as empty and ignore writes.
class TodoGrid
{
public:
    static constexpr int Rows = 500;
    static constexpr int Columns = 5;
    static constexpr int CellCount = Rows * Columns;

    TodoGrid();

    static constexpr int ItemColumn = 1;

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    QString item(int row) const { return cell(row, ItemColumn); }

    // A row has an item when its item cell holds more than blanks.
    bool hasItem(int row) const;
    bool hasItems() const;
    // The first row without an item; 0 when every row has one.
    int firstRowWithoutItem() const;

    // The list always keeps 500 rows: removing a row appends an empty one, inserting an empty row
    // drops the last. Rows outside 1..500 are left alone; both return whether anything moved.
    bool removeRow(int row);
    bool insertRow(int row);
    void clear();

    // Stable sort of the rows by `column` (dates in date order, other texts ignoring case; empty cells
    // first). After an ascending sort the rows without an item follow every row with one.
    void sortRows(int column, Qt::SortOrder order);

    // All cells row by row, column 4 empty: the order of the to-do file's lines.
    QStringList fileFields() const;
    // Fills the grid from fields in file order; surplus fields are ignored, missing cells stay empty.
    static TodoGrid fromFields(const QStringList &fields);

    bool operator==(const TodoGrid &other) const = default;

private:
    static qsizetype index(int row, int column);

    QStringList m_cells;
};
