#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

#include "core/backup/BackupReader.h"
#include "support/TempFolder.h"

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

using Files = QMap<QString, QByteArray>;

Files filesOf(const Entries &entries);

// The workbook files present in `folder`, with their bytes.
Files workbookIn(const QString &folder);

// A checked backup of `files`, kept in a folder of its own.
class CheckedBackup
{
  public:
    explicit CheckedBackup(const Entries &files);
    QString path() const { return m_source.file(QStringLiteral("b.zip")); }

  private:
    TempFolder m_source;

  public:
    BackupReader reader{path()};
};

} // namespace BackupFixtures
