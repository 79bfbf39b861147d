#include "ui/workarea/StatusBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWheelEvent>

StatusBox::StatusBox(QWidget *parent) : QComboBox(parent)
{
    // Editable only to show a stored text that is no list value; nothing can be typed.
    setEditable(true);
    lineEdit()->setReadOnly(true);
    setInsertPolicy(QComboBox::NoInsert);
    // The list's own filter runs after ours: a release or Enter over an item is marked as a pick before the
    // list closes and reports it.
    view()->installEventFilter(this);
    view()->viewport()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!m_picking)
            return;
        m_picking = false;
        emit picked(index);
    });
}

void StatusBox::showValue(const QString &text)
{
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentIndex(index);
    setEditText(text);
}

bool StatusBox::eventFilter(QObject *watched, QEvent *event)
{
    const bool release = watched == view()->viewport() && event->type() == QEvent::MouseButtonRelease;
    bool enter = false;
    if (watched == view() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    if (release || enter) {
        m_picking = true;
        // A release that picks nothing must not make a later activation count as a pick.
        QTimer::singleShot(0, this, [this] { m_picking = false; });
    }
    return QComboBox::eventFilter(watched, event);
}

void StatusBox::keyPressEvent(QKeyEvent *event)
{
    // Alt+Down and F4 drop the list; stepping through the values of the closed box does not exist.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!(event->modifiers() & Qt::AltModifier)) {
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QComboBox::keyPressEvent(event);
}

void StatusBox::wheelEvent(QWheelEvent *event)
{
    // Left to the window, which may scroll; the box's value stays.
    event->ignore();
}
