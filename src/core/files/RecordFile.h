#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/files/SafeWrite.h"

// A file of fixed 20-byte records numbered from 1. Each record holds one text: its length as an
// unsigned 16-bit little-endian number, then that many Windows-1252 bytes, then zeros to the end of
// the record.
//
// Reading never fails: a record beyond the end of the file, of length 0, or whose length does not fit
// its record or the file reads as the empty text. Writing a record rewrites the whole file atomically
// and leaves the bytes of every other record as they were; a file that another program changed since it
// was read is replaced only as replaceReadFile allows.
//
// Only the first bytes of the file up to its limit (FileLimits) are read. A longer file is copied to
// <name>.bak before a write replaces it by its records within the limit.
class RecordFile
{
public:
    static constexpr int RecordLength = 20;
    static constexpr int MaxTextLength = RecordLength - 2;

    explicit RecordFile(QString path);

    const QString &path() const { return m_path; }

    // Opening creates the file, empty, when it is missing. Reads call this; a failure to create only
    // means the records read as empty.
    WriteResult create() const;

    // Record n (1-based).
    QString read(int n) const;
    // Records first .. first + count - 1, in order, from one read of the file.
    QStringList read(int first, int count) const;

    // Replaces record n. Records missing before it are added as zeros (they read as empty).
    // Fails, writing nothing, for n < 1, a record beyond the limit, a text longer than 18 bytes, a file
    // that cannot be read, or a longer file that cannot be copied aside.
    WriteResult write(int n, const QString &text) const;

    // The byte-level codec behind read and write.
    static QString decodeRecord(const QByteArray &file, int n);
    static bool encodeRecord(QByteArray &file, int n, const QString &text);

private:
    // The file up to its limit, empty when missing; nothing when it exists but cannot be read.
    // `beyond` tells whether the file is longer.
    std::optional<QByteArray> contents(QString *error = nullptr, bool *beyond = nullptr) const;
    // The file as contents() reads it, its stamp recorded for the check before the next write.
    QByteArray recordedContents() const;

    QString m_path;
    qint64 m_limit;
};
