#pragma once

#include <QDateTime>
#include <QString>

#include "core/backup/BackupReader.h"
#include "core/backup/RestoreCommit.h"
#include "core/files/Outcome.h"

// Done: the folder that keeps the files the restore replaced (empty when there were none). Failed: the
// reason naming the file.
using RestoreOutcome = Result<QString>;

// The folder beside the data files that keeps the files a restore at `when` replaces.
QString replacedFolderName(const QDateTime &when);

// Makes the workbook in `folder` the one in the verified `backup`, all or nothing even when the program
// is killed part-way: with a journal beside the data files (see RestoreJournal), writes and checks the
// backup's files in a staging folder, then moves the current workbook files into a new
// "Replaced <date> <time>" folder and the staged ones into their place. When a step fails, what was
// done is undone; a restore cut short is finished or undone by finishInterruptedRestore().
// `hook` is called at every step, for tests.
RestoreOutcome restoreWorkbook(BackupReader &backup, const QString &folder, const QDateTime &when,
                               const RestoreHook &hook = {});
