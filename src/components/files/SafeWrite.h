#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Outcome of a file write: ok, or the reason it failed (naming the file).
struct WriteResult {
    bool ok = false;
    QString error;
    explicit operator bool() const { return ok; }
};

// Writes `bytes` as the whole new content of `path`: into a temporary file in the same folder,
// renamed over the old file only once every byte is on disk. The old file is untouched on failure.
WriteResult writeWholeFile(const QString &path, const QByteArray &bytes);

// Copies `path` to `path` + suffix (replacing an older copy), so that what could not be read survives.
WriteResult keepCopyAside(const QString &path, const QString &suffix = QStringLiteral(".bak"));

// Removes from `folder` what saves cut short (the program killed between writing and renaming) left
// behind: files named after one of `names` followed by a dot and six letters or digits, the pattern
// of writeWholeFile's temporary files. Nothing else is touched. Returns how many were removed.
int removeSaveLeftovers(const QString &folder, const QStringList &names);
