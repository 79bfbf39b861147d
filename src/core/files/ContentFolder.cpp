#include "core/files/ContentFolder.h"

#include <QDir>
#include <QFileInfo>

namespace ContentFolder {

namespace {
QString folder;

bool holdsContent(const QString &candidate)
{
    return QFileInfo(QDir(candidate).filePath(QString::fromLatin1(MarkerFile))).isFile();
}
} // namespace

QString path()
{
    return folder;
}

void setPath(const QString &newFolder)
{
    folder = newFolder;
}

QString file(const QString &name)
{
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

QString locate(const QString &programFolder, const QString &package)
{
    if (holdsContent(programFolder))
        return QDir::cleanPath(programFolder);
    const QString shared = QDir::cleanPath(programFolder + QStringLiteral("/../share/") + package);
    return holdsContent(shared) ? shared : QString();
}

} // namespace ContentFolder
