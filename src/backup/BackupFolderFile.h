#pragma once

#include <QString>

#include "app/SafeWrite.h"

// BackupFolder.txt beside the data files: the folder the user last backed up to or restored from,
// as one line of UTF-8 text.
namespace BackupFolderFile {

constexpr auto FileName = "BackupFolder.txt";

// The remembered folder when it still exists; otherwise empty.
QString read(const QString &dataFolder);
WriteResult write(const QString &dataFolder, const QString &folder);

} // namespace BackupFolderFile
