#include "misc/TodoPanelHooks.h"

#include <QFrame>
#include <QLayout>
#include <QMenu>
#include <QTableView>

#include "misc/Misc1.h"
#include "misc/TodoPanel.h"
#include "pagetools/PreviewPanel.h"

TodoPanelHooks::TodoPanelHooks(Misc1 &window) : m_panel(new TodoPanel(window.Panel3D1))
{
    window.Panel3D1->layout()->setContentsMargins(0, 0, 0, 0);
    window.Panel3D1->layout()->addWidget(m_panel);
    m_panel->setExitButton(window.Command1[0]);
    m_panel->attachMenu(window.mO, window.mODel, window.mOCl, window.mOIN, window.mOPrt, window.mOS);
    m_panel->attachPreview(window.previewPanel);
    m_panel->setPopup([&window](const QPoint &at) {
        if (!window.previewPanel->isVisible())
            window.mO->popup(at);
    });
}

void TodoPanelHooks::load()
{
    m_panel->loadList();
}

void TodoPanelHooks::activate()
{
    m_panel->activate();
}

bool TodoPanelHooks::changed() const
{
    return m_panel->GridChanged == 1;
}

bool TodoPanelHooks::save()
{
    return m_panel->saveGrid();
}

void TodoPanelHooks::forgetChanges()
{
    m_panel->GridChanged = 0;
}

void TodoPanelHooks::hideCalendar()
{
    m_panel->hideCalendar();
}

void TodoPanelHooks::optionsMenuRequested()
{
    m_panel->optionsMenuRequested();
}

void TodoPanelHooks::setGridPicture(const QImage &picture)
{
    m_panel->setGridPicture(picture);
}

TodoPanel *TodoPanelHooks::panel() const
{
    return m_panel;
}
