#include "ui/todo/TodoSpellingTool.h"

#include "core/workbook/Product.h"
#include "ui/widgets/Dialogs.h"
#include "core/spelling/SpellChecker.h"
#include "ui/widgets/SpellDialog.h"
#include "core/spelling/ItemChecker.h"
#include "core/todo/TodoSpellCheck.h"
#include "core/workbook/HelpTopics.h"

TodoSpellingTool::TodoSpellingTool(QWidget *window, SpellAsker *asker) : m_window(window), m_asker(asker) {}

void TodoSpellingTool::prepare()
{
    if (m_checker)
        return;
    m_checker = std::make_unique<SpellChecker>();
    m_dialog = std::make_unique<SpellDialog>(m_window);
    QObject::connect(m_dialog.get(), &SpellDialog::helpRequested, m_dialog.get(),
                     [] { Dialogs::current().showHelp(Product::helpFile, Dialogs::HelpTopic, HelpTopics::Spelling); });
    m_items = std::make_unique<SpellItemChecker>(*m_checker, m_asker ? *m_asker : static_cast<SpellAsker &>(*m_dialog));
    TodoSpellCheck::loadAutoCorrectList(*m_items);
}

SpellChecker &TodoSpellingTool::checker()
{
    prepare();
    return *m_checker;
}

TodoSpellingTool::~TodoSpellingTool() = default;

bool TodoSpellingTool::run(TodoGrid &grid, QStringList &names,
                           const std::function<WriteResult(const QStringList &)> &saveNames,
                           const std::function<void()> &clearEntryBox)
{
    prepare();
    TodoSpellCheck check(*m_items);
    check.saveNames = saveNames;
    check.clearEntryBox = clearEntryBox;
    const QString closing = check.run(grid, names);
    const QString caption = QStringLiteral("Spelling Check");
    if (!check.nameListError.isEmpty())
        Dialogs::current().messageBox(check.nameListError, Dialogs::OkOnly | Dialogs::Exclamation, caption);
    Dialogs::current().messageBox(closing, Dialogs::OkOnly | Dialogs::Information, caption);
    return check.gridChanged;
}
