#include "backup/BackupWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include "app/Product.h"
#include "app/SafeWrite.h"
#include "backup/WorkbookFiles.h"

namespace {

BackupOutcome failed(const QString &error)
{
    BackupOutcome outcome;
    outcome.error = error;
    return outcome;
}

std::optional<QByteArray> readDataFile(const QString &path, qint64 *runningTotal, QString *error)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Unable to read %1: %2").arg(name, file.errorString());
        return std::nullopt;
    }
    const qint64 limit = WorkbookFiles::maxSize(name);
    if (file.size() > limit) {
        *error = QStringLiteral("%1 is larger than a backup can hold (%2 MB).").arg(name).arg(limit >> 20);
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("Unable to read %1: %2").arg(name, file.errorString());
        return std::nullopt;
    }
    *runningTotal += bytes.size();
    if (*runningTotal > WorkbookFiles::MaxTotalSize) {
        *error = QStringLiteral("The workbook is larger than a backup can hold.");
        return std::nullopt;
    }
    return bytes;
}

bool addEntry(QuaZip &zip, const QString &name, const QByteArray &bytes, const QDateTime &stamp)
{
    QuaZipNewInfo info(name);
    info.dateTime = stamp;
    QuaZipFile entry(&zip);
    if (!entry.open(QIODevice::WriteOnly, info))
        return false;
    const bool written = entry.write(bytes) == bytes.size();
    entry.close();
    return written && entry.getZipError() == ZIP_OK;
}

// True when writing `zipPath` would replace one of the workbook's own files.
bool replacesWorkbookFile(const QString &folder, const QString &zipPath)
{
    const QFileInfo target(zipPath);
    return WorkbookFiles::isKnown(target.fileName()) &&
           target.absoluteDir().canonicalPath() == QDir(folder).canonicalPath();
}

} // namespace

BackupOutcome backUpWorkbook(const QString &folder, const QString &zipPath, const QDateTime &created,
                             const BackupProgress &progress)
{
    const QString zipName = QFileInfo(zipPath).fileName();
    if (replacesWorkbookFile(folder, zipPath))
        return failed(QStringLiteral("Unable to write %1: it is one of the workbook's own files.").arg(zipName));

    const QStringList present = WorkbookFiles::presentIn(folder);
    const int steps = 2 * int(present.size());
    BackupManifest manifest;
    manifest.programVersion = Product::version.section(QLatin1Char(' '), -1);
    manifest.created = created;

    QByteArray archive;
    QBuffer buffer(&archive);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate))
        return failed(QStringLiteral("Unable to write %1: the archive could not be started.").arg(zipName));
    const QDir dir(folder);
    qint64 total = 0;
    for (int i = 0; i < present.size(); ++i) {
        const QString path = dir.filePath(present[i]);
        QString error;
        const std::optional<QByteArray> bytes = readDataFile(path, &total, &error);
        if (!bytes)
            return failed(error);
        manifest.files.append(BackupManifest::describe(present[i], *bytes));
        if (!addEntry(zip, present[i], *bytes, QFileInfo(path).lastModified()))
            return failed(QStringLiteral("Unable to write %1: %2 could not be added.").arg(zipName, present[i]));
        if (progress)
            progress(i + 1, steps);
    }
    const QString manifestName = QString::fromLatin1(BackupManifest::FileName);
    const bool listed = addEntry(zip, manifestName, manifest.toJson(), created);
    zip.close();
    if (!listed || zip.getZipError() != ZIP_OK)
        return failed(QStringLiteral("Unable to write %1: the archive could not be completed.").arg(zipName));

    const WriteResult written = writeWholeFile(zipPath, archive);
    if (!written)
        return failed(written.error);

    BackupReader check(zipPath);
    const int half = int(present.size());
    const bool whole = check.verify([&](int done, int) {
        if (progress)
            progress(half + done, steps);
    });
    if (!whole || check.manifest().files != manifest.files) {
        const QString reason = whole ? QStringLiteral("it does not hold what was written") : check.error();
        QFile::remove(zipPath);
        return failed(QStringLiteral("%1 did not read back whole (%2) and was removed.").arg(zipName, reason));
    }
    BackupOutcome outcome;
    outcome.ok = true;
    outcome.manifest = manifest;
    return outcome;
}
