#pragma once

#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "QuotedLines.h"
#include "core/todo/TodoGridModel.h"
#include "ui/todo/TodoPanel.h"

// Works a to-do panel as a user does: clicks on its cells and headings, typing into its entry box.
namespace TodoDriver {

inline QModelIndex at(const TodoPanel *panel, int row, int column)
{
    return panel->grid->index(row - 1, column);
}

inline void click(TodoPanel *panel, int row, int column)
{
    panel->gridView->scrollTo(at(panel, row, column));
    QTest::mouseClick(panel->gridView->viewport(), Qt::LeftButton, {},
                      panel->gridView->visualRect(at(panel, row, column)).center());
}

inline void clickHeading(TodoPanel *panel, int column)
{
    QHeaderView *header = panel->gridView->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
}

inline void type(TodoPanel *panel, const QString &text)
{
    QTest::mouseClick(panel->entryBox, Qt::LeftButton);
    QTest::keyClicks(panel->entryBox, text);
}

// The bytes of a grid file whose rows 1..n hold the given cells (item, to-do date, ...), the rest empty.
inline QByteArray gridFile(const QList<QStringList> &rows)
{
    QStringList fields(TodoGrid::CellCount);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            fields[r * TodoGrid::Columns + c] = rows[r][c];
    return quotedLines(fields);
}

} // namespace TodoDriver
