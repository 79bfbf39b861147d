#include <QBuffer>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "core/backup/BackupManifest.h"
#include "core/backup/BackupReader.h"

// The backup reader fuzzer's seed corpus, replayed: archives named "valid-" are read whole, those named
// "refused-" are refused, manifests named "manifest-valid" are read and written back alike.
TEST(BackupFuzzCorpus, SeedsAreReadOrRefusedAsTheirNamesSay)
{
    const QDir corpus(QStringLiteral(TESSAREL_BACKUP_FUZZ_CORPUS));
    const QStringList seeds = corpus.entryList(QDir::Files);
    ASSERT_GE(seeds.size(), 10);
    for (const QString &name : seeds) {
        SCOPED_TRACE(name.toStdString());
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();

        QString error;
        const std::optional<BackupManifest> manifest = BackupManifest::fromJson(bytes, &error);
        EXPECT_EQ(manifest.has_value(), name.startsWith("manifest-valid")) << error.toStdString();
        if (manifest) {
            const std::optional<BackupManifest> again = BackupManifest::fromJson(manifest->toJson(), &error);
            ASSERT_TRUE(again.has_value());
            EXPECT_EQ(again->files, manifest->files);
        }

        QBuffer archive(&bytes);
        ASSERT_TRUE(archive.open(QIODevice::ReadOnly));
        BackupReader backup(&archive);
        EXPECT_EQ(backup.verify(), name.startsWith("valid-")) << backup.error().toStdString();
        if (name.startsWith("valid-")) {
            EXPECT_FALSE(backup.manifest().files.isEmpty());
            for (const BackupManifest::File &entry : backup.manifest().files)
                EXPECT_TRUE(backup.read(entry.name)) << entry.name.toStdString();
        }
        EXPECT_EQ(name.startsWith("valid-") || name.startsWith("refused-") || name.startsWith("manifest-"),
                  true);
    }
}
