#pragma once

#include <QDateTime>
#include <QString>

#include "backup/BackupReader.h"

struct RestoreOutcome
{
    bool ok = false;
    QString error;          // names the file and the reason
    QString replacedFolder; // where the files it replaced were kept; empty when there were none
    explicit operator bool() const { return ok; }
};

// The folder beside the data files that keeps the files a restore at `when` replaces.
QString replacedFolderName(const QDateTime &when);

// Makes the workbook in `folder` the one in the verified `backup`: copies the current workbook files
// into a new "Replaced <date> <time>" folder, writes each file of the backup atomically and removes
// the workbook files the backup does not hold. When a step fails the files changed so far are put
// back from the copies.
RestoreOutcome restoreWorkbook(BackupReader &backup, const QString &folder, const QDateTime &when);
