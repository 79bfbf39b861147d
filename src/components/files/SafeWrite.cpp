#include "components/files/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

WriteResult failure(const QString &path, const QString &reason)
{
    return {false, QStringLiteral("Unable to write %1: %2").arg(QFileInfo(path).fileName(), reason)};
}

} // namespace

// Unbuffered, so that every write reaches the file at once and a failure is seen by the write that
// failed, with its reason; a short write (the disk filling up) is continued until it fails outright.
WriteResult writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(path, file.errorString());
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return failure(path, reason);
        }
        written += step;
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return {true, {}};
}

WriteResult keepCopyAside(const QString &path, const QString &suffix)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return failure(path + suffix, source.errorString());
    return writeWholeFile(path + suffix, source.readAll());
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
