#pragma once

#include <QStringList>
#include <functional>

#include "core/files/SafeWrite.h"

class ItemChecker;
class TodoGrid;

// The spelling check of the to-do items, row by row, with the name list kept in step and the
// auto-correct list applied to the rows that follow when the user changes it.
class TodoSpellCheck
{
public:
    static constexpr int ItemLength = 45;
    static constexpr auto EndMarker = "TheEnd1";

    explicit TodoSpellCheck(ItemChecker &checker) : m_checker(checker) {}

    // Gives the checker the built-in auto-correct list, in slot order.
    static void loadAutoCorrectList(ItemChecker &checker);

    // Checks the item cells of rows 1 to 500. `names` are the name picker's entries. Returns the
    // closing message.
    QString run(TodoGrid &grid, QStringList &names);
    // Applies the checker's auto-correct list, up to the first end marker, to rows after `row`.
    void applyAutoCorrect(TodoGrid &grid, int row);

    // Writes the name list file; the picker shows what was written.
    std::function<WriteResult(const QStringList &)> saveNames;
    // Clears the to-do entry box after the name list changed.
    std::function<void()> clearEntryBox;

    qint16 CheckActivity = 0;
    qint16 ItemCorrected = 0;
    QString CheckOriginal;
    qint16 AutoCorrectPending = 0;
    bool gridChanged = false;
    // Why the name list file could not be written, when it could not.
    QString nameListError;

private:
    void updateNames(const QString &corrected, QStringList &names);

    ItemChecker &m_checker;
};
