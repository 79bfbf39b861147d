#include "core/backup/BackupFolderFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace BackupFolderFile {

QString read(const QString &dataFolder)
{
    QFile file(QDir(dataFolder).filePath(QString::fromLatin1(FileName)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString folder = QString::fromUtf8(file.readLine(4096));
    while (folder.endsWith(QLatin1Char('\n')) || folder.endsWith(QLatin1Char('\r')))
        folder.chop(1);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

WriteResult write(const QString &dataFolder, const QString &folder)
{
    return writeWholeFile(QDir(dataFolder).filePath(QString::fromLatin1(FileName)), folder.toUtf8() + '\n');
}

} // namespace BackupFolderFile
