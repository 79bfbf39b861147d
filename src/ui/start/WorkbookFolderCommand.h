#pragma once

#include <QString>
#include <functional>

class QMenu;
class WorkbookSession;
class QWidget;

// The start screen's command that opens the workbook in another folder, kept for the next start.
namespace WorkbookFolderCommand {

// Adds "Choose &Workbook Folder…" to the end of `menu`; `changed` runs after the workbook folder changed.
// The new folder's lock is taken through `session` (none: no lock is taken).
void addMenuItem(QMenu *menu, QWidget *parent, WorkbookSession *session, const std::function<void()> &changed);

// Asks for a folder and opens the workbook in it. A folder without a workbook is offered an empty one or a
// backup restored into it. True when the workbook folder changed.
bool choose(QWidget *parent, WorkbookSession *session = nullptr);

// Opens the workbook in `folder` for this run and the next ones.
void switchTo(const QString &folder);

} // namespace WorkbookFolderCommand
