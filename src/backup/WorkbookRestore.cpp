#include "backup/WorkbookRestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <limits>

#include "app/SafeWrite.h"
#include "backup/WorkbookFiles.h"

namespace {

const QString nothingChanged = QStringLiteral(". Nothing was changed.");

WriteResult copyFile(const QString &from, const QString &to)
{
    QString error;
    const std::optional<QByteArray> bytes =
        WorkbookFiles::read(from, std::numeric_limits<qint64>::max(), &error);
    return bytes ? writeWholeFile(to, *bytes) : WriteResult{false, error};
}

// A new folder for the replaced files: the dated name, numbered when a folder of that name exists.
QString makeReplacedFolder(const QDir &dir, const QDateTime &when, QString *error)
{
    const QString base = replacedFolderName(when);
    QString name = base;
    for (int n = 2; dir.exists(name); ++n)
        name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    if (!dir.mkdir(name)) {
        *error = QStringLiteral("Unable to make the folder \"%1\" for the files being replaced").arg(name);
        return {};
    }
    return name;
}

class Restore
{
  public:
    Restore(BackupReader &backup, const QString &folder) : m_backup(backup), m_dir(folder) {}

    RestoreOutcome run(const QDateTime &when)
    {
        const QStringList current = WorkbookFiles::presentIn(m_dir.path());
        if (!current.isEmpty() && !keepCurrent(current, when))
            return m_outcome;
        for (const BackupManifest::File &file : m_backup.manifest().files)
            if (!restoreFile(file.name))
                return undo(current);
        for (const QString &name : current) {
            if (m_backup.manifest().find(name))
                continue;
            m_changed.append(name);
            if (!QFile::remove(m_dir.filePath(name))) {
                m_outcome.error = QStringLiteral("Unable to remove %1").arg(name);
                return undo(current);
            }
        }
        m_outcome.ok = true;
        return m_outcome;
    }

  private:
    bool keepCurrent(const QStringList &current, const QDateTime &when)
    {
        m_outcome.replacedFolder = makeReplacedFolder(m_dir, when, &m_outcome.error);
        if (m_outcome.replacedFolder.isEmpty()) {
            m_outcome.error += nothingChanged;
            return false;
        }
        const QDir kept(m_dir.filePath(m_outcome.replacedFolder));
        for (const QString &name : current) {
            const WriteResult copied = copyFile(m_dir.filePath(name), kept.filePath(name));
            if (!copied) {
                QDir(kept).removeRecursively();
                m_outcome.error = copied.error + nothingChanged;
                m_outcome.replacedFolder.clear();
                return false;
            }
        }
        return true;
    }

    bool restoreFile(const QString &name)
    {
        const std::optional<QByteArray> bytes = m_backup.read(name);
        if (!bytes) {
            m_outcome.error = QStringLiteral("Unable to restore %1: %2").arg(name, m_backup.error());
            return false;
        }
        // A write that fails leaves the file as it was.
        const WriteResult written = writeWholeFile(m_dir.filePath(name), *bytes);
        m_outcome.error = written.error;
        if (written.ok)
            m_changed.append(name);
        return written.ok;
    }

    // Puts every file changed so far back as it was: from its copy, or removed when there was none.
    RestoreOutcome undo(const QStringList &current)
    {
        const QDir kept(m_dir.filePath(m_outcome.replacedFolder));
        bool whole = true;
        for (const QString &name : std::as_const(m_changed)) {
            const QString path = m_dir.filePath(name);
            if (current.contains(name))
                whole = copyFile(kept.filePath(name), path).ok && whole;
            else
                whole = (!QFile::exists(path) || QFile::remove(path)) && whole;
        }
        if (whole)
            m_outcome.error += QStringLiteral(". The workbook was put back as it was.");
        else if (m_outcome.replacedFolder.isEmpty())
            m_outcome.error += QStringLiteral(". Not every file could be put back.");
        else
            m_outcome.error +=
                QStringLiteral(". Not every file could be put back; the workbook as it was is in "
                               "the folder \"%1\".")
                    .arg(m_outcome.replacedFolder);
        return m_outcome;
    }

    BackupReader &m_backup;
    const QDir m_dir;
    QStringList m_changed;
    RestoreOutcome m_outcome;
};

} // namespace

QString replacedFolderName(const QDateTime &when)
{
    return QStringLiteral("Replaced ") + when.toString(QStringLiteral("yyyy-MM-dd HHmmss"));
}

RestoreOutcome restoreWorkbook(BackupReader &backup, const QString &folder, const QDateTime &when)
{
    return Restore(backup, folder).run(when);
}
