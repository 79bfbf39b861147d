#include "backup/WorkbookFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include "app/files/FileLimits.h"
#include "core/record/RecordDatabase.h"
#include "misc/NameListFile.h"
#include "misc/TodoGridFile.h"
#include "settings/DisplaySettings.h"
#include "workarea/Catalogue.h"
#include "workarea/store/EntryFiles.h"
#include "workarea/store/StatusStore.h"

namespace WorkbookFiles {

namespace {

const QString customDictionary = QStringLiteral("CustomDict1.dct");

QStringList entryNames()
{
    QStringList list;
    for (const EntryFiles::Kind kind : {EntryFiles::Action, EntryFiles::Comment, EntryFiles::Policy})
        for (int n = 1; n <= Catalogue::itemCount; ++n)
            list.append(EntryFiles::entryFileName(kind, n));
    return list;
}

const QSet<QString> &entrySet()
{
    static const QSet<QString> set = [] {
        const QStringList list = entryNames();
        return QSet<QString>(list.begin(), list.end());
    }();
    return set;
}

} // namespace

const QStringList &names()
{
    static const QStringList list = [] {
        QStringList all{QString::fromLatin1(StatusStore::DefaultFileName),
                        QString::fromLatin1(DisplaySettings::DefaultFileName)};
        all += entryNames();
        all += {QString::fromLatin1(NameListFile::DefaultFileName),
                QString::fromLatin1(TodoGridFile::DefaultFileName), customDictionary,
                QString::fromLatin1(RecordDatabase::FileName)};
        return all;
    }();
    return list;
}

bool isKnown(const QString &name)
{
    return names().contains(name);
}

bool isEntry(const QString &name)
{
    return entrySet().contains(name);
}

qint64 maxSize(const QString &name)
{
    return isKnown(name) ? FileLimits::of(name).bytes : 0;
}

QStringList presentIn(const QString &folder)
{
    const QDir dir(folder);
    QStringList present;
    for (const QString &name : names())
        if (QFileInfo(dir.filePath(name)).isFile())
            present.append(name);
    return present;
}

std::optional<QByteArray> read(const QString &path, qint64 limit, QString *error)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        if (file.size() > limit) {
            *error = QStringLiteral("%1 is larger than a backup can hold (%2)")
                         .arg(name, FileLimits::sizeText(limit));
            return std::nullopt;
        }
        QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return bytes;
    }
    *error = QStringLiteral("%1 cannot be read: %2").arg(name, file.errorString());
    return std::nullopt;
}

std::optional<QByteArray> readForBackup(const QString &folder, const QString &name, QString *error)
{
    const qint64 limit = maxSize(name);
    if (name != QLatin1String(RecordDatabase::FileName))
        return read(QDir(folder).filePath(name), limit, error);
    Result<QByteArray> copy = RecordDatabase::snapshot(folder, limit);
    if (!copy) {
        *error = copy.error();
        if (error->endsWith(QLatin1Char('.')))
            error->chop(1);
        return std::nullopt;
    }
    return copy.value();
}

} // namespace WorkbookFiles
