#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/files/SafeWrite.h"
#include "core/files/FileNames.h"

// The note a restore keeps beside the data files while it runs, so that the next start can finish or
// undo a restore that was cut short. It names the folders the restore works in (both beside the data
// files) and the files it moves, and the step reached:
// - Staging: the backup's files are being written into the staging folder; the workbook is untouched.
// - Committing: every staged file was written and checked; the workbook's files are being moved into
//   the replaced folder and the staged files into their place, by renames.
struct RestoreJournal
{
    enum class Step { Staging, Committing };

    static constexpr auto FileName = FileNames::RestoreJournal;

    Step step = Step::Staging;
    QString backupName;     // the backup's file name, for the messages
    QString stagingFolder;  // "Restoring <date> <time>"
    QString replacedFolder; // "Replaced <date> <time>"
    QStringList current;    // the workbook files present when the restore began
    QStringList restored;   // the backup's files

    QByteArray toJson() const;
    // The journal in `json`, or nothing with the reason in `error`: only this program's folder names and
    // workbook file names are accepted, so that a damaged note never moves anything else.
    static std::optional<RestoreJournal> fromJson(const QByteArray &json, QString *error);

    // Whole and atomically, on disk (the folder's entry too) before it returns.
    WriteResult write(const QString &dataFolder) const;
};

namespace RestoreFolders {

inline QString stagingPrefix()
{
    return QStringLiteral("Restoring");
}
inline QString replacedPrefix()
{
    return QStringLiteral("Replaced");
}

// Whether `name` is a folder name a restore makes: `prefix` + " yyyy-MM-dd HHmmss", maybe numbered.
bool isOwnName(const QString &name, const QString &prefix);

// Flushes the folder's entries (renames, new and removed files) to disk; false when it cannot.
bool sync(const QString &folder);

} // namespace RestoreFolders
