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
    if (watched == Combo1->view()->window() && event->type() == QEvent::Show)
        pickerDroppedDown();
    if (watched == VSGd1->viewport() && event->type() == QEvent::Resize)
        setColumnWidths();
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !isVisible() || widget->window() != window())
        return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton &&
        m_popup && (popupWidgets().contains(widget) || MonthView1->isAncestorOf(widget))) {
        optionsMenuRequested();
        m_popup(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return true;
    }
    if (watched == Text1_0) {
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
    } else if (watched == Combo1 || watched == Combo1->lineEdit()) {
        if (type == QEvent::FocusIn)
            pickerFocused();
        else if (type == QEvent::KeyPress)
            return pickerKey(static_cast<QKeyEvent *>(event));
    } else if (watched == VSGd1 && type == QEvent::FocusIn) {
        VSGd1_GotFocus();
    } else if (watched == VSGd1 && type == QEvent::KeyPress) {
        return gridKey(static_cast<QKeyEvent *>(event));
    } else if (type == QEvent::FocusIn && (watched == m_exit || commandButtons().contains(widget))) {
        commandFocused();
    }
    return QWidget::eventFilter(watched, event);
}

QString TodoPanel::entryText() const
{
    return Text1_0->text();
}

void TodoPanel::setHighlight(bool on)
{
    QPalette palette = Text1_0->palette();
    palette.setColor(QPalette::Base, on ? Highlight : QApplication::palette(Text1_0).color(QPalette::Base));
    Text1_0->setPalette(palette);
    Combo1->setPalette(palette);
}

void TodoPanel::focusExit()
{
    if (m_exit && m_exit->isEnabled())
        m_exit->setFocus();
}

void TodoPanel::focusPrint()
{
    if (Command1[4]->isEnabled())
        Command1[4]->setFocus();
}

void TodoPanel::entryFocused()
{
    hideCalendar();
    setHighlight(true);
}

void TodoPanel::entryTextChanged()
{
    Command1[2]->setEnabled(!entryText().trimmed().isEmpty());
}

bool TodoPanel::entryKey(QKeyEvent *event)
{
    if (event->text() == QStringLiteral("\""))
        QuoteTyped = 1;
    // Delete and Insert act on the grid's row only while the box holds no text of its own to edit.
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Insert) && Command1[3]->isEnabled() &&
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
    Combo1->setEditText(entryText());
    return false;
}

bool TodoPanel::entryKeyRelease()
{
    if (QuoteTyped) {
        QuoteTyped = 0;
        Text1_0->setText(entryText().remove(QLatin1Char('"')));
        Text1_0->end(false);
    }
    const QString name = m_names.completion(entryText());
    if (!name.isEmpty())
        Combo1->setEditText(name);
    return false;
}

void TodoPanel::pickerFocused()
{
    if (currentColumn() > 1) {
        setEditMode(0);
        makeCurrent(currentRow(), 1);
    }
    Command1[1]->setEnabled(false);
}

void TodoPanel::pickerDroppedDown()
{
    hideCalendar();
    Command1[1]->setEnabled(false);
}

bool TodoPanel::pickerKey(QKeyEvent *event)
{
    if (!isEnter(event))
        return false;
    Text1_0->setText(Combo1->currentText());
    addName(Combo1->currentText());
    return true;
}

void TodoPanel::nameChosen(int index)
{
    const QString name = Combo1->itemText(index);
    if (name.isEmpty())
        return;
    if (m_editMode == 1 && currentRow() > 0) {
        grid->setCell(currentRow(), currentColumn(), name);
        setEditMode(0);
        focusExit();
        markChanged();
        return;
    }
    Text1_0->setText(name);
    setHighlight(true);
    Combo1->setEditText(QString());
    Command1[1]->setEnabled(true);
    Command1[2]->setEnabled(true);
}

void TodoPanel::commandFocused()
{
    setHighlight(false);
    if (GridChanged == 1 && !Command1[6]->isEnabled())
        setSaveClearEnabled(true);
    if (ActionRow == NoActionRow) {
        ActionRow = 0;
        setEditMode(0);
    }
}
