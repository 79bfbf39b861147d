#pragma once

#include <QStringList>

// The files the program writes into its folder: the workbook's files, the copies kept aside of list
// files that could be read only in part, and the last backup folder's note.
namespace DataFiles {

QStringList names();

} // namespace DataFiles
