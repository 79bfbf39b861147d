#pragma once

#include <QPointer>

#include "misc/TodoListHooks.h"

class Misc1;
class TodoPanel;

// Places the to-do panel into the misc window's Panel3D1 and wires it to the window's Exit button,
// Options menu and print preview panel.
class TodoPanelHooks : public TodoListHooks
{
public:
    explicit TodoPanelHooks(Misc1 &window);

    TodoPanel *panel() const;

    void load() override;
    void activate() override;
    bool changed() const override;
    bool save() override;
    void forgetChanges() override;
    void hideCalendar() override;
    void optionsMenuRequested() override;
    void setGridPicture(const QImage &picture) override;

private:
    QPointer<TodoPanel> m_panel;
};
