#include "core/backup/RestoreCommit.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Whether anything, a dangling link included, has the name `path`.
bool present(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

RestoreCommit::RestoreCommit(const QString &dataFolder, RestoreJournal journal, RestoreHook hook)
    : m_data(dataFolder), m_staging(m_data.filePath(journal.stagingFolder)),
      m_replaced(m_data.filePath(journal.replacedFolder)), m_journal(std::move(journal)),
      m_hook(std::move(hook))
{
}

void RestoreCommit::removeStaging()
{
    if (RestoreFolders::isOwnName(m_journal.stagingFolder, RestoreFolders::stagingPrefix()))
        m_staging.removeRecursively();
}

QString RestoreCommit::rename(const QString &from, const QString &to, RestoreStep step)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (m_hook)
        m_hook(step);
    return {};
}

QString RestoreCommit::forward()
{
    for (const QString &name : std::as_const(m_journal.current)) {
        if (present(m_replaced.filePath(name)) || !present(m_data.filePath(name)))
            continue;
        const QString error =
            rename(m_data.filePath(name), m_replaced.filePath(name), RestoreStep::MovedAside);
        if (!error.isEmpty())
            return QStringLiteral("Unable to move %1 aside: %2").arg(name, error);
    }
    for (const QString &name : std::as_const(m_journal.restored)) {
        if (!present(m_staging.filePath(name)))
            continue;
        const QString error = rename(m_staging.filePath(name), m_data.filePath(name), RestoreStep::MovedIn);
        if (!error.isEmpty())
            return QStringLiteral("Unable to restore %1: %2").arg(name, error);
    }
    // The replaced folder is gone when a finish that removed it as empty was cut short.
    if (!RestoreFolders::sync(m_data.path()) ||
        (m_replaced.exists() && !RestoreFolders::sync(m_replaced.path())))
        return QStringLiteral("Unable to flush the workbook folder to disk");
    return {};
}

QString RestoreCommit::back()
{
    QString firstError;
    for (const QString &name : std::as_const(m_journal.restored)) {
        // Still staged, or the workbook's own file that never went aside: not the restore's.
        if (present(m_staging.filePath(name)) || !present(m_data.filePath(name)) ||
            (m_journal.current.contains(name) && !present(m_replaced.filePath(name))))
            continue;
        const QString error = rename(m_data.filePath(name), m_staging.filePath(name), RestoreStep::TakenBack);
        if (!error.isEmpty() && firstError.isEmpty())
            firstError = QStringLiteral("Unable to take %1 back out: %2").arg(name, error);
    }
    for (const QString &name : std::as_const(m_journal.current)) {
        if (!present(m_replaced.filePath(name)))
            continue;
        const QString error = rename(m_replaced.filePath(name), m_data.filePath(name), RestoreStep::PutBack);
        if (!error.isEmpty() && firstError.isEmpty())
            firstError = QStringLiteral("Unable to put %1 back: %2").arg(name, error);
    }
    if (!RestoreFolders::sync(m_data.path()) && firstError.isEmpty())
        firstError = QStringLiteral("Unable to flush the workbook folder to disk");
    return firstError;
}

QString RestoreCommit::finish()
{
    removeStaging();
    QString kept = m_journal.replacedFolder;
    if (m_journal.current.isEmpty() && RestoreFolders::isOwnName(kept, RestoreFolders::replacedPrefix()) &&
        m_data.rmdir(kept))
        kept.clear();
    QFile::remove(m_data.filePath(QString::fromLatin1(RestoreJournal::FileName)));
    RestoreFolders::sync(m_data.path());
    return kept;
}

void RestoreCommit::discard()
{
    const QString journalPath = m_data.filePath(QString::fromLatin1(RestoreJournal::FileName));
    if (m_journal.step == RestoreJournal::Step::Committing) {
        // A journal that still said Committing would have a later start move in a half-removed staging.
        RestoreJournal staging = m_journal;
        staging.step = RestoreJournal::Step::Staging;
        if (!staging.write(m_data.path()))
            QFile::remove(journalPath);
    }
    removeStaging();
    if (RestoreFolders::isOwnName(m_journal.replacedFolder, RestoreFolders::replacedPrefix()))
        m_data.rmdir(m_journal.replacedFolder);
    QFile::remove(journalPath);
    RestoreFolders::sync(m_data.path());
}
