#include "core/files/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <optional>

#include "core/files/WorkbookAccess.h"

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
    if (const QString refused = WorkbookAccess::current().refusal(path); !refused.isEmpty())
        return failure(path, refused);
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

QString changedElsewherePath(const QString &path, const QDateTime &changed)
{
    const QFileInfo info(path);
    const QString stem = QStringLiteral("%1 (changed elsewhere %2").arg(info.completeBaseName(),
                                                                       changed.toString(u"yyyy-MM-dd HHmmss"));
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString name = stem + QLatin1Char(')') + suffix;
    for (int n = 2; QFileInfo::exists(info.dir().filePath(name)); ++n)
        name = QStringLiteral("%1 %2)%3").arg(stem).arg(n).arg(suffix);
    return info.dir().filePath(name);
}

WriteResult replaceReadFile(const QString &path, const QByteArray &bytes)
{
    WorkbookAccess &access = WorkbookAccess::current();
    if (const QString refused = access.refusal(path); !refused.isEmpty())
        return failure(path, refused);
    const std::optional<FileStamp> read = access.recorded(path);
    QFile file(path);
    if (read && file.exists()) {
        // The file as it is now, read a piece at a time (another program may have made it of any size) and
        // compared with what the program read.
        if (!file.open(QIODevice::ReadOnly))
            return failure(path, QStringLiteral("it cannot be read to see whether another program changed it (%1)")
                                     .arg(file.errorString()));
        file.close();
        const FileStamp now = FileStamp::ofFile(path);
        if (!now.exists)
            return failure(path, QStringLiteral("it cannot be read to see whether another program changed it"));
        if (!now.sameContent(*read)) {
            const WorkbookAccess::ChangedFile changed{path, changedElsewherePath(path, now.modified), now.modified};
            if (!access.askToKeepBoth(changed))
                return failure(path, QStringLiteral("another program changed it after it was read, and it was "
                                                    "left as that program wrote it"));
            if (!file.copy(changed.keptAsPath))
                return failure(path, QStringLiteral("the version another program wrote could not be kept (%1)")
                                         .arg(file.errorString()));
        }
    }
    const WriteResult written = writeWholeFile(path, bytes);
    if (written)
        access.recordRead(path, bytes);
    return written;
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
