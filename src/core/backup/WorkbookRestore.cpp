#include "core/backup/WorkbookRestore.h"

#include <QDir>
#include <QFileInfo>

#include "core/workbook/Product.h"
#include "core/files/SafeWrite.h"
#include "core/backup/WorkbookFiles.h"

namespace {

const QString nothingChanged = QStringLiteral(". Nothing was changed.");

QString datedName(const QString &prefix, const QDateTime &when)
{
    return prefix + QLatin1Char(' ') + when.toString(QStringLiteral("yyyy-MM-dd HHmmss"));
}

// A name for a new folder in `dir`: the dated name, numbered when something of that name exists.
QString freeName(const QDir &dir, const QString &prefix, const QDateTime &when)
{
    const QString base = datedName(prefix, when);
    QString name = base;
    for (int n = 2; QFileInfo::exists(dir.filePath(name)); ++n)
        name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    return name;
}

class Restore
{
  public:
    Restore(BackupReader &backup, const QString &folder, const RestoreHook &hook)
        : m_backup(backup), m_dir(folder), m_hook(hook)
    {
    }

    RestoreOutcome run(const QDateTime &when)
    {
        // Its journal would be replaced, and with it the way to finish or undo that restore.
        if (QFileInfo::exists(m_dir.filePath(QString::fromLatin1(RestoreJournal::FileName))))
            return failed(
                QStringLiteral("An earlier restore that was cut short is not finished yet; start %1 "
                               "again to finish or undo it first")
                    .arg(Product::name) +
                nothingChanged);
        m_journal.backupName = QFileInfo(m_backup.path()).fileName();
        m_journal.stagingFolder = freeName(m_dir, RestoreFolders::stagingPrefix(), when);
        m_journal.replacedFolder = freeName(m_dir, RestoreFolders::replacedPrefix(), when);
        m_journal.current = WorkbookFiles::presentIn(m_dir.path());
        for (const BackupManifest::File &file : m_backup.manifest().files)
            m_journal.restored.append(file.name);

        if (const WriteResult written = m_journal.write(m_dir.path()); !written)
            return failed(written.error + nothingChanged);
        step(RestoreStep::JournalWritten);
        QString error = stage();
        if (error.isEmpty()) {
            m_journal.step = RestoreJournal::Step::Committing;
            error = m_journal.write(m_dir.path()).error;
        }
        if (!error.isEmpty()) {
            m_journal.step = RestoreJournal::Step::Staging; // what the journal on disk still says
            RestoreCommit(m_dir.path(), m_journal).discard();
            return failed(error + nothingChanged);
        }
        step(RestoreStep::Committing);
        return commit();
    }

  private:
    void step(RestoreStep reached) const
    {
        if (m_hook)
            m_hook(reached);
    }

    static RestoreOutcome failed(const QString &error) { return Outcome::failed(error); }

    // Writes every file of the backup into the staging folder, then reads each back and checks it.
    QString stage()
    {
        for (const QString &folder : {m_journal.stagingFolder, m_journal.replacedFolder})
            if (!m_dir.mkdir(folder))
                return QStringLiteral("Unable to make the folder \"%1\" beside the data files").arg(folder);
        const QDir staging(m_dir.filePath(m_journal.stagingFolder));
        for (const BackupManifest::File &file : m_backup.manifest().files) {
            const std::optional<QByteArray> bytes = m_backup.read(file.name);
            if (!bytes)
                return QStringLiteral("Unable to restore %1: %2").arg(file.name, m_backup.error());
            if (const WriteResult written = writeWholeFile(staging.filePath(file.name), *bytes); !written)
                return written.error;
            step(RestoreStep::FileStaged);
        }
        for (const BackupManifest::File &file : m_backup.manifest().files) {
            QString error;
            const std::optional<QByteArray> copy =
                WorkbookFiles::read(staging.filePath(file.name), file.size, &error);
            if (!copy)
                return error;
            if (BackupManifest::describe(file.name, *copy) != file)
                return QStringLiteral("Unable to restore %1: its copy did not read back as written")
                    .arg(file.name);
        }
        if (!RestoreFolders::sync(staging.path()))
            return QStringLiteral("Unable to flush the folder \"%1\" to disk").arg(m_journal.stagingFolder);
        return {};
    }

    RestoreOutcome commit()
    {
        RestoreCommit commit(m_dir.path(), m_journal, m_hook);
        const QString error = commit.forward();
        if (error.isEmpty())
            return commit.finish();
        const QString putBackError = commit.back();
        if (putBackError.isEmpty()) {
            commit.discard();
            return failed(error + QStringLiteral(". The workbook was put back as it was."));
        }
        // The journal stays: the next start moves the staged files in once more.
        return failed(error +
                      QStringLiteral(". Not every file could be put back (%1). The files it replaced are "
                                     "in the folder \"%2\"; the next start tries again to finish "
                                     "the restore.")
                          .arg(putBackError, m_journal.replacedFolder));
    }

    BackupReader &m_backup;
    const QDir m_dir;
    const RestoreHook &m_hook;
    RestoreJournal m_journal;
};

} // namespace

QString replacedFolderName(const QDateTime &when)
{
    return datedName(RestoreFolders::replacedPrefix(), when);
}

RestoreOutcome restoreWorkbook(BackupReader &backup, const QString &folder, const QDateTime &when,
                               const RestoreHook &hook)
{
    return Restore(backup, folder, hook).run(when);
}
