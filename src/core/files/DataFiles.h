#pragma once

#include <QStringList>

// The files the program writes into its folder: the workbook's files, the copies kept aside of list
// files that could be read only in part, the last backup folder's note and the journal of a restore.
namespace DataFiles {

QStringList names();

} // namespace DataFiles
