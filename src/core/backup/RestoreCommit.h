#pragma once

#include <QDir>
#include <QString>
#include <functional>

#include "core/backup/RestoreJournal.h"

// The moments between two steps of a restore, where it may be cut short; tests stop it there.
enum class RestoreStep {
    JournalWritten, // the journal says Staging; nothing is staged yet
    FileStaged,     // one more of the backup's files is in the staging folder
    Committing,     // the journal says Committing
    MovedAside,     // one more workbook file is in the replaced folder
    MovedIn,        // one more staged file is in its place
    TakenBack,      // one more restored file is back in the staging folder
    PutBack,        // one more replaced file is back in its place
};
using RestoreHook = std::function<void(RestoreStep)>;

// The renames that make a staged restore the workbook, and those that undo them. Each resumes where an
// earlier run was cut short, whichever way it went: all the workbook's files go aside before any
// staged one comes in, and all restored ones go back before any replaced one, so whether a file in
// the data folder is old or new follows from which of the two folders still holds its name.
class RestoreCommit
{
  public:
    RestoreCommit(const QString &dataFolder, RestoreJournal journal, RestoreHook hook = {});

    // Empty when the staged files are in place, else the reason naming the file.
    QString forward();
    // Empty when the workbook is back as it was, else the reason naming the file. The restored files
    // are taken out first, so that the put-back needs no room on the disk.
    QString back();

    // After forward(): removes the journal and the empty staging folder, and the replaced folder when the
    // restore replaced nothing. Returns the replaced folder's name, or empty when it was removed.
    QString finish();
    // After back() or before committing: removes the journal, the staging folder and the replaced folder.
    void discard();

  private:
    void removeStaging();
    QString rename(const QString &from, const QString &to, RestoreStep step);

    QDir m_data;
    QDir m_staging;
    QDir m_replaced;
    RestoreJournal m_journal;
    RestoreHook m_hook;
};
