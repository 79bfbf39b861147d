#include "app/SafeWrite.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

WriteResult failure(const QString &path, const QString &reason)
{
    return {false, QStringLiteral("Unable to write %1: %2").arg(QFileInfo(path).fileName(), reason)};
}

} // namespace

WriteResult writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(path, reason);
    }
    if (!file.flush() || !file.commit())
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
