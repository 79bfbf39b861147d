#include "core/backup/BackupManifest.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>

#include "core/workbook/Product.h"
#include "core/backup/WorkbookFiles.h"

namespace {

const QString programKey = QStringLiteral("program");
const QString formatKey = QStringLiteral("format");
const QString versionKey = QStringLiteral("version");
const QString createdKey = QStringLiteral("created");
const QString filesKey = QStringLiteral("files");
const QString nameKey = QStringLiteral("name");
const QString sizeKey = QStringLiteral("size");
const QString shaKey = QStringLiteral("sha256");

std::optional<BackupManifest::File> readFile(const QJsonValue &value, QString *error)
{
    const QJsonObject object = value.toObject();
    BackupManifest::File file;
    file.name = object.value(nameKey).toString();
    if (!WorkbookFiles::isKnown(file.name)) {
        *error =
            QStringLiteral("its list of files names \"%1\", which is not a workbook file").arg(file.name);
        return std::nullopt;
    }
    // Checked as a number before it is made a whole one: NaN and huge values fail here.
    const double size = object.value(sizeKey).toDouble(-1);
    if (!(size >= 0 && size <= double(WorkbookFiles::maxSize(file.name))) || size != std::floor(size)) {
        *error = QStringLiteral("the size it gives for %1 is not allowed").arg(file.name);
        return std::nullopt;
    }
    file.size = qint64(size);
    const QByteArray hex = object.value(shaKey).toString().toLatin1();
    file.sha256 = QByteArray::fromHex(hex);
    if (hex.size() != 64 || file.sha256.toHex() != hex.toLower()) {
        *error = QStringLiteral("the SHA-256 it gives for %1 is not valid").arg(file.name);
        return std::nullopt;
    }
    return file;
}

} // namespace

BackupManifest::File BackupManifest::describe(const QString &name, const QByteArray &bytes)
{
    return {name, bytes.size(), QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
}

QByteArray BackupManifest::toJson() const
{
    QJsonArray list;
    for (const File &file : files)
        list.append(QJsonObject{{nameKey, file.name},
                                {sizeKey, double(file.size)},
                                {shaKey, QString::fromLatin1(file.sha256.toHex())}});
    const QJsonObject root{{programKey, Product::name},
                           {formatKey, FormatVersion},
                           {versionKey, programVersion},
                           {createdKey, created.toString(Qt::ISODate)},
                           {filesKey, list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<BackupManifest> BackupManifest::fromJson(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    const QJsonObject root = document.object();
    if (document.isNull() || !document.isObject() || root.value(programKey).toString() != Product::name) {
        *error = QStringLiteral("it is not a %1 workbook backup").arg(Product::name);
        return std::nullopt;
    }
    if (root.value(formatKey).toInt(0) != FormatVersion) {
        *error =
            QStringLiteral("it was made in a format this version of %1 does not know").arg(Product::name);
        return std::nullopt;
    }
    BackupManifest manifest;
    manifest.programVersion = root.value(versionKey).toString();
    manifest.created = QDateTime::fromString(root.value(createdKey).toString(), Qt::ISODate);
    if (!manifest.created.isValid()) {
        *error = QStringLiteral("its date and time are missing");
        return std::nullopt;
    }
    if (!root.value(filesKey).isArray()) {
        *error = QStringLiteral("its list of files is missing");
        return std::nullopt;
    }
    QSet<QString> seen;
    qint64 total = 0;
    for (const QJsonValue &value : root.value(filesKey).toArray()) {
        std::optional<File> file = readFile(value, error);
        if (!file)
            return std::nullopt;
        if (seen.contains(file->name)) {
            *error = QStringLiteral("it lists %1 twice").arg(file->name);
            return std::nullopt;
        }
        seen.insert(file->name);
        total += file->size;
        manifest.files.append(*file);
    }
    if (total > WorkbookFiles::MaxTotalSize) {
        *error = QStringLiteral("its files are larger in all than a workbook can be");
        return std::nullopt;
    }
    return manifest;
}

const BackupManifest::File *BackupManifest::find(const QString &name) const
{
    for (const File &file : files)
        if (file.name == name)
            return &file;
    return nullptr;
}
