#pragma once

#include <QStringList>

// The files the program writes into its folder: the state files, the 141 entry files, and the copies
// kept aside of list files that could be read only in part.
namespace DataFiles {

QStringList names();

} // namespace DataFiles
