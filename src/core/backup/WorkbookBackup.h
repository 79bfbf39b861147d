#pragma once

#include <QDateTime>
#include <QString>

#include "core/backup/BackupReader.h"
#include "core/backup/BackupSummary.h"
#include "core/files/Outcome.h"

// Backing up and restoring the workbook in a folder, as the start screen's menu and the command-line tool
// both do it: each step ends in a sentence for the user, naming the file and, on failure, the reason.
namespace WorkbookBackup {

// Said when the folder holds no workbook file to back up.
QString nothingToBackUp();

// "<Product> workbook yyyy-MM-dd.zip": the name a backup taken at `when` is offered.
QString suggestedName(const QDateTime &when);

// Backs up every workbook file in `folder` into `zipPath`, checks the archive and remembers its folder
// for the next backup. Done: what was backed up, where.
Result<QString> backUp(const QString &folder, const QString &zipPath, const QDateTime &when,
                       const BackupProgress &progress = {});

// Checks the whole of `backup` before a restore. Done: what it holds, as the user is shown it.
Result<BackupSummary> check(BackupReader &backup, const BackupProgress &progress = {});

// The question put before a restore from a checked backup.
QString confirmation(const QString &zipPath, const BackupSummary &summary);

// Makes the workbook in `folder` the checked backup's, all or nothing. Done: what was restored and where
// the files it replaced are kept.
Result<QString> restore(BackupReader &backup, const QString &folder, const QDateTime &when);

} // namespace WorkbookBackup
