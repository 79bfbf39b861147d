#include "core/todo/TodoSpellCheck.h"

#include "core/spelling/AutoCorrectList.h"
#include "core/spelling/ItemChecker.h"
#include "core/todo/TodoGrid.h"

namespace {

// The name comparison: trailing blanks removed, upper case.
QString nameKey(QString name)
{
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name.toUpper();
}

bool hasCapital(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isUpper(); });
}

// Replaces every blank-edged `word` in `text` (letter case ignored) by `correction`, which takes the
// capital of the word it replaces. A correction with capitals of its own is kept as written. The search
// goes on after each inserted correction, so it ends even when the correction matches the word.
QString replaceWord(QString text, const QString &word, const QString &correction)
{
    const QString lower = hasCapital(correction) ? correction : correction.toLower();
    qsizetype from = 0;
    qsizetype at;
    while ((at = text.indexOf(word, from, Qt::CaseInsensitive)) >= 0) {
        QString inserted = lower;
        if (text[at + 1].isUpper() && inserted.size() > 1)
            inserted[1] = inserted[1].toUpper();
        text.replace(at, word.size(), inserted);
        from = at + inserted.size() - 1;
    }
    return text;
}

} // namespace

void TodoSpellCheck::loadAutoCorrectList(ItemChecker &checker)
{
    for (const AutoCorrectPair &pair : AutoCorrectList::pairs())
        checker.addAutoCorrect(QString::fromLatin1(pair.misspelling), QString::fromLatin1(pair.correction));
}

QString TodoSpellCheck::run(TodoGrid &grid, QStringList &names)
{
    CheckActivity = 0;
    bool stop = false;
    for (int row = 1; row <= TodoGrid::Rows && !stop; ++row) {
        ItemCorrected = 0;
        CheckOriginal = grid.cell(row, 1);
        const ItemCheck result = m_checker.check(CheckOriginal);
        CheckActivity = qint16(CheckActivity + result.misspellings);
        if (result.changes > 0) {
            grid.setCell(row, 1, result.text);
            ItemCorrected = 99;
            ++CheckActivity;
            gridChanged = true;
        }
        if (result.autoCorrectChanged)
            AutoCorrectPending = 1;
        const bool cancelled = result.code == -1;
        bool restart = false;
        if (AutoCorrectPending == 1) {
            applyAutoCorrect(grid, row);
            AutoCorrectPending = 0;
            restart = !cancelled;
        }
        stop = cancelled;
        if (const QString text = grid.cell(row, 1); text.size() > ItemLength)
            grid.setCell(row, 1, text.left(ItemLength));
        if (ItemCorrected == 99)
            updateNames(grid.cell(row, 1), names);
        if (restart)
            row = 0;
    }
    return CheckActivity != 0
               ? QStringLiteral("Spelling Check has been canceled or has reached the end of your entries")
               : QStringLiteral("Spelling Check did not change or did not find any misspelled words!");
}

void TodoSpellCheck::updateNames(const QString &corrected, QStringList &names)
{
    const QString original = nameKey(CheckOriginal);
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (nameKey(names[i]) == original) {
            names.removeAt(i);
            break;
        }
    }
    const QString key = nameKey(corrected);
    if (std::any_of(names.begin(), names.end(), [&key](const QString &n) { return nameKey(n) == key; }))
        return;
    QStringList written = names.isEmpty() || names.first().isEmpty() ? QStringList() : names;
    written.append(corrected);
    if (saveNames) {
        if (const WriteResult result = saveNames(written); !result)
            nameListError = result.error;
    }
    names = written;
    if (clearEntryBox)
        clearEntryBox();
    gridChanged = true;
}

void TodoSpellCheck::applyAutoCorrect(TodoGrid &grid, int row)
{
    const QString marker = QString::fromLatin1(EndMarker);
    m_checker.addAutoCorrect(marker, marker);
    for (int i = 0; i < m_checker.autoCorrectCount(); ++i) {
        const QString misspelling = m_checker.autoCorrectMisspelling(i);
        if (misspelling.trimmed() == marker)
            break;
        if (misspelling.trimmed().isEmpty())
            continue;
        const QString word = QLatin1Char(' ') + misspelling + QLatin1Char(' ');
        const QString correction = QLatin1Char(' ') + m_checker.autoCorrectCorrection(i) + QLatin1Char(' ');
        for (int r = row + 1; r <= TodoGrid::Rows; ++r) {
            const QString text = QLatin1Char(' ') + grid.cell(r, 1) + QLatin1Char(' ');
            if (text.trimmed().isEmpty())
                continue;
            const QString corrected = replaceWord(text, word, correction).trimmed().left(ItemLength);
            if (corrected != grid.cell(r, 1)) {
                grid.setCell(r, 1, corrected);
                gridChanged = true;
            }
        }
    }
}
