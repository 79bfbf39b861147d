#pragma once

#include <QStringList>
#include <functional>
#include <memory>

#include "core/files/SafeWrite.h"

class QWidget;
class SpellAsker;
class SpellChecker;
class SpellDialog;
class SpellItemChecker;
class TodoGrid;

// The to-do list's spelling check with the spelling dialog, its help topic and closing message. The
// checker and its auto-correct list, built when first needed, live as long as the tool (the window).
class TodoSpellingTool
{
public:

    // Without an asker the spelling dialog, over `window`, asks the user.
    explicit TodoSpellingTool(QWidget *window = nullptr, SpellAsker *asker = nullptr);
    ~TodoSpellingTool();

    // Checks the item cells of `grid`; `names` are the name picker's entries, `saveNames` writes the name
    // list file and `clearEntryBox` clears the entry box. Returns whether the grid changed.
    bool run(TodoGrid &grid, QStringList &names, const std::function<WriteResult(const QStringList &)> &saveNames,
             const std::function<void()> &clearEntryBox);

    SpellChecker &checker();

private:
    void prepare();

    QWidget *m_window;
    SpellAsker *m_asker;
    std::unique_ptr<SpellChecker> m_checker;
    std::unique_ptr<SpellDialog> m_dialog;
    std::unique_ptr<SpellItemChecker> m_items;
};
