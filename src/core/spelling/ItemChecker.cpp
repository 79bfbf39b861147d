#include "core/spelling/ItemChecker.h"

#include "core/spelling/SpellCheck.h"
#include "core/spelling/SpellChecker.h"

ItemCheck SpellItemChecker::check(const QString &text)
{
    SpellCheck check(m_checker, m_asker);
    check.setText(text);
    check.setCheckRange(0, -1);
    ItemCheck out;
    QObject::connect(&check, &SpellCheck::misspellingFound, [&out] { ++out.misspellings; });
    QObject::connect(&check, &SpellCheck::autoCorrectChanged, [&out] { out.autoCorrectChanged = true; });
    out.code = check.check();
    out.changes = check.changeCount();
    out.text = check.text();
    return out;
}

void SpellItemChecker::addAutoCorrect(const QString &misspelling, const QString &correction)
{
    m_checker.addAutoCorrect(misspelling, correction);
}

QString SpellItemChecker::autoCorrectMisspelling(int i) const { return m_checker.autoCorrectMisspelling(i); }

QString SpellItemChecker::autoCorrectCorrection(int i) const { return m_checker.autoCorrectCorrection(i); }

int SpellItemChecker::autoCorrectCount() const { return m_checker.autoCorrectCount(); }
