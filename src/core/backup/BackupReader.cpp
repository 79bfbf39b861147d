#include "core/backup/BackupReader.h"

#include <QFileInfo>
#include <QSet>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include "core/backup/WorkbookFiles.h"

namespace {

const QString manifestName = QString::fromLatin1(BackupManifest::FileName);

} // namespace

BackupReader::BackupReader(QString zipPath) : m_path(std::move(zipPath))
{
}

BackupReader::BackupReader(QIODevice *archive) : m_device(archive)
{
}

BackupReader::~BackupReader() = default;

bool BackupReader::fail(const QString &reason)
{
    m_error = reason;
    m_verified = false;
    return false;
}

std::nullopt_t BackupReader::refuse(const QString &reason)
{
    fail(reason);
    return std::nullopt;
}

bool BackupReader::verify(const BackupProgress &progress)
{
    m_verified = false;
    if (!m_device && !QFileInfo(m_path).isFile())
        return fail(QStringLiteral("there is no such file"));
    m_zip = m_device ? std::make_unique<QuaZip>(m_device) : std::make_unique<QuaZip>(m_path);
    if (!m_zip->open(QuaZip::mdUnzip))
        return fail(QStringLiteral("it is not a readable ZIP archive"));
    const std::optional<QSet<QString>> entryNames = checkEntryNames();
    if (!entryNames)
        return false;
    const std::optional<QByteArray> json = readEntry(manifestName, BackupManifest::MaxSize);
    if (!json)
        return false;
    std::optional<BackupManifest> manifest = BackupManifest::fromJson(*json, &m_error);
    if (!manifest)
        return false;
    m_manifest = *manifest;
    if (m_manifest.files.isEmpty())
        return fail(QStringLiteral("it holds no workbook file"));
    for (const BackupManifest::File &file : std::as_const(m_manifest.files))
        if (!entryNames->contains(file.name))
            return fail(QStringLiteral("it lacks %1, which its list of files names").arg(file.name));
    if (m_manifest.files.size() + 1 != entryNames->size())
        return fail(QStringLiteral("it holds files that its list of files does not name"));
    const int total = int(m_manifest.files.size());
    for (int i = 0; i < total; ++i) {
        const BackupManifest::File &file = m_manifest.files[i];
        const std::optional<QByteArray> bytes = readEntry(file.name, file.size);
        if (!bytes || !matchesManifest(file, *bytes))
            return false;
        if (progress)
            progress(i + 1, total);
    }
    m_verified = true;
    return true;
}

std::optional<QSet<QString>> BackupReader::checkEntryNames()
{
    // The count comes from the archive's last record: checked before its whole directory is read.
    if (m_zip->getEntriesCount() > WorkbookFiles::names().size() + 1)
        return refuse(QStringLiteral("it holds more files than a workbook has"));
    const QList<QuaZipFileInfo64> entries = m_zip->getFileInfoList64();
    if (m_zip->getZipError() != UNZ_OK)
        return refuse(QStringLiteral("it is not a readable ZIP archive"));
    QSet<QString> seen;
    for (const QuaZipFileInfo64 &entry : entries) {
        const bool isManifest = entry.name == manifestName;
        if (!isManifest && !WorkbookFiles::isKnown(entry.name))
            return refuse(QStringLiteral("it holds \"%1\", which is not a workbook file").arg(entry.name));
        if (seen.contains(entry.name))
            return refuse(QStringLiteral("it holds %1 twice").arg(entry.name));
        seen.insert(entry.name);
        const qint64 limit = isManifest ? BackupManifest::MaxSize : WorkbookFiles::maxSize(entry.name);
        if (entry.uncompressedSize > quint64(limit))
            return refuse(QStringLiteral("%1 in it is larger than a workbook file can be").arg(entry.name));
    }
    if (!seen.contains(manifestName))
        return refuse(QStringLiteral("it has no list of its files (%1)").arg(manifestName));
    return seen;
}

std::optional<QByteArray> BackupReader::readEntry(const QString &name, qint64 limit)
{
    const QString damaged = QStringLiteral("%1 in it is damaged").arg(name);
    if (!m_zip->setCurrentFile(name, QuaZip::csSensitive))
        return refuse(QStringLiteral("it lacks %1, which its list of files names").arg(name));
    QuaZipFile entry(m_zip.get());
    if (!entry.open(QIODevice::ReadOnly))
        return refuse(damaged);
    // Read no further than one byte past the limit, whatever the archive claims.
    QByteArray bytes;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 wanted = std::min<qint64>(sizeof chunk, limit + 1 - bytes.size());
        const qint64 got = wanted > 0 ? entry.read(chunk, wanted) : 0;
        if (got < 0)
            return refuse(damaged);
        if (got == 0)
            break;
        bytes.append(chunk, got);
        if (bytes.size() > limit)
            return refuse(QStringLiteral("%1 in it is larger than its list of files says").arg(name));
    }
    entry.close();
    if (entry.getZipError() != UNZ_OK)
        return refuse(damaged);
    return bytes;
}

bool BackupReader::matchesManifest(const BackupManifest::File &file, const QByteArray &bytes)
{
    if (BackupManifest::describe(file.name, bytes) != file)
        return fail(
            QStringLiteral("%1 in it is damaged: it does not match its list of files").arg(file.name));
    return true;
}

std::optional<QByteArray> BackupReader::read(const QString &name)
{
    const BackupManifest::File *file = m_verified ? m_manifest.find(name) : nullptr;
    if (!file)
        return refuse(QStringLiteral("it holds no checked copy of %1").arg(name));
    std::optional<QByteArray> bytes = readEntry(name, file->size);
    if (!bytes || !matchesManifest(*file, *bytes))
        return std::nullopt;
    return bytes;
}
