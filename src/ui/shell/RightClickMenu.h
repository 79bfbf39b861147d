#pragma once

#include <QObject>
#include <QPointer>

class QMenu;
class QWidget;

// Pops up a menu at the pointer when the right mouse button is released over one of the watched widgets.
class RightClickMenu : public QObject
{
public:
    RightClickMenu(QMenu *menu, QObject *parent);
    void watch(QWidget *widget);
    // Tests and callers may replace how the menu is shown (the default is QMenu::popup).
    QMenu *menu() const { return m_menu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QMenu> m_menu;
};
