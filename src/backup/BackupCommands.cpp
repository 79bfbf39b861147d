#include "backup/BackupCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProgressDialog>
#include <QStandardPaths>

#include "app/Clock.h"
#include "app/HINFO1.h"
#include "app/Product.h"
#include "backup/BackupFolderFile.h"
#include "backup/BackupSummary.h"
#include "backup/BackupWriter.h"
#include "backup/RestoreRecovery.h"
#include "backup/WorkbookFiles.h"
#include "backup/WorkbookRestore.h"
#include "core/record/RecordDatabase.h"
#include "components/Dialogs.h"
#include "workarea/Catalogue.h"

namespace BackupCommands {

namespace {

const QString backUpCaption = QStringLiteral("Back Up Workbook");
const QString restoreCaption = QStringLiteral("Restore Workbook");
const QString zipFilter = QStringLiteral("ZIP archives (*.zip)");

// Shown while a long step runs; it appears only when the step takes a while.
class ProgressBox
{
  public:
    ProgressBox(QWidget *parent, const QString &label) : m_dialog(label, QString(), 0, 1, parent)
    {
        m_dialog.setWindowTitle(Product::name);
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setCancelButton(nullptr);
        m_dialog.setMinimumDuration(400);
        m_dialog.setAutoClose(false);
        m_dialog.setMinimumWidth(380);
        m_dialog.setValue(0);
    }

    BackupProgress callback()
    {
        return [this](int done, int total) {
            m_dialog.setMaximum(total);
            m_dialog.setValue(done);
        };
    }

  private:
    QProgressDialog m_dialog;
};

QString startFolder(const QString &dataFolder)
{
    QString folder = BackupFolderFile::read(dataFolder);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() ? QDir::homePath() : folder;
}

void tell(const QString &text, int icon, const QString &caption)
{
    HINFO1::busyOff();
    Dialogs::current().messageBox(text, Dialogs::OkOnly | icon, caption);
}

QString confirmationText(const QString &path, const BackupSummary &summary)
{
    const int entryFiles = 3 * Catalogue::itemCount;
    return QStringLiteral("Restore the workbook from \"%1\"?\n\n"
                          "Backed up: %2\n"
                          "Entries: %3 of %4\n"
                          "Statuses set: %5 of %6\n"
                          "To-do list: %7\n\n"
                          "The current workbook files are moved into a new folder named \"Replaced\" "
                          "with today's date and time, beside them, so that this restore can be undone.")
        .arg(QFileInfo(path).fileName(), summary.created.toString(QStringLiteral("yyyy-MM-dd HH:mm")))
        .arg(summary.entries)
        .arg(entryFiles)
        .arg(summary.statusesSet)
        .arg(Catalogue::itemCount)
        .arg(summary.hasTodoList ? QStringLiteral("included") : QStringLiteral("not included"));
}

} // namespace

void addMenuItems(QMenu *menu, QWidget *parent)
{
    QAction *backUpItem = menu->addAction(QStringLiteral("&Back Up Workbook…"));
    backUpItem->setObjectName(QStringLiteral("mOBackUp"));
    QObject::connect(backUpItem, &QAction::triggered, parent, [parent] { backUp(parent); });
    QAction *restoreItem = menu->addAction(QStringLiteral("&Restore Workbook…"));
    restoreItem->setObjectName(QStringLiteral("mORestore"));
    QObject::connect(restoreItem, &QAction::triggered, parent, [parent] { restore(parent); });
    menu->addSeparator()->setObjectName(QStringLiteral("mOBackUpSep"));
}

void backUp(QWidget *parent)
{
    const QString dataFolder = QDir::currentPath();
    if (WorkbookFiles::presentIn(dataFolder).isEmpty()) {
        tell(QStringLiteral("There are no workbook files to back up yet."), Dialogs::Information,
             backUpCaption);
        return;
    }
    const QDateTime now = Clock::current().now();
    const QString suggested =
        QDir(startFolder(dataFolder))
            .filePath(QStringLiteral("%1 workbook %2.zip")
                          .arg(Product::name, now.toString(QStringLiteral("yyyy-MM-dd"))));
    const QString zipPath = Dialogs::current().saveFileName(backUpCaption, suggested, zipFilter);
    if (zipPath.isEmpty())
        return;
    HINFO1::busyOn();
    BackupOutcome outcome;
    {
        ProgressBox progress(parent, QStringLiteral("Backing up and checking the workbook…"));
        outcome = backUpWorkbook(dataFolder, zipPath, now, progress.callback());
    }
    if (!outcome) {
        tell(outcome.error, Dialogs::Critical, backUpCaption);
        return;
    }
    BackupFolderFile::write(dataFolder, QFileInfo(zipPath).absolutePath());
    tell(QStringLiteral("The workbook (%1 files) was backed up to \"%2\" and checked.")
             .arg(outcome.manifest.files.size())
             .arg(QDir::toNativeSeparators(zipPath)),
         Dialogs::Information, backUpCaption);
}

void restore(QWidget *parent)
{
    const QString dataFolder = QDir::currentPath();
    const QString zipPath = Dialogs::current().openFileName(restoreCaption, startFolder(dataFolder),
                                                            zipFilter + QStringLiteral(";;All files (*)"));
    if (zipPath.isEmpty())
        return;
    HINFO1::busyOn();
    BackupReader backup(zipPath);
    std::optional<BackupSummary> summary;
    {
        ProgressBox progress(parent, QStringLiteral("Checking the backup…"));
        if (backup.verify(progress.callback()))
            summary = BackupSummary::of(backup);
    }
    if (!summary) {
        tell(QStringLiteral("\"%1\" cannot be restored: %2.\n\nNothing was changed.")
                 .arg(QFileInfo(zipPath).fileName(), backup.error()),
             Dialogs::Critical, restoreCaption);
        return;
    }
    HINFO1::busyOff();
    const int answer = Dialogs::current().messageBox(
        confirmationText(zipPath, *summary), Dialogs::YesNo | Dialogs::Question | Dialogs::DefaultButton2,
        restoreCaption);
    if (answer != Dialogs::Yes)
        return;
    HINFO1::busyOn();
    // The record's file is replaced with the others: let go of it meanwhile.
    RecordDatabase *record = RecordDatabase::current();
    if (record)
        record->close();
    const RestoreOutcome outcome = restoreWorkbook(backup, dataFolder, Clock::current().now());
    if (record) {
        QString notice;
        if (Outcome reopened = record->reopen(&notice); !reopened)
            notice = reopened.error;
        if (!notice.isEmpty())
            tell(notice, Dialogs::Exclamation, restoreCaption);
    }
    if (!outcome) {
        tell(outcome.error, Dialogs::Critical, restoreCaption);
        return;
    }
    BackupFolderFile::write(dataFolder, QFileInfo(zipPath).absolutePath());
    QString done =
        QStringLiteral("The workbook was restored from \"%1\".").arg(QFileInfo(zipPath).fileName());
    if (!outcome.replacedFolder.isEmpty())
        done +=
            QStringLiteral("\n\nThe files it replaced are kept in the folder \"%1\" beside the data files.")
                .arg(outcome.replacedFolder);
    tell(done, Dialogs::Information, restoreCaption);
}

void finishInterruptedRestore()
{
    const std::optional<RestoreRecovery> recovery = RestoreRecovery::run(QDir::currentPath());
    if (!recovery)
        return;
    const bool whole = recovery->kind == RestoreRecovery::Kind::Finished ||
                       recovery->kind == RestoreRecovery::Kind::Undone;
    tell(recovery->message, whole ? Dialogs::Information : Dialogs::Critical, restoreCaption);
}

} // namespace BackupCommands
