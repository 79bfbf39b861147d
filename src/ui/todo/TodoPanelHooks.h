#pragma once

#include <QPointer>
#include <memory>

#include "ui/todo/TodoListHooks.h"

class MiscAreaWindow;
class SpellAsker;
class TodoPanel;
class TodoSpellingTool;

// Places the to-do panel into the misc window's todoArea and wires it to the window's Exit button,
// Options menu (with the spelling check of the items) and print preview panel.
class TodoPanelHooks : public TodoListHooks
{
public:
    // Without an asker the spelling dialog asks about misspelled items.
  explicit TodoPanelHooks(MiscAreaWindow &window, SpellAsker *spellAsker = nullptr);
  ~TodoPanelHooks() override;

  TodoPanel *panel() const;

  void load() override;
  void activate() override;
  bool changed() const override;
  bool save() override;
  void forgetChanges() override;
  void hideCalendar() override;
  void optionsMenuRequested() override;
  void setGridPicture(const QImage &picture) override;

  // spellAction and spellingButton: checks the items of every row, correcting the grid and the name list.
  void spellCheck();

private:
    QPointer<TodoPanel> m_panel;
    std::unique_ptr<TodoSpellingTool> m_spelling;
};
