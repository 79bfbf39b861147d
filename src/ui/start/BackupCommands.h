#pragma once

class QMenu;
class QWidget;

// The start screen's commands that back up the whole workbook to one ZIP file and restore it.
namespace BackupCommands {

// Adds "&Back Up Workbook…", "&Restore Workbook…" and a separator to the end of `menu`.
void addMenuItems(QMenu *menu, QWidget *parent);

// Both work on the data files in the current folder (the workbook folder).
void backUp(QWidget *parent);
void restore(QWidget *parent);

// At start: finishes or undoes a restore that was cut short in the data folder, and tells the user
// which it did.
void finishInterruptedRestore();

} // namespace BackupCommands
