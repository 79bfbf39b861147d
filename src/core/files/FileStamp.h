#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a file held when the program read or wrote it: whether it existed, its size, its modification
// time and the SHA-256 of its bytes.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    QByteArray sha256;

    // The stamp of `bytes` just read from or written to `path`.
    static FileStamp of(const QString &path, const QByteArray &bytes);
    // The stamp of the file as it is now, read in pieces; a file that cannot be read stamps as missing.
    static FileStamp ofFile(const QString &path);
    // The stamp of a file that was not there.
    static FileStamp missing() { return {}; }

    // Same content: both missing, or the same size and bytes. A file only touched keeps its content.
    bool sameContent(const FileStamp &other) const;
};
