#pragma once

#include <QString>
#include <optional>

// What the start found of a restore that was cut short, and what it did about it.
struct RestoreRecovery
{
    enum class Kind {
        Finished,   // the workbook is now the backup's
        Undone,     // the workbook is as it was before the restore
        Failed,     // neither could be done; the journal stays for the next start
        Unreadable, // the journal could not be read; it was kept aside and nothing was moved
    };
    Kind kind = Kind::Undone;
    QString message; // for the user: which it did, and where the replaced files are

    // Finishes the restore cut short in `dataFolder` when its journal says every file was staged, else
    // undoes it. Nothing when no restore was cut short there.
    static std::optional<RestoreRecovery> run(const QString &dataFolder);
};
