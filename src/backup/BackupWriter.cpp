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

// The fastest level: entry text still shrinks to about a fifth, in half the time of the default.
constexpr int compressionLevel = 1;

BackupOutcome failed(const QString &error)
{
    BackupOutcome outcome;
    outcome.error = error;
    return outcome;
}

bool addEntry(QuaZip &zip, const QString &name, const QByteArray &bytes, const QDateTime &stamp)
{
    QuaZipNewInfo info(name);
    info.dateTime = stamp;
    QuaZipFile entry(&zip);
    if (!entry.open(QIODevice::WriteOnly, info, nullptr, 0, Z_DEFLATED, compressionLevel))
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

// Puts the files `present` in `dir` and their manifest into `archive`; the reason when it fails.
QString buildArchive(const QDir &dir, const QStringList &present, BackupManifest &manifest,
                     QByteArray &archive, const std::function<void(int)> &fileDone)
{
    QBuffer buffer(&archive);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate))
        return QStringLiteral("the archive could not be started");
    qint64 total = 0;
    for (int i = 0; i < present.size(); ++i) {
        const QString path = dir.filePath(present[i]);
        QString error;
        const std::optional<QByteArray> bytes = WorkbookFiles::readForBackup(dir.path(), present[i], &error);
        if (!bytes)
            return error;
        total += bytes->size();
        if (total > WorkbookFiles::MaxTotalSize)
            return QStringLiteral("the workbook is larger than a backup can hold");
        manifest.files.append(BackupManifest::describe(present[i], *bytes));
        if (!addEntry(zip, present[i], *bytes, QFileInfo(path).lastModified()))
            return QStringLiteral("%1 could not be added").arg(present[i]);
        fileDone(i + 1);
    }
    const bool listed =
        addEntry(zip, QString::fromLatin1(BackupManifest::FileName), manifest.toJson(), manifest.created);
    zip.close();
    if (!listed || zip.getZipError() != ZIP_OK)
        return QStringLiteral("the archive could not be completed");
    return {};
}

} // namespace

BackupOutcome backUpWorkbook(const QString &folder, const QString &zipPath, const QDateTime &created,
                             const BackupProgress &progress)
{
    const QString zipName = QFileInfo(zipPath).fileName();
    if (replacesWorkbookFile(folder, zipPath))
        return failed(
            QStringLiteral("Unable to write %1: it is one of the workbook's own files.").arg(zipName));

    const QStringList present = WorkbookFiles::presentIn(folder);
    if (present.isEmpty())
        return failed(
            QStringLiteral("Unable to write %1: there are no workbook files to back up.").arg(zipName));
    const int files = int(present.size());
    const auto report = [&](int step) {
        if (progress)
            progress(step, 2 * files);
    };
    BackupManifest manifest;
    manifest.programVersion = Product::version.section(QLatin1Char(' '), -1);
    manifest.created = created;
    QByteArray archive;
    const QString error = buildArchive(QDir(folder), present, manifest, archive, report);
    if (!error.isEmpty())
        return failed(QStringLiteral("Unable to write %1: %2.").arg(zipName, error));
    const WriteResult written = writeWholeFile(zipPath, archive);
    if (!written)
        return failed(written.error + QLatin1Char('.'));

    BackupReader check(zipPath);
    const bool whole = check.verify([&](int done, int) { report(files + done); });
    if (!whole || check.manifest().files != manifest.files) {
        const QString reason = whole ? QStringLiteral("it does not hold what was written") : check.error();
        QFile::remove(zipPath);
        return failed(
            QStringLiteral("%1 did not read back whole (%2) and was removed.").arg(zipName, reason));
    }
    BackupOutcome outcome;
    outcome.ok = true;
    outcome.manifest = manifest;
    return outcome;
}
