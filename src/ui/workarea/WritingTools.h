#pragma once

#include <memory>

#include "ui/workarea/WorkAreaWindow.h"

class RichTextBox;
class SpellAsker;
class SpellChecker;
class Thesaurus;
class ThesaurusAsker;

// Spell check, thesaurus and font selection of the entry editor.
class WritingTools
{
public:
    static constexpr int ThesaurusLengthGuard = 3000;
    static constexpr int FontDialogFlags = 8450;

    // Without askers the tools show their own dialogs.
    explicit WritingTools(SpellAsker *spellAsker = nullptr, ThesaurusAsker *thesaurusAsker = nullptr);
    ~WritingTools();

    // The hooks of the three tools, working on the editor set by setEditor().
    static WorkAreaHooks addHooks(WorkAreaHooks hooks, const std::shared_ptr<WritingTools> &tools);
    void setEditor(RichTextBox *editor) { m_editor = editor; }

    void spellCheck();
    void thesaurus();
    void selectFont();

private:
    SpellChecker &checker();
    const Thesaurus &thesaurusData();
    void showSpellingHelp();

    RichTextBox *m_editor = nullptr;
    SpellAsker *m_spellAsker;
    ThesaurusAsker *m_thesaurusAsker;
    std::unique_ptr<SpellChecker> m_checker;
    std::unique_ptr<Thesaurus> m_thesaurus;
};
