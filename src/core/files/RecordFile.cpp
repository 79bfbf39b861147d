#include "core/files/RecordFile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include "core/files/AnsiText.h"
#include "core/files/FileLimits.h"
#include "core/files/WorkbookAccess.h"

namespace {

qsizetype recordOffset(int n)
{
    return static_cast<qsizetype>(n - 1) * RecordFile::RecordLength;
}

WriteResult refuse(const QString &path, const QString &reason)
{
    return {false, QStringLiteral("Unable to write %1: %2").arg(QFileInfo(path).fileName(), reason)};
}

} // namespace

RecordFile::RecordFile(QString path) : m_path(std::move(path)), m_limit(FileLimits::of(m_path).bytes)
{
}

WriteResult RecordFile::create() const
{
    if (QFileInfo::exists(m_path))
        return {true, {}};
    return writeWholeFile(m_path, {});
}

std::optional<QByteArray> RecordFile::contents(QString *error, bool *beyond) const
{
    if (!QFileInfo::exists(m_path))
        return QByteArray();
    QFile file(m_path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(m_limit + 1);
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    if (beyond)
        *beyond = bytes.size() > m_limit;
    bytes.truncate(m_limit);
    return bytes;
}

QByteArray RecordFile::recordedContents() const
{
    const QByteArray bytes = contents().value_or(QByteArray());
    WorkbookAccess::current().recordFile(m_path);
    return bytes;
}

QString RecordFile::read(int n) const
{
    // A file that cannot be made reads as empty records; the next write names the reason.
    static_cast<void>(create());
    return decodeRecord(recordedContents(), n);
}

QStringList RecordFile::read(int first, int count) const
{
    // A file that cannot be made reads as empty records; the next write names the reason.
    static_cast<void>(create());
    const QByteArray file = recordedContents();
    QStringList texts;
    for (int n = first; n < first + count; ++n)
        texts.append(decodeRecord(file, n));
    return texts;
}

WriteResult RecordFile::write(int n, const QString &text) const
{
    if (n < 1)
        return refuse(m_path, QStringLiteral("there is no record %1").arg(n));
    if (recordOffset(n) + RecordLength > m_limit)
        return refuse(m_path, QStringLiteral("record %1 lies beyond the %2 the file may hold")
                                  .arg(n)
                                  .arg(FileLimits::sizeText(m_limit)));
    QString error;
    bool beyond = false;
    std::optional<QByteArray> file = contents(&error, &beyond);
    if (!file)
        return refuse(m_path, QStringLiteral("its records cannot be read: %1").arg(error));
    if (!encodeRecord(*file, n, text))
        return refuse(m_path,
                      QStringLiteral("\"%1\" is longer than %2 characters").arg(text).arg(MaxTextLength));
    if (beyond) {
        if (const WriteResult kept = keepCopyAside(m_path); !kept)
            return refuse(
                m_path, QStringLiteral("a copy of the file as it was could not be kept: %1").arg(kept.error));
    }
    return replaceReadFile(m_path, *file);
}

QString RecordFile::decodeRecord(const QByteArray &file, int n)
{
    if (n < 1)
        return {};
    const qsizetype start = recordOffset(n);
    if (start + 2 > file.size())
        return {};
    const quint16 length = qFromLittleEndian<quint16>(file.constData() + start);
    if (length > MaxTextLength || start + 2 + length > file.size())
        return {};
    return fromAnsi(QByteArrayView(file).sliced(start + 2, length));
}

bool RecordFile::encodeRecord(QByteArray &file, int n, const QString &text)
{
    const QByteArray bytes = toAnsi(text);
    if (n < 1 || bytes.size() > MaxTextLength)
        return false;
    const qsizetype start = recordOffset(n);
    if (file.size() < start + RecordLength)
        file.append(start + RecordLength - file.size(), '\0');
    char *record = file.data() + start;
    qToLittleEndian<quint16>(static_cast<quint16>(bytes.size()), record);
    std::copy(bytes.cbegin(), bytes.cend(), record + 2);
    std::fill(record + 2 + bytes.size(), record + RecordLength, '\0');
    return true;
}
