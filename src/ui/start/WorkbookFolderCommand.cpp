#include "ui/start/WorkbookFolderCommand.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "core/files/DataFiles.h"
#include "core/workbook/ProgramState.h"
#include "core/workbook/WorkbookLocation.h"
#include "ui/start/WorkbookSession.h"
#include "ui/start/BackupCommands.h"
#include "ui/widgets/Dialogs.h"
#include "core/files/SafeWrite.h"

namespace WorkbookFolderCommand {

namespace {

const QString caption = QStringLiteral("Choose Workbook Folder");

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

void tell(const QString &text, int icon)
{
    Dialogs::current().messageBox(text, Dialogs::OkOnly | icon, caption);
}

// Restores a backup into `folder`; the workbook stays where it was unless the restore brought one.
bool restoreInto(const QString &folder, QWidget *parent)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder);
    BackupCommands::restore(parent);
    if (WorkbookLocation::holdsWorkbook(folder))
        return true;
    QDir::setCurrent(previous);
    return false;
}

// The new folder's lock, kept when the workbook moved there and let go otherwise.
struct Reservation
{
    WorkbookSession *session = nullptr;
    bool moved = false;
    ~Reservation()
    {
        if (session)
            session->settle(moved);
    }
};

} // namespace

void addMenuItem(QMenu *menu, QWidget *parent, WorkbookSession *session, const std::function<void()> &changed)
{
    QAction *item = menu->addAction(QStringLiteral("Choose &Workbook Folder…"));
    item->setObjectName(QStringLiteral("mOWorkbook"));
    QObject::connect(item, &QAction::triggered, parent, [parent, session, changed] {
        if (choose(parent, session) && changed)
            changed();
    });
}

bool choose(QWidget *parent, WorkbookSession *session)
{
    const QString current = QDir::currentPath();
    const QString chosen = Dialogs::current().folderName(caption, current);
    if (chosen.isEmpty())
        return false;
    const QString folder = QDir::cleanPath(QFileInfo(chosen).absoluteFilePath());
    if (folder == QDir::cleanPath(current))
        return false;
    if (!QFileInfo(folder).isDir() || !QFileInfo(folder).isWritable()) {
        tell(QStringLiteral("The folder \"%1\" cannot be written. The workbook stays in \"%2\".")
                 .arg(native(folder), native(current)),
             Dialogs::Exclamation);
        return false;
    }
    if (session && !session->reserve(folder))
        return false;
    Reservation reservation{session};
    if (!WorkbookLocation::holdsWorkbook(folder)) {
        const int answer = Dialogs::current().messageBox(
            QStringLiteral("The folder \"%1\" holds no workbook.\n\nYes starts an empty workbook there.\nNo "
                           "restores a backup into it.\nCancel keeps the workbook in \"%2\".")
                .arg(native(folder), native(current)),
            Dialogs::YesNoCancel | Dialogs::Question, caption);
        if (answer == Dialogs::Yes) {
            const WriteResult started = WorkbookLocation::startEmpty(folder);
            if (!started) {
                tell(started.error, Dialogs::Critical);
                return false;
            }
        } else if (answer != Dialogs::No || !restoreInto(folder, parent)) {
            return false;
        }
    }
    switchTo(folder);
    reservation.moved = true;
    return true;
}

void switchTo(const QString &folder)
{
    ProgramState::WorkbookFolder = folder;
    QSettings().setValue(QLatin1String(WorkbookLocation::ChosenLastKey), folder);
    ProgramState::goToWorkbookFolder();
    removeSaveLeftovers(folder, DataFiles::names());
}

} // namespace WorkbookFolderCommand
