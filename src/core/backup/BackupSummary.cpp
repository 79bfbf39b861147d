#include "core/backup/BackupSummary.h"

#include "core/files/RecordFile.h"
#include "core/backup/WorkbookFiles.h"
#include "core/todo/TodoGridFile.h"
#include "core/catalogue/Catalogue.h"
#include "core/workbook/StatusStore.h"

std::optional<BackupSummary> BackupSummary::of(BackupReader &backup)
{
    const BackupManifest &manifest = backup.manifest();
    BackupSummary summary;
    summary.created = manifest.created;
    for (const BackupManifest::File &file : manifest.files)
        summary.entries += WorkbookFiles::isEntry(file.name) ? 1 : 0;
    summary.hasTodoList = manifest.find(QString::fromLatin1(TodoGridFile::DefaultFileName)) != nullptr;
    const QString statusFile = QString::fromLatin1(StatusStore::DefaultFileName);
    if (manifest.find(statusFile)) {
        const std::optional<QByteArray> records = backup.read(statusFile);
        if (!records)
            return std::nullopt;
        // The one-blank value means no status was chosen.
        for (int n = 1; n <= Catalogue::itemCount; ++n)
            summary.statusesSet += RecordFile::decodeRecord(*records, n).trimmed().isEmpty() ? 0 : 1;
    }
    return summary;
}
