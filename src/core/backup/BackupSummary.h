#pragma once

#include <QDateTime>
#include <optional>

#include "core/backup/BackupReader.h"

// What a verified backup holds, as the user is shown it before a restore.
struct BackupSummary
{
    QDateTime created;
    int entries = 0;     // entry files held
    int statusesSet = 0; // items with a status chosen
    bool hasTodoList = false;

    // Nothing (with the reader's error) when the backup's status file cannot be read.
    static std::optional<BackupSummary> of(BackupReader &backup);
};
