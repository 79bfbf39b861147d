// libFuzzer target: the workbook backup reader, on each input both as a ZIP archive and as a manifest.
#include "core/backup/BackupManifest.h"
#include "core/backup/BackupReader.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    QString error;
    if (const std::optional<BackupManifest> manifest = BackupManifest::fromJson(bytes, &error)) {
        const std::optional<BackupManifest> again = BackupManifest::fromJson(manifest->toJson(), &error);
        if (!again || again->files != manifest->files)
            std::abort(); // what the manifest writer writes must read back
    }

    QBuffer archive(&bytes);
    archive.open(QIODevice::ReadOnly);
    BackupReader backup(&archive);
    if (backup.verify())
        for (const BackupManifest::File &file : backup.manifest().files)
            if (!backup.read(file.name))
                std::abort(); // every file of a checked backup can be taken from it
    return 0;
}
