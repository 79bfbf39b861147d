#pragma once

#include <QList>

#include "core/spelling/SpellCheck.h"
#include "core/spelling/Thesaurus.h"

// Answers the spelling checker's questions from a queue (Ignore once it runs dry) and records them.
class ScriptedSpellAsker : public SpellAsker
{
public:
    void answer(SpellAnswer::Action action, const QString &replacement = {}) { m_answers.append({action, replacement}); }
    SpellAnswer ask(const SpellQuestion &question) override
    {
        questions.append(question);
        if (onAsk)
            onAsk(question);
        return m_answers.isEmpty() ? SpellAnswer{} : m_answers.takeFirst();
    }

    QList<SpellQuestion> questions;
    std::function<void(const SpellQuestion &)> onAsk;

private:
    QList<SpellAnswer> m_answers;
};

// Picks a thesaurus replacement from a queue ("" once it runs dry: cancelled) and records the words.
class ScriptedThesaurus : public ThesaurusAsker
{
public:
    void answer(const QString &replacement) { m_answers.append(replacement); }
    QString replacementFor(const QString &word) override
    {
        words.append(word);
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    }

    QStringList words;

private:
    QStringList m_answers;
};
