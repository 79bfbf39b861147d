#include "core/backup/WorkbookBackup.h"

#include <QDir>
#include <QFileInfo>

#include "core/backup/BackupFolderFile.h"
#include "core/backup/BackupWriter.h"
#include "core/backup/WorkbookFiles.h"
#include "core/backup/WorkbookRestore.h"
#include "core/catalogue/Catalogue.h"
#include "core/workbook/Product.h"

namespace WorkbookBackup {

namespace {

// The backup or restore is done whether or not its folder can be remembered; the user hears of both.
QString remembering(const QString &folder, const QString &zipPath)
{
    const WriteResult noted = BackupFolderFile::write(folder, QFileInfo(zipPath).absolutePath());
    if (noted)
        return {};
    return QStringLiteral("\n\nIts folder could not be remembered for the next time: %1").arg(noted.error);
}

} // namespace

QString nothingToBackUp()
{
    return QStringLiteral("There are no workbook files to back up yet.");
}

QString suggestedName(const QDateTime &when)
{
    return QStringLiteral("%1 workbook %2.zip")
        .arg(Product::name, when.toString(QStringLiteral("yyyy-MM-dd")));
}

Result<QString> backUp(const QString &folder, const QString &zipPath, const QDateTime &when,
                       const BackupProgress &progress)
{
    if (WorkbookFiles::presentIn(folder).isEmpty())
        return Outcome::failed(nothingToBackUp());
    const BackupOutcome outcome = backUpWorkbook(folder, zipPath, when, progress);
    if (!outcome)
        return outcome.outcome();
    return QStringLiteral("The workbook (%1 files) was backed up to \"%2\" and checked.")
               .arg(outcome->files.size())
               .arg(QDir::toNativeSeparators(zipPath)) +
           remembering(folder, zipPath);
}

Result<BackupSummary> check(BackupReader &backup, const BackupProgress &progress)
{
    std::optional<BackupSummary> summary;
    if (backup.verify(progress))
        summary = BackupSummary::of(backup);
    if (!summary)
        return Outcome::failed(QStringLiteral("\"%1\" cannot be restored: %2.\n\nNothing was changed.")
                                   .arg(QFileInfo(backup.path()).fileName(), backup.error()));
    return *summary;
}

QString confirmation(const QString &zipPath, const BackupSummary &summary)
{
    const int entryFiles = 3 * Catalogue::itemCount;
    return QStringLiteral("Restore the workbook from \"%1\"?\n\n"
                          "Backed up: %2\n"
                          "Entries: %3 of %4\n"
                          "Statuses set: %5 of %6\n"
                          "To-do list: %7\n\n"
                          "The current workbook files are moved into a new folder named \"Replaced\" "
                          "with today's date and time, beside them, so that this restore can be undone.")
        .arg(QFileInfo(zipPath).fileName(), summary.created.toString(QStringLiteral("yyyy-MM-dd HH:mm")))
        .arg(summary.entries)
        .arg(entryFiles)
        .arg(summary.statusesSet)
        .arg(Catalogue::itemCount)
        .arg(summary.hasTodoList ? QStringLiteral("included") : QStringLiteral("not included"));
}

Result<QString> restore(BackupReader &backup, const QString &folder, const QDateTime &when)
{
    const RestoreOutcome outcome = restoreWorkbook(backup, folder, when);
    if (!outcome)
        return outcome.outcome();
    QString done =
        QStringLiteral("The workbook was restored from \"%1\".").arg(QFileInfo(backup.path()).fileName());
    if (!outcome->isEmpty())
        done += QStringLiteral("\n\nThe files it replaced are kept in the folder \"%1\" beside the data files.")
                    .arg(outcome.value());
    return done + remembering(folder, backup.path());
}

} // namespace WorkbookBackup
