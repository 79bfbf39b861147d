#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "core/todo/NameListFile.h"

// The to-do item names offered by the name picker, kept in TODONAME.FIL. Every change rewrites the file.
// A list whose only name was deleted holds one empty name, which the next added name replaces.
class TodoNames
{
public:
    explicit TodoNames(const QString &path = QString::fromLatin1(NameListFile::DefaultFileName));

    const QStringList &names() const { return m_names; }

    // Reads the file; returns the note for the user when it could be read only in part.
    QString load();

    // Adds `text` unchanged unless it is blank, the list is full, or a stored name equals it ignoring
    // case and trailing blanks. Returns the write's outcome, or nothing when nothing changed.
    std::optional<WriteResult> addIfNew(const QString &text);
    // Removes the first name equal to `text` ignoring case and surrounding blanks, then rewrites the
    // file (unchanged when none matched). Nothing happens while the list is empty.
    std::optional<WriteResult> remove(const QString &text);

    // Replaces the whole list, as the spelling check corrects it, and rewrites the file. A list longer
    // than the file holds is refused and the list stays as it was.
    WriteResult replace(const QStringList &names);

    // The first name that begins with `typed` (leading blanks dropped), ignoring case; empty if none.
    QString completion(const QString &typed) const;

private:
    NameListFile m_file;
    QStringList m_names;
};
