#include "core/files/WorkbookAccess.h"
#include "ui/todo/TodoPanel.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolTip>

#include "core/workbook/Clock.h"
#include "ui/widgets/Dialogs.h"
#include "core/todo/TodoDate.h"
#include "core/todo/TodoGridModel.h"

void TodoPanel::connectSignals()
{
    connect(gridView, &QTableView::clicked, this,
            [this](const QModelIndex &index) { gridClicked(index.row() + 1, index.column()); });
    connect(grid, &TodoGridModel::edited, this, &TodoPanel::gridEdited);
    connect(grid, &TodoGridModel::contentsChanged, this, &TodoPanel::markChanged);
    connect(grid, &TodoGridModel::sorted, this, &TodoPanel::gridSorted);
    connect(gridView->horizontalHeader(), &QHeaderView::sectionClicked, this, &TodoPanel::sortByHeading);
    connect(gridView->verticalScrollBar(), &QScrollBar::sliderMoved, this, &TodoPanel::showScrollTip);
    connect(calendar, &QCalendarWidget::clicked, this, &TodoPanel::calendarDateClicked);
    connect(calendar, &QCalendarWidget::activated, this, &TodoPanel::calendarDateClicked);
    connect(entryBox, &QLineEdit::textChanged, this, &TodoPanel::entryTextChanged);
    connect(namePicker, qOverload<int>(&QComboBox::activated), this, &TodoPanel::nameChosen);
}

void TodoPanel::setEditMode(int mode)
{
    m_editMode = mode;
    QAbstractItemView::EditTriggers triggers = QAbstractItemView::NoEditTriggers;
    if (mode >= 1)
        triggers |= QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed;
    if (mode == 2)
        triggers |= QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked;
    gridView->setEditTriggers(triggers);
}

int TodoPanel::currentRow() const
{
    return gridView->currentIndex().isValid() ? gridView->currentIndex().row() + 1 : 0;
}

int TodoPanel::currentColumn() const
{
    return gridView->currentIndex().isValid() ? gridView->currentIndex().column() : 0;
}

void TodoPanel::makeCurrent(int row, int column)
{
    gridView->setCurrentIndex(grid->index(row - 1, column));
}

void TodoPanel::markChanged()
{
    gridChanged = true;
    setSaveClearEnabled(true);
}

void TodoPanel::gridClicked(int row, int column)
{
    noteClick(row, column);
    const bool typed = !entryText().trimmed().isEmpty();
    if (typed && column == TodoGrid::ItemColumn) {
        const QString text = entryBox->text();
        entryBox->clear();
        setHighlight(false);
        grid->setCell(row, column, text);
        markChanged();
        addName(text);
        focusExit();
        return;
    }
    if (itemNeededFirst(row, column))
        return;
    if (typed && TodoGridModel::isDateColumn(column)) {
        entryBox->clear();
        setHighlight(false);
        openCalendar(row, column);
        if (column == 5)
            focusPrint();
        return;
    }
    // A click on the leading column keeps what is typed in the entry box.
    if (!typed)
        setHighlight(false);
    if (currentColumn() != 0)
        setEditMode(1);
    calendar->setSelectedDate(Clock::current().now().date());
    if (TodoGridModel::isDateColumn(column)) {
        const bool wasEmpty = grid->cell(row, column).isEmpty();
        openCalendar(row, column);
        if (wasEmpty)
            focusPrint();
    }
    if (column == TodoGrid::ItemColumn)
        hideCalendar();
    setDeleteEnabled(true);
}

void TodoPanel::noteClick(int row, int column)
{
    clickedColumn = qint16(column);
    clickedRow = qint16(row);
    actionRow = qint16(row);
}

bool TodoPanel::itemNeededFirst(int row, int column)
{
    if (column <= 1 || grid->grid().hasItem(row))
        return false;
    hideCalendar();
    Dialogs::current().messageBox(QStringLiteral("Please, enter an Item before any dates."),
                                  Dialogs::OkOnly + Dialogs::Information, QStringLiteral("Item Grid"));
    const int free = grid->grid().firstRowWithoutItem();
    if (free > 0) {
        makeCurrent(free, 1);
        gridView->scrollTo(grid->index(free - 1, 1), QAbstractItemView::PositionAtTop);
        // A click there would write the typed text into it unasked.
        if (entryText().trimmed().isEmpty())
            gridClicked(free, 1);
        else
            noteClick(free, 1);
    }
    return true;
}

bool TodoPanel::gridKey(QKeyEvent *event)
{
    // A read-only workbook's grid takes no key that changes it (its window's gate holds them back).
    if (WorkbookAccess::current().isReadOnly())
        return false;
    if (event->key() == Qt::Key_Delete)
        return clearCurrentCell();
    if (m_editMode != 0)
        return false;
    const bool typed = !event->text().isEmpty() && event->text().at(0).isPrint() &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    const QModelIndex index = gridView->currentIndex();
    if ((event->key() != Qt::Key_F2 && !typed) || !(grid->flags(index) & Qt::ItemIsEditable))
        return false;
    const int row = index.row() + 1;
    const int column = index.column();
    if (itemNeededFirst(row, column))
        return true;
    // As a click on the cell, without the calendar: the view then starts the editor with this key.
    noteClick(row, column);
    hideCalendar();
    setHighlight(false);
    setEditMode(1);
    setDeleteEnabled(true);
    return false;
}

bool TodoPanel::clearCurrentCell()
{
    const QModelIndex index = gridView->currentIndex();
    if (!(grid->flags(index) & Qt::ItemIsEditable))
        return false;
    const int row = index.row() + 1;
    grid->setCell(row, index.column(), QString());
    makeCurrent(row, TodoGrid::ItemColumn);
    clickedColumn = 0;
    hideCalendar();
    setEditMode(0);
    focusExit();
    return true;
}

void TodoPanel::openCalendar(int row, int column)
{
    placeCalendar(column);
    calendar->show();
    makeCurrent(row, column);
    const QString text = grid->cell(row, column);
    if (text.isEmpty()) {
        grid->setCell(row, column, TodoDate::cellText(Clock::current().now().date()));
        markChanged();
        return;
    }
    const QDate date = TodoDate::fromCellText(text);
    if (date.isValid())
        calendar->setSelectedDate(date);
}

void TodoPanel::calendarDateClicked(QDate date)
{
    // The item may have been emptied while the calendar was open.
    if (!TodoGridModel::isDateColumn(clickedColumn) || itemNeededFirst(clickedRow, clickedColumn))
        return;
    grid->setCell(clickedRow, clickedColumn, TodoDate::cellText(date));
    markChanged();
    focusPrint();
}

void TodoPanel::gridEdited(int row, int column)
{
    listButtons[1]->setEnabled(false);
    listButtons[2]->setEnabled(false);
    if (column != TodoGrid::ItemColumn || grid->cell(row, column).trimmed().isEmpty())
        return;
    addName(grid->cell(row, column));
    markChanged();
    setEditMode(0);
    entryBox->clear();
}

void TodoPanel::gridEditKeyPressed()
{
    markChanged();
}

void TodoPanel::gridFocused()
{
    if (m_editMode == 1)
        actionRow = qint16(currentRow());
    setDeleteEnabled(m_editMode == 1 && currentColumn() == 1 &&
                     !grid->cell(currentRow(), 1).trimmed().isEmpty());
}

void TodoPanel::sortByHeading(int column)
{
    if (column < 1 || column == TodoGridModel::SpacerColumn)
        return;
    m_sortOrder = column == m_sortColumn && m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                              : Qt::AscendingOrder;
    m_sortColumn = column;
    gridView->horizontalHeader()->setSortIndicatorShown(true);
    gridView->horizontalHeader()->setSortIndicator(column, m_sortOrder);
    grid->sort(column, m_sortOrder);
}

void TodoPanel::gridSorted(int column, Qt::SortOrder order)
{
    hideCalendar();
    if (order != Qt::AscendingOrder)
        return;
    markChanged();
    makeCurrent(column == TodoGrid::ItemColumn ? 1 : qMax(1, currentRow()), 1);
}

void TodoPanel::showScrollTip(int value)
{
    const QString tip = grid->scrollTip(value + 1);
    gridView->verticalScrollBar()->setToolTip(tip);
    QToolTip::showText(QCursor::pos(), tip, gridView->verticalScrollBar());
}
