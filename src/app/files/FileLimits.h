#pragma once

#include <QString>
#include <QtGlobal>
#include <span>

// How much of a workbook file the program reads, writes and backs up. Whatever the program writes stays
// within its file's limit, so that every file it wrote can be backed up and restored. A longer file is
// read only up to the limit and copied aside before it is replaced.
struct FileLimit {
    // Largest file read, written or held by a backup.
    qint64 bytes = 0;
    // Quoted-line files: the most lines (fields) held, and the most characters of one field; 0 for
    // no such limit.
    int fields = 0;
    int fieldLength = 0;
    // What one field holds, for messages ("names").
    const char *unit = "";
};

struct FileLimitRow {
    const char *name;
    FileLimit limit;
};

namespace FileLimits {

constexpr qint64 KiB = 1024;
constexpr qint64 MiB = 1024 * KiB;

// Characters of a to-do item and of a stored item name: the width of the grid's item column.
constexpr int TodoCellLength = 45;
// Bytes of a quoted line around its text: two quotes and CR LF.
constexpr int QuotedLineOverhead = 4;

inline constexpr FileLimit Records{64 * KiB};
inline constexpr FileLimit Entry{64 * MiB}; // an entry may carry pictures
inline constexpr FileLimit NameList{4 * MiB, 1000, TodoCellLength, "names"};
inline constexpr FileLimit TodoList{4 * MiB, 2500, TodoCellLength, "cells"};
inline constexpr FileLimit UserDictionary{MiB};
// The compliance record database: years of every entry's versions, compressed.
inline constexpr FileLimit ComplianceRecord{512 * MiB};
// Files outside the workbook that the program reads the same way.
inline constexpr FileLimit Other{MiB};

// A quoted-line file written with at most `fields` fields of at most `fieldLength` characters each
// (one byte a character) stays within `bytes`.
constexpr bool holdsWhatIsWritten(const FileLimit &limit)
{
    return limit.fields == 0 ||
           qint64(limit.fields) * (limit.fieldLength + QuotedLineOverhead) <= limit.bytes;
}
static_assert(holdsWhatIsWritten(NameList) && holdsWhatIsWritten(TodoList));

// The limits of the workbook's files that have one fixed name.
std::span<const FileLimitRow> table();

// The limit of the file `path` (its name decides): a row of table(), Entry for the 141 entry files,
// Other for any other name.
const FileLimit &of(const QString &path);

// A size for messages, rounded up: "64 KB", "4 MB".
QString sizeText(qint64 bytes);

} // namespace FileLimits
