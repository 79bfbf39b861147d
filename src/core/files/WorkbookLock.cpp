#include "core/files/WorkbookLock.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "core/workbook/Product.h"

WorkbookLock::WorkbookLock(const QString &folder)
    : m_folder(folder), m_path(QDir(folder).filePath(QString::fromLatin1(FileName))), m_lock(m_path)
{
    // Held for the whole run: only a lock whose process is gone counts as stale, never an old one.
    m_lock.setStaleLockTime(0);
}

WorkbookLock::Outcome WorkbookLock::take()
{
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return Outcome::Taken;
    if (m_lock.error() != QLockFile::LockFailedError) {
        m_error = m_lock.error() == QLockFile::PermissionError
                      ? QStringLiteral("the folder %1 cannot be written to").arg(QDir::toNativeSeparators(
                            QFileInfo(m_path).absolutePath()))
                      : QStringLiteral("the lock file %1 cannot be made").arg(QDir::toNativeSeparators(m_path));
        return Outcome::Unavailable;
    }
    m_holder = {};
    m_lock.getLockInfo(&m_holder.pid, &m_holder.host, &m_holder.application);
    // The lock file belongs to the user whose copy made it, and dates from when it was taken.
    const QFileInfo file(m_path);
    m_holder.user = file.owner();
    m_holder.since = file.lastModified();
    return Outcome::HeldElsewhere;
}

QString WorkbookLock::describe(const Holder &holder)
{
    const QString user = holder.user.isEmpty() ? QStringLiteral("an unknown user") : holder.user;
    const QString since =
        QLocale(QLocale::English, QLocale::UnitedStates).toString(holder.since, u"MMMM d, yyyy 'at' HH:mm:ss");
    return QStringLiteral("%1 on %2, process %3 (%4), since %5")
        .arg(user, holder.host.isEmpty() ? QStringLiteral("an unknown computer") : holder.host)
        .arg(holder.pid)
        .arg(holder.application.isEmpty() ? Product::name : holder.application, since);
}
