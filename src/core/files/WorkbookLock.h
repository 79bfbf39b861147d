#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include "core/files/FileNames.h"

// The one-writer lock of a workbook folder: a lock file in it naming the process, host and user that
// hold the folder. A lock left by a run that ended without releasing it (its process is gone) is taken
// over. Released when the object is destroyed.
class WorkbookLock
{
public:
    static constexpr auto FileName = FileNames::Lock;

    enum class Outcome { Taken, HeldElsewhere, Unavailable };

    // Who holds the folder, as its lock file says.
    struct Holder {
        qint64 pid = 0;
        QString host;
        QString user;
        QString application;
        QDateTime since;
    };

    // "ann on host1, process 4242 (Tessarel), since December 8, 2026 at 20:15:03".
    static QString describe(const Holder &holder);

    explicit WorkbookLock(const QString &folder);

    Outcome take();
    bool isTaken() const { return m_lock.isLocked(); }
    // After HeldElsewhere: the holder. After Unavailable: why the lock file could not be made.
    const Holder &holder() const { return m_holder; }
    const QString &error() const { return m_error; }
    const QString &path() const { return m_path; }
    const QString &folder() const { return m_folder; }

private:
    QString m_folder;
    QString m_path;
    QLockFile m_lock;
    Holder m_holder;
    QString m_error;
};
