#include "ui/shell/RightClickMenu.h"

#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

RightClickMenu::RightClickMenu(QMenu *menu, QObject *parent) : QObject(parent), m_menu(menu) {}

void RightClickMenu::watch(QWidget *widget)
{
    widget->installEventFilter(this);
}

bool RightClickMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && m_menu) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            m_menu->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
