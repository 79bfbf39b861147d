#include "ui/todo/TodoPanelHooks.h"

#include <QFrame>
#include <QLayout>
#include <QMenu>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "ui/misc/MiscAreaWindow.h"
#include "core/todo/TodoGridModel.h"
#include "ui/todo/TodoPanel.h"
#include "ui/todo/TodoSpellingTool.h"
#include "ui/preview/PreviewPanel.h"

TodoPanelHooks::TodoPanelHooks(MiscAreaWindow &window, SpellAsker *spellAsker)
    : m_panel(new TodoPanel(window.todoArea)),
      m_spelling(std::make_unique<TodoSpellingTool>(&window, spellAsker))
{
    window.todoArea->layout()->setContentsMargins(0, 0, 0, 0);
    window.todoArea->layout()->addWidget(m_panel);
    m_panel->setExitButton(window.exitButton);
    m_panel->attachMenu(window.optionsMenu, window.deleteItemAction, window.clearGridAction,
                        window.insertRowAction, window.printAction, window.saveAction);
    m_panel->attachPreview(window.previewPanel);
    m_panel->setPopup([&window](const QPoint &at) {
        if (!window.previewPanel->isVisible())
            window.optionsMenu->popup(at);
    });
    QObject::connect(window.spellAction, &QAction::triggered, m_panel, [this] { spellCheck(); });
    QObject::connect(m_panel->spellingButton, &QPushButton::clicked, m_panel, [this] { spellCheck(); });
}

TodoPanelHooks::~TodoPanelHooks() = default;

void TodoPanelHooks::spellCheck()
{
    TodoPanel &panel = *m_panel;
    TodoGrid cells = panel.grid->grid();
    QStringList names;
    for (int i = 0; i < panel.namePicker->count(); ++i)
        names.append(panel.namePicker->itemText(i));
    const auto saveNames = [&panel](const QStringList &list) { return panel.replaceNames(list); };
    const bool changed = m_spelling->run(cells, names, saveNames, [&panel] { panel.entryBox->clear(); });
    if (changed) {
        panel.grid->setGrid(cells);
        panel.gridChanged = true;
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
    return m_panel->gridChanged;
}

bool TodoPanelHooks::save()
{
    return m_panel->saveGrid();
}

void TodoPanelHooks::forgetChanges()
{
    m_panel->gridChanged = false;
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
