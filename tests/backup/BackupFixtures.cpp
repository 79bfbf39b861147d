#include "backup/BackupFixtures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include "core/backup/BackupManifest.h"
#include "core/backup/BackupWriter.h"
#include "core/backup/WorkbookFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace BackupFixtures {

QDateTime backupTime()
{
    return QDateTime(QDate(2026, 12, 8), QTime(10, 15, 58));
}

Entries sampleWorkbook()
{
    QByteArray statuses(47 * 20, '\0');
    statuses.replace(0, 9, QByteArray("\x07\x00Working", 9));
    statuses.replace(23 * 20, 11,
                     QByteArray("\x09\x00"
                                "Completed",
                                11));
    statuses.replace(46 * 20, 3, QByteArray("\x01\x00 ", 3)); // one blank: no status chosen
    QByteArray picture;
    for (int i = 0; i < 4096; ++i)
        picture += QByteArray::number((i * 7919) % 256, 16).rightJustified(2, '0');
    return {
        {"Stat1.Fil", statuses},
        {"GColor3.Fil", QByteArray(20, '\0') + QByteArray("\x01\x00"
                                                          "3",
                                                          3)},
        {"Action0.Fil",
         "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Risk analysis done \x93in full\x94.\\par}"},
        {"Comment23.Fil",
         "{\\rtf1\\ansi Plan tested.\\par{\\pict\\pngblip\\picw64\\pich64 " + picture + "}\\par}"},
        {"Policy46.Fil", "{\\rtf1\\ansi Keep for six years.\\par}"},
        {"TODONAME.FIL", "\"Call vendor\"\r\n\"  Review logs\"\r\n"},
        {"TODOActv.FIL",
         QByteArray("\"Call vendor\"\r\n\"Mon - Dec 7, 26\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n").repeated(500)},
        {"CustomDict1.dct", "HIPAA\r\nePHI\r\n"},
    };
}

void writeFiles(const TempFolder &folder, const Entries &files)
{
    for (const auto &[name, bytes] : files)
        folder.write(name, bytes);
}

QByteArray zip(const Entries &entries)
{
    QByteArray archive;
    QBuffer buffer(&archive);
    QuaZip zip(&buffer);
    zip.open(QuaZip::mdCreate);
    for (const auto &[name, bytes] : entries) {
        QuaZipFile entry(&zip);
        entry.open(QIODevice::WriteOnly, QuaZipNewInfo(name));
        entry.write(bytes);
        entry.close();
    }
    zip.close();
    return archive;
}

QByteArray manifestFor(const Entries &files)
{
    BackupManifest manifest;
    manifest.programVersion = QStringLiteral("1.5");
    manifest.created = backupTime();
    for (const auto &[name, bytes] : files)
        manifest.files.append(BackupManifest::describe(name, bytes));
    return manifest.toJson();
}

Files filesOf(const Entries &entries)
{
    Files files;
    for (const auto &[name, bytes] : entries)
        files.insert(name, bytes);
    return files;
}

Files workbookIn(const QString &folder)
{
    Files files;
    for (const QString &name : WorkbookFiles::presentIn(folder)) {
        QFile file(QDir(folder).filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        files.insert(name, file.readAll());
    }
    return files;
}

CheckedBackup::CheckedBackup(const Entries &files)
{
    writeFiles(m_source, files);
    const BackupOutcome outcome = backUpWorkbook(m_source.path(), path(), backupTime());
    EXPECT_TRUE(bool(outcome)) << outcome.error().toStdString();
    EXPECT_TRUE(reader.verify()) << reader.error().toStdString();
}

} // namespace BackupFixtures
