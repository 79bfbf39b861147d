#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class QDateTime;

#include "core/files/Outcome.h"

// Outcome of a file write: ok, or the reason it failed (naming the file).
using WriteResult = Outcome;

// Writes `bytes` as the whole new content of `path`: into a temporary file in the same folder,
// renamed over the old file only once every byte is on disk. The old file is untouched on failure.
// Nothing is written into a workbook opened read-only.
WriteResult writeWholeFile(const QString &path, const QByteArray &bytes);

// Replaces a file that the program read (and recorded in WorkbookAccess) with `bytes`, as writeWholeFile.
// When another program changed or created the file since, the user is asked first: either the other
// version is kept beside it under a name of its own and then `bytes` written, or nothing is written.
// What was written is recorded as the file's new content.
WriteResult replaceReadFile(const QString &path, const QByteArray &bytes);

// "Action0 (changed elsewhere 2026-12-08 201503).Fil" beside `path`, for a version changed at `changed`;
// a number is added while that name is taken.
QString changedElsewherePath(const QString &path, const QDateTime &changed);

// Copies `path` to `path` + suffix (replacing an older copy), so that what could not be read survives.
WriteResult keepCopyAside(const QString &path, const QString &suffix = QStringLiteral(".bak"));

// Removes from `folder` what saves cut short (the program killed between writing and renaming) left
// behind: files named after one of `names` followed by a dot and six letters or digits, the pattern
// of writeWholeFile's temporary files. Nothing else is touched. Returns how many were removed.
int removeSaveLeftovers(const QString &folder, const QStringList &names);
