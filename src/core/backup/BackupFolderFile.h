#pragma once

#include <QString>

#include "core/files/SafeWrite.h"
#include "core/files/FileNames.h"

// BackupFolder.txt beside the data files: the folder the user last backed up to or restored from,
// as one line of UTF-8 text.
namespace BackupFolderFile {

constexpr auto FileName = FileNames::BackupFolder;

// The remembered folder when it still exists; otherwise empty.
QString read(const QString &dataFolder);
WriteResult write(const QString &dataFolder, const QString &folder);

} // namespace BackupFolderFile
