#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/backup/BackupManifest.h"

class QIODevice;
class QuaZip;

// Reports how far a long step has got: `done` of `total` files.
using BackupProgress = std::function<void(int done, int total)>;

// Opens a workbook backup and checks all of it before anything is taken from it: a readable ZIP
// archive holding manifest.json and nothing but the workbook files it lists, each once, by its bare
// name, within its size bound and with the size and SHA-256 the manifest gives.
class BackupReader
{
  public:
    explicit BackupReader(QString zipPath);
    // Reads the archive from `archive`, which must outlive the reader.
    explicit BackupReader(QIODevice *archive);
    ~BackupReader();
    BackupReader(const BackupReader &) = delete;
    BackupReader &operator=(const BackupReader &) = delete;

    // Checks the whole archive; false with the reason in error() on the first fault.
    bool verify(const BackupProgress &progress = {});

    const QString &path() const { return m_path; }
    const QString &error() const { return m_error; }
    const BackupManifest &manifest() const { return m_manifest; }

    // One file of a verified backup, checked against the manifest once more as it is read.
    std::optional<QByteArray> read(const QString &name);

  private:
    bool fail(const QString &reason);
    std::nullopt_t refuse(const QString &reason);
    // The names of the archive's entries, once each is known to be allowed.
    std::optional<QSet<QString>> checkEntryNames();
    // The current entry's bytes, or nothing when it cannot be read whole or is longer than `limit`.
    std::optional<QByteArray> readEntry(const QString &name, qint64 limit);
    bool matchesManifest(const BackupManifest::File &file, const QByteArray &bytes);

    QString m_path;
    QIODevice *m_device = nullptr;
    QString m_error;
    std::unique_ptr<QuaZip> m_zip;
    BackupManifest m_manifest;
    bool m_verified = false;
};
