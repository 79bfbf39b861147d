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
    connect(VSGd1, &QTableView::clicked, this,
            [this](const QModelIndex &index) { VSGd1_Click(index.row() + 1, index.column()); });
    connect(grid, &TodoGridModel::edited, this, &TodoPanel::VSGd1_AfterEdit);
    connect(grid, &TodoGridModel::contentsChanged, this, &TodoPanel::markChanged);
    connect(grid, &TodoGridModel::sorted, this, &TodoPanel::VSGd1_AfterSort);
    connect(VSGd1->horizontalHeader(), &QHeaderView::sectionClicked, this, &TodoPanel::sortByHeading);
    connect(VSGd1->verticalScrollBar(), &QScrollBar::sliderMoved, this, &TodoPanel::showScrollTip);
    connect(MonthView1, &QCalendarWidget::clicked, this, &TodoPanel::MonthView1_DateClick);
    connect(MonthView1, &QCalendarWidget::activated, this, &TodoPanel::MonthView1_DateClick);
    connect(Text1_0, &QLineEdit::textChanged, this, &TodoPanel::entryTextChanged);
    connect(Combo1, qOverload<int>(&QComboBox::activated), this, &TodoPanel::nameChosen);
}

void TodoPanel::setEditMode(int mode)
{
    m_editMode = mode;
    QAbstractItemView::EditTriggers triggers = QAbstractItemView::NoEditTriggers;
    if (mode >= 1)
        triggers |= QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed;
    if (mode == 2)
        triggers |= QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked;
    VSGd1->setEditTriggers(triggers);
}

int TodoPanel::currentRow() const
{
    return VSGd1->currentIndex().isValid() ? VSGd1->currentIndex().row() + 1 : 0;
}

int TodoPanel::currentColumn() const
{
    return VSGd1->currentIndex().isValid() ? VSGd1->currentIndex().column() : 0;
}

void TodoPanel::makeCurrent(int row, int column)
{
    VSGd1->setCurrentIndex(grid->index(row - 1, column));
}

void TodoPanel::markChanged()
{
    GridChanged = 1;
    setSaveClearEnabled(true);
}

void TodoPanel::VSGd1_Click(int row, int column)
{
    noteClick(row, column);
    const bool typed = !entryText().trimmed().isEmpty();
    if (typed && column == TodoGrid::ItemColumn) {
        const QString text = Text1_0->text();
        Text1_0->clear();
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
        Text1_0->clear();
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
    MonthView1->setSelectedDate(Clock::current().now().date());
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
    ClickedCol = qint16(column);
    ClickedRow = qint16(row);
    ActionRow = qint16(row);
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
        VSGd1->scrollTo(grid->index(free - 1, 1), QAbstractItemView::PositionAtTop);
        // A click there would write the typed text into it unasked.
        if (entryText().trimmed().isEmpty())
            VSGd1_Click(free, 1);
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
    const QModelIndex index = VSGd1->currentIndex();
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
    const QModelIndex index = VSGd1->currentIndex();
    if (!(grid->flags(index) & Qt::ItemIsEditable))
        return false;
    const int row = index.row() + 1;
    grid->setCell(row, index.column(), QString());
    makeCurrent(row, TodoGrid::ItemColumn);
    ClickedCol = 0;
    hideCalendar();
    setEditMode(0);
    focusExit();
    return true;
}

void TodoPanel::openCalendar(int row, int column)
{
    placeCalendar(column);
    MonthView1->show();
    makeCurrent(row, column);
    const QString text = grid->cell(row, column);
    if (text.isEmpty()) {
        grid->setCell(row, column, TodoDate::cellText(Clock::current().now().date()));
        markChanged();
        return;
    }
    const QDate date = TodoDate::fromCellText(text);
    if (date.isValid())
        MonthView1->setSelectedDate(date);
}

void TodoPanel::MonthView1_DateClick(QDate date)
{
    // The item may have been emptied while the calendar was open.
    if (!TodoGridModel::isDateColumn(ClickedCol) || itemNeededFirst(ClickedRow, ClickedCol))
        return;
    grid->setCell(ClickedRow, ClickedCol, TodoDate::cellText(date));
    markChanged();
    focusPrint();
}

void TodoPanel::VSGd1_AfterEdit(int row, int column)
{
    Command1[1]->setEnabled(false);
    Command1[2]->setEnabled(false);
    if (column != TodoGrid::ItemColumn || grid->cell(row, column).trimmed().isEmpty())
        return;
    addName(grid->cell(row, column));
    markChanged();
    setEditMode(0);
    Text1_0->clear();
}

void TodoPanel::VSGd1_KeyPressEdit()
{
    markChanged();
}

void TodoPanel::VSGd1_GotFocus()
{
    if (m_editMode == 1)
        ActionRow = qint16(currentRow());
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
    VSGd1->horizontalHeader()->setSortIndicatorShown(true);
    VSGd1->horizontalHeader()->setSortIndicator(column, m_sortOrder);
    grid->sort(column, m_sortOrder);
}

void TodoPanel::VSGd1_AfterSort(int column, Qt::SortOrder order)
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
    VSGd1->verticalScrollBar()->setToolTip(tip);
    QToolTip::showText(QCursor::pos(), tip, VSGd1->verticalScrollBar());
}
