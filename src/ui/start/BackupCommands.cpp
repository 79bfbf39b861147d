#include "ui/start/BackupCommands.h"

#include <QDir>
#include <QMenu>
#include <QProgressDialog>
#include <QStandardPaths>

#include "core/workbook/Clock.h"
#include "core/workbook/ProgramState.h"
#include "core/backup/BackupFolderFile.h"
#include "core/backup/RestoreRecovery.h"
#include "core/backup/WorkbookBackup.h"
#include "core/workbook/Product.h"
#include "core/backup/WorkbookFiles.h"
#include "core/record/RecordDatabase.h"
#include "ui/widgets/Dialogs.h"

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
    ProgramState::busyOff();
    Dialogs::current().messageBox(text, Dialogs::OkOnly | icon, caption);
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
        tell(WorkbookBackup::nothingToBackUp(), Dialogs::Information, backUpCaption);
        return;
    }
    const QDateTime now = Clock::current().now();
    const QString suggested = QDir(startFolder(dataFolder)).filePath(WorkbookBackup::suggestedName(now));
    const QString zipPath = Dialogs::current().saveFileName(backUpCaption, suggested, zipFilter);
    if (zipPath.isEmpty())
        return;
    ProgramState::busyOn();
    std::optional<Result<QString>> done;
    {
        ProgressBox progress(parent, QStringLiteral("Backing up and checking the workbook…"));
        done = WorkbookBackup::backUp(dataFolder, zipPath, now, progress.callback());
    }
    if (!*done)
        tell(done->error(), Dialogs::Critical, backUpCaption);
    else
        tell(done->value(), Dialogs::Information, backUpCaption);
}

void restore(QWidget *parent)
{
    const QString dataFolder = QDir::currentPath();
    const QString zipPath = Dialogs::current().openFileName(restoreCaption, startFolder(dataFolder),
                                                            zipFilter + QStringLiteral(";;All files (*)"));
    if (zipPath.isEmpty())
        return;
    ProgramState::busyOn();
    BackupReader backup(zipPath);
    std::optional<Result<BackupSummary>> summary;
    {
        ProgressBox progress(parent, QStringLiteral("Checking the backup…"));
        summary = WorkbookBackup::check(backup, progress.callback());
    }
    if (!*summary) {
        tell(summary->error(), Dialogs::Critical, restoreCaption);
        return;
    }
    ProgramState::busyOff();
    const int answer = Dialogs::current().messageBox(
        WorkbookBackup::confirmation(zipPath, summary->value()),
        Dialogs::YesNo | Dialogs::Question | Dialogs::DefaultButton2, restoreCaption);
    if (answer != Dialogs::Yes)
        return;
    ProgramState::busyOn();
    // The record's file is replaced with the others: let go of it meanwhile.
    RecordDatabase *record = RecordDatabase::current();
    if (record)
        record->close();
    const Result<QString> done = WorkbookBackup::restore(backup, dataFolder, Clock::current().now());
    if (record) {
        QString notice;
        if (Outcome reopened = record->reopen(&notice); !reopened)
            notice = reopened.error;
        if (!notice.isEmpty())
            tell(notice, Dialogs::Exclamation, restoreCaption);
    }
    if (!done)
        tell(done.error(), Dialogs::Critical, restoreCaption);
    else
        tell(done.value(), Dialogs::Information, restoreCaption);
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
