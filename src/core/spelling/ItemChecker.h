#pragma once

#include <QString>

class SpellAsker;
class SpellChecker;

// What one check of a to-do item reported.
struct ItemCheck {
    QString text;                    // the text after the check
    int misspellings = 0;            // misspelled words found
    int changes = 0;                 // changes made
    bool autoCorrectChanged = false; // the user changed the auto-correct list
    int code = 0;                    // 0 at the end of the text, -1 when the user cancelled
};

// The spelling checker as the to-do list's check uses it: one item at a time, and its auto-correct list.
class ItemChecker
{
public:
    virtual ~ItemChecker() = default;
    virtual ItemCheck check(const QString &text) = 0;
    virtual void addAutoCorrect(const QString &misspelling, const QString &correction) = 0;
    // Entry i from 0, or "" past the end.
    virtual QString autoCorrectMisspelling(int i) const = 0;
    virtual QString autoCorrectCorrection(int i) const = 0;
    virtual int autoCorrectCount() const = 0;
};

// The spelling checker and its dialog as an item checker.
class SpellItemChecker : public ItemChecker
{
public:
    SpellItemChecker(SpellChecker &checker, SpellAsker &asker) : m_checker(checker), m_asker(asker) {}

    ItemCheck check(const QString &text) override;
    void addAutoCorrect(const QString &misspelling, const QString &correction) override;
    QString autoCorrectMisspelling(int i) const override;
    QString autoCorrectCorrection(int i) const override;
    int autoCorrectCount() const override;

private:
    SpellChecker &m_checker;
    SpellAsker &m_asker;
};
