#include "ui/todo/TodoPanel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "ui/widgets/Dialogs.h"
#include "core/todo/TodoGridModel.h"

namespace {

// The entry highlight: light yellow of the 16-colour palette.
const QColor Highlight(255, 255, 128);

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

bool TodoPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == namePicker->view()->window() && event->type() == QEvent::Show)
        pickerDroppedDown();
    if (watched == gridView->viewport() && event->type() == QEvent::Resize)
        setColumnWidths();
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !isVisible() || widget->window() != window())
        return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::RightButton && m_popup &&
        (popupWidgets().contains(widget) || calendar->isAncestorOf(widget))) {
        optionsMenuRequested();
        m_popup(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return true;
    }
    if (watched == entryBox) {
        if (type == QEvent::FocusIn)
            entryFocused();
        else if (type == QEvent::KeyPress)
            return entryKey(static_cast<QKeyEvent *>(event));
        else if (type == QEvent::KeyRelease)
            return entryKeyRelease();
        else if (type == QEvent::MouseButtonPress) {
            setEditMode(0);
            makeCurrent(qMax(1, currentRow()), 1);
        } else if (type == QEvent::MouseButtonDblClick && !entryText().trimmed().isEmpty()) {
            addToGrid();
            return true;
        }
    } else if (watched == namePicker || watched == namePicker->lineEdit()) {
        if (type == QEvent::FocusIn)
            pickerFocused();
        else if (type == QEvent::KeyPress)
            return pickerKey(static_cast<QKeyEvent *>(event));
    } else if (watched == gridView && type == QEvent::FocusIn) {
        gridFocused();
    } else if (watched == gridView && type == QEvent::KeyPress) {
        return gridKey(static_cast<QKeyEvent *>(event));
    } else if (type == QEvent::FocusIn && (watched == m_exit || commandButtons().contains(widget))) {
        commandFocused();
    }
    return QWidget::eventFilter(watched, event);
}

QString TodoPanel::entryText() const
{
    return entryBox->text();
}

void TodoPanel::setHighlight(bool on)
{
    QPalette palette = entryBox->palette();
    palette.setColor(QPalette::Base, on ? Highlight : QApplication::palette(entryBox).color(QPalette::Base));
    entryBox->setPalette(palette);
    namePicker->setPalette(palette);
}

void TodoPanel::focusExit()
{
    if (m_exit && m_exit->isEnabled())
        m_exit->setFocus();
}

void TodoPanel::focusPrint()
{
    if (listButtons[4]->isEnabled())
        listButtons[4]->setFocus();
}

void TodoPanel::entryFocused()
{
    hideCalendar();
    setHighlight(true);
}

void TodoPanel::entryTextChanged()
{
    listButtons[2]->setEnabled(!entryText().trimmed().isEmpty());
}

bool TodoPanel::entryKey(QKeyEvent *event)
{
    if (event->text() == QStringLiteral("\""))
        quoteTyped = 1;
    // Delete and Insert act on the grid's row only while the box holds no text of its own to edit.
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Insert) && listButtons[3]->isEnabled() &&
        entryText().isEmpty()) {
        event->key() == Qt::Key_Delete ? deleteRow() : insertRow();
        return true;
    }
    if (isEnter(event)) {
        if (m_editMode == 1 && !entryText().isEmpty() && currentRow() > 0) {
            grid->setCell(currentRow(), currentColumn(), entryText() + QStringLiteral("  "));
            markChanged();
            addName(entryText());
        }
        return true;
    }
    namePicker->setEditText(entryText());
    return false;
}

bool TodoPanel::entryKeyRelease()
{
    if (quoteTyped) {
        quoteTyped = 0;
        entryBox->setText(entryText().remove(QLatin1Char('"')));
        entryBox->end(false);
    }
    const QString name = m_names.completion(entryText());
    if (!name.isEmpty())
        namePicker->setEditText(name);
    return false;
}

void TodoPanel::pickerFocused()
{
    if (currentColumn() > 1) {
        setEditMode(0);
        makeCurrent(currentRow(), 1);
    }
    listButtons[1]->setEnabled(false);
}

void TodoPanel::pickerDroppedDown()
{
    hideCalendar();
    listButtons[1]->setEnabled(false);
}

bool TodoPanel::pickerKey(QKeyEvent *event)
{
    if (!isEnter(event))
        return false;
    entryBox->setText(namePicker->currentText());
    addName(namePicker->currentText());
    return true;
}

void TodoPanel::nameChosen(int index)
{
    const QString name = namePicker->itemText(index);
    if (name.isEmpty())
        return;
    if (m_editMode == 1 && currentRow() > 0) {
        grid->setCell(currentRow(), currentColumn(), name);
        setEditMode(0);
        focusExit();
        markChanged();
        return;
    }
    entryBox->setText(name);
    setHighlight(true);
    namePicker->setEditText(QString());
    listButtons[1]->setEnabled(true);
    listButtons[2]->setEnabled(true);
}

void TodoPanel::commandFocused()
{
    setHighlight(false);
    if (gridChanged && !listButtons[6]->isEnabled())
        setSaveClearEnabled(true);
    if (actionRow == RowActionDone) {
        actionRow = 0;
        setEditMode(0);
    }
}
