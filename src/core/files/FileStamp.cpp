#include "core/files/FileStamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

FileStamp FileStamp::of(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    return {true, bytes.size(), info.lastModified(),
            QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
}

FileStamp FileStamp::ofFile(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return missing();
    return {true, file.size(), QFileInfo(path).lastModified(), hash.result()};
}

bool FileStamp::sameContent(const FileStamp &other) const
{
    if (exists != other.exists)
        return false;
    return !exists || (size == other.size && sha256 == other.sha256);
}
