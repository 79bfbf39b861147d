#pragma once

#include <QDateTime>
#include <QString>

#include "core/backup/BackupManifest.h"
#include "core/backup/BackupReader.h"
#include "core/files/Outcome.h"

// The manifest of the backup written, or the reason naming the file.
using BackupOutcome = Result<BackupManifest>;

// Writes every workbook file present in `folder`, with its manifest, into the ZIP archive `zipPath`:
// whole and atomically, then reads the archive back and checks it against the manifest. On any
// failure no archive is left at `zipPath` (an older file of that name stays when the write failed).
BackupOutcome backUpWorkbook(const QString &folder, const QString &zipPath, const QDateTime &created,
                             const BackupProgress &progress = {});
