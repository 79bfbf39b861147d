#include "core/backup/RestoreJournal.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <fcntl.h>
#include <unistd.h>

#include "core/backup/WorkbookFiles.h"

namespace {

const QString stepKey = QStringLiteral("step");
const QString backupKey = QStringLiteral("backup");
const QString stagingKey = QStringLiteral("staging");
const QString replacedKey = QStringLiteral("replaced");
const QString currentKey = QStringLiteral("current");
const QString restoredKey = QStringLiteral("restored");
const QString stagingStep = QStringLiteral("staging");
const QString committingStep = QStringLiteral("committing");

std::optional<QStringList> fileNames(const QJsonValue &value)
{
    if (!value.isArray())
        return std::nullopt;
    QStringList names;
    for (const QJsonValue &item : value.toArray()) {
        const QString name = item.toString();
        if (!WorkbookFiles::isKnown(name) || names.contains(name))
            return std::nullopt;
        names.append(name);
    }
    return names;
}

} // namespace

QByteArray RestoreJournal::toJson() const
{
    const QJsonObject root{{stepKey, step == Step::Committing ? committingStep : stagingStep},
                           {backupKey, backupName},
                           {stagingKey, stagingFolder},
                           {replacedKey, replacedFolder},
                           {currentKey, QJsonArray::fromStringList(current)},
                           {restoredKey, QJsonArray::fromStringList(restored)}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<RestoreJournal> RestoreJournal::fromJson(const QByteArray &json, QString *error)
{
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    RestoreJournal journal;
    const QString step = root.value(stepKey).toString();
    journal.step = step == committingStep ? Step::Committing : Step::Staging;
    journal.backupName = root.value(backupKey).toString();
    journal.stagingFolder = root.value(stagingKey).toString();
    journal.replacedFolder = root.value(replacedKey).toString();
    const std::optional<QStringList> current = fileNames(root.value(currentKey));
    const std::optional<QStringList> restored = fileNames(root.value(restoredKey));
    if (step != stagingStep && step != committingStep)
        *error = QStringLiteral("it names no step of a restore");
    else if (!RestoreFolders::isOwnName(journal.stagingFolder, RestoreFolders::stagingPrefix()) ||
             !RestoreFolders::isOwnName(journal.replacedFolder, RestoreFolders::replacedPrefix()))
        *error = QStringLiteral("the folders it names are not a restore's");
    else if (!current || !restored)
        *error = QStringLiteral("the files it names are not workbook files");
    else {
        journal.current = *current;
        journal.restored = *restored;
        return journal;
    }
    return std::nullopt;
}

WriteResult RestoreJournal::write(const QString &dataFolder) const
{
    WriteResult written = writeWholeFile(QDir(dataFolder).filePath(QString::fromLatin1(FileName)), toJson());
    if (written && !RestoreFolders::sync(dataFolder))
        written = {false, QStringLiteral("Unable to write %1: the folder could not be flushed to disk")
                              .arg(QString::fromLatin1(FileName))};
    return written;
}

namespace RestoreFolders {

bool isOwnName(const QString &name, const QString &prefix)
{
    static const QRegularExpression dated(QStringLiteral("^ \\d{4}-\\d\\d-\\d\\d \\d{6}( \\(\\d{1,6}\\))?$"));
    return name.startsWith(prefix) && dated.match(name.mid(prefix.size())).hasMatch();
}

bool sync(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

} // namespace RestoreFolders
