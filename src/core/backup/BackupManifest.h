#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// manifest.json of a workbook backup: which program wrote it, when, and each file's name, size and
// SHA-256.
struct BackupManifest
{
    struct File
    {
        QString name;
        qint64 size = 0;
        QByteArray sha256; // 32 raw bytes
        bool operator==(const File &) const = default;
    };

    static constexpr int FormatVersion = 1;
    static constexpr auto FileName = "manifest.json";
    static constexpr qint64 MaxSize = 1024 * 1024;

    QString programVersion;
    QDateTime created;
    QList<File> files;

    static File describe(const QString &name, const QByteArray &bytes);

    QByteArray toJson() const;
    // The manifest in `json`, or nothing with the reason in `error`: it must be this program's, of a
    // format it knows, and list only workbook files, each once, within their size bounds.
    static std::optional<BackupManifest> fromJson(const QByteArray &json, QString *error);

    const File *find(const QString &name) const;
};
