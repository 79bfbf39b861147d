#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>

class TempFolder;

namespace BackupFixtures {

using Entries = QList<QPair<QString, QByteArray>>;

// 8 December 2026, 10:15:58.
QDateTime backupTime();

// A workbook of statuses, display settings, three entries (one with a picture), a to-do list and
// the spelling checker's own words, as bytes by file name.
Entries sampleWorkbook();

void writeFiles(const TempFolder &folder, const Entries &files);

// A ZIP archive holding `entries` as given, names and bytes unchecked.
QByteArray zip(const Entries &entries);

// The manifest.json this program writes for `files`.
QByteArray manifestFor(const Entries &files);

} // namespace BackupFixtures
