#include "components/files/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <optional>

namespace {

WriteResult failure(const QString &path, const QString &reason)
{
    return {false, QStringLiteral("Unable to write %1: %2").arg(QFileInfo(path).fileName(), reason)};
}

// Writes all of `bytes` to `file`; a short write (the disk filling up) is continued until it fails
// outright. Returns the reason of a failure, or nothing.
std::optional<QString> writeAll(QSaveFile &file, const char *bytes, qint64 size)
{
    for (qint64 written = 0; written < size;) {
        const qint64 step = file.write(bytes + written, size - written);
        if (step <= 0)
            return file.errorString();
        written += step;
    }
    return std::nullopt;
}

} // namespace

// Unbuffered, so that every write reaches the file at once and a failure is seen by the write that
// failed, with its reason.
WriteResult writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(path, file.errorString());
    if (const auto reason = writeAll(file, bytes.constData(), bytes.size())) {
        file.cancelWriting();
        return failure(path, *reason);
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return {true, {}};
}

// Copied a piece at a time, so that a large file never needs its size in memory.
WriteResult keepCopyAside(const QString &path, const QString &suffix)
{
    constexpr qint64 Piece = 1 << 20;
    const QString copy = path + suffix;
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return failure(copy, source.errorString());
    QSaveFile file(copy);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(copy, file.errorString());
    QByteArray piece;
    while (!(piece = source.read(Piece)).isEmpty()) {
        if (const auto reason = writeAll(file, piece.constData(), piece.size())) {
            file.cancelWriting();
            return failure(copy, *reason);
        }
    }
    if (source.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return failure(copy, source.errorString());
    }
    if (!file.commit())
        return failure(copy, file.errorString());
    return {true, {}};
}

int removeSaveLeftovers(const QString &folder, const QStringList &names)
{
    static const QRegularExpression temporary(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    const QDir dir(folder);
    int removed = 0;
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        const QRegularExpressionMatch match = temporary.match(entry.fileName());
        if (match.hasMatch() && names.contains(match.captured(1)) && QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed;
}
