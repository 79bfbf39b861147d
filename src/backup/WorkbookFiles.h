#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

// The user's data files that make up a workbook, by their bare names in the workbook folder.
namespace WorkbookFiles {

// Every name a workbook file may have, in a fixed order: statuses, display settings, the 141 entry
// files, the to-do list's two files, the spelling checker's own words, the compliance record.
const QStringList &names();

// Whether `name` is exactly one of names(): no folder, no other letter case.
bool isKnown(const QString &name);

// Whether `name` is one of the 141 entry files.
bool isEntry(const QString &name);

// The largest size in bytes a backup holds for the file `name`; 0 for an unknown name.
qint64 maxSize(const QString &name);

// The largest total of all files of one backup.
constexpr qint64 MaxTotalSize = qint64(1) << 30;

// The known names of the regular files present in `folder`, in the order of names().
QStringList presentIn(const QString &folder);

// The whole content of the file at `path`; nothing, with a reason naming the file, when it cannot be
// read or is larger than `limit`.
std::optional<QByteArray> read(const QString &path, qint64 limit, QString *error);

// What a backup holds of the workbook file `name` in `folder`: its content, or for the compliance
// record a consistent copy of it taken through the database (never the bytes of a file being written).
std::optional<QByteArray> readForBackup(const QString &folder, const QString &name, QString *error);

} // namespace WorkbookFiles
