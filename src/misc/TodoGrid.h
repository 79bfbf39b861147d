#pragma once

#include <QString>
#include <QStringList>

// The cells of the to-do list: rows 1 to 500, columns 1 to 5 (item, to-do date, actual date, an unused
// column, next review date), numbered as in the grid. Cells outside read as empty and ignore writes.
class TodoGrid
{
public:
    static constexpr int Rows = 500;
    static constexpr int Columns = 5;
    static constexpr int CellCount = Rows * Columns;

    TodoGrid();

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);

    // All cells row by row, column 4 empty: the order of the to-do file's lines.
    QStringList fileFields() const;
    // Fills the grid from fields in file order; surplus fields are ignored, missing cells stay empty.
    static TodoGrid fromFields(const QStringList &fields);

    bool operator==(const TodoGrid &other) const = default;

private:
    static qsizetype index(int row, int column);

    QStringList m_cells;
};
