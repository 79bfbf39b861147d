#include "ui/todo/TodoPanelHooks.h"

#include <QFrame>
#include <QLayout>
#include <QMenu>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "ui/misc/Misc1.h"
#include "core/todo/TodoGridModel.h"
#include "ui/todo/TodoPanel.h"
#include "ui/todo/TodoSpellingTool.h"
#include "ui/preview/PreviewPanel.h"

TodoPanelHooks::TodoPanelHooks(Misc1 &window, SpellAsker *spellAsker)
    : m_panel(new TodoPanel(window.Panel3D1)), m_spelling(std::make_unique<TodoSpellingTool>(&window, spellAsker))
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
    QObject::connect(window.mOSpell, &QAction::triggered, m_panel, [this] { spellCheck(); });
    QObject::connect(m_panel->Command6, &QPushButton::clicked, m_panel, [this] { spellCheck(); });
}

TodoPanelHooks::~TodoPanelHooks() = default;

void TodoPanelHooks::spellCheck()
{
    TodoPanel &panel = *m_panel;
    TodoGrid cells = panel.grid->grid();
    QStringList names;
    for (int i = 0; i < panel.Combo1->count(); ++i)
        names.append(panel.Combo1->itemText(i));
    const auto saveNames = [&panel](const QStringList &list) { return panel.replaceNames(list); };
    const bool changed = m_spelling->run(cells, names, saveNames, [&panel] { panel.Text1_0->clear(); });
    if (changed) {
        panel.grid->setGrid(cells);
        panel.GridChanged = 1;
    }
    panel.setEditMode(2);
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
