#include "core/files/QuotedLineFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include "core/files/AnsiText.h"
#include "core/files/WorkbookAccess.h"

namespace {

constexpr char Quote = '"';
constexpr char Comma = ',';
const QString KeptSuffix = QStringLiteral(".bak");

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Reads fields one after another from a byte buffer.
class FieldReader
{
public:
    FieldReader(const QByteArray &bytes, int fieldLength) : m_bytes(bytes), m_fieldLength(fieldLength) {}

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    // Text other than blanks stood after a closing quote and was not taken into any field.
    bool dropped() const { return m_dropped; }
    int cut() const { return m_cut; }

    QByteArray next()
    {
        skipBlanks();
        QByteArray field;
        if (!atEnd() && at() == Quote) {
            ++m_pos;
            field = takeUntil([](char c) { return c == Quote || isLineEnd(c); });
            if (!atEnd() && at() == Quote)
                ++m_pos;
            const QByteArray rest = takeUntil([](char c) { return c == Comma || isLineEnd(c); });
            m_dropped = m_dropped || std::any_of(rest.cbegin(), rest.cend(), [](char c) { return !isBlank(c); });
        } else {
            field = takeUntil([](char c) { return c == Comma || isLineEnd(c); }).trimmed();
        }
        skipDelimiter();
        if (m_fieldLength > 0 && field.size() > m_fieldLength) {
            field.truncate(m_fieldLength);
            ++m_cut;
        }
        return field;
    }

private:
    char at() const { return m_bytes.at(m_pos); }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(at()))
            ++m_pos;
    }

    template <typename Stop> QByteArray takeUntil(Stop stop)
    {
        const qsizetype start = m_pos;
        while (!atEnd() && !stop(at()))
            ++m_pos;
        return m_bytes.mid(start, m_pos - start);
    }

    // One comma, or one line end (CR LF, CR or LF).
    void skipDelimiter()
    {
        if (atEnd())
            return;
        const char c = at();
        ++m_pos;
        if (c == '\r' && !atEnd() && at() == '\n')
            ++m_pos;
    }

    const QByteArray &m_bytes;
    const int m_fieldLength;
    qsizetype m_pos = 0;
    bool m_dropped = false;
    int m_cut = 0;
};

} // namespace

QuotedLineFile::QuotedLineFile(QString path) : m_path(std::move(path)), m_limit(FileLimits::of(m_path)) {}

bool QuotedLineFile::exists() const
{
    return QFileInfo::exists(m_path);
}

QuotedLineFile::Reading QuotedLineFile::read() const
{
    Reading reading;
    QFile file(m_path);
    reading.found = file.exists();
    if (!reading.found)
        return reading;
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(m_limit.bytes + 1);
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        reading.problems.append(QStringLiteral("cannot be read (%1)").arg(file.errorString()));
        return reading;
    }
    if (bytes.size() > m_limit.bytes) {
        bytes.truncate(m_limit.bytes);
        reading.problems.append(QStringLiteral("is larger than %1, and only its first %1 are read")
                                    .arg(FileLimits::sizeText(m_limit.bytes)));
    }
    Parsed parsed = parse(bytes, m_limit);
    reading.fields = std::move(parsed.fields);
    const QString unit = QString::fromLatin1(m_limit.unit);
    if (parsed.moreFields)
        reading.problems.append(QStringLiteral("holds more than %1 %2; only the first %1 can be kept")
                                    .arg(m_limit.fields)
                                    .arg(unit));
    if (parsed.cutFields > 0)
        reading.problems.append(QStringLiteral("holds %1 longer than %2 characters (%3 of them), which are "
                                               "cut to %2")
                                    .arg(unit)
                                    .arg(m_limit.fieldLength)
                                    .arg(parsed.cutFields));
    if (parsed.dropped)
        reading.problems.append(QStringLiteral("holds text after a closing quote, which cannot be kept"));
    return reading;
}

LoadedFile<QStringList> QuotedLineFile::load()
{
    WorkbookAccess::current().recordFile(m_path);
    Reading reading = read();
    LoadedFile<QStringList> loaded{std::move(reading.fields), reading.found, !reading.problems.isEmpty(), {}};
    if (loaded.partial)
        loaded.note = keepBeforeNextWrite(reading.problems.join(QStringLiteral("; it ")));
    return loaded;
}

QString QuotedLineFile::keptCopyPath() const
{
    return m_path + KeptSuffix;
}

QString QuotedLineFile::keepBeforeNextWrite(const QString &problem)
{
    m_keepPending = true;
    return QStringLiteral("%1 %2. The file as it was is kept as %3 when it is next saved.")
        .arg(QFileInfo(m_path).fileName(), problem, QFileInfo(keptCopyPath()).fileName());
}

WriteResult QuotedLineFile::write(const QStringList &values)
{
    if (m_limit.fields > 0 && values.size() > m_limit.fields)
        return {false, QStringLiteral("Unable to write %1: it holds at most %2 %3, not %4.")
                           .arg(QFileInfo(m_path).fileName())
                           .arg(m_limit.fields)
                           .arg(QString::fromLatin1(m_limit.unit))
                           .arg(values.size())};
    if ((m_keepPending || !read().problems.isEmpty()) && exists()) {
        const WriteResult kept = keepCopyAside(m_path, KeptSuffix);
        if (!kept)
            return {false, QStringLiteral("%1 was not replaced, because a copy of it could not be kept: %2")
                               .arg(QFileInfo(m_path).fileName(), kept.error)};
    }
    m_keepPending = false;
    return replaceReadFile(m_path, format(values, m_limit.fieldLength));
}

QStringList QuotedLineFile::parse(const QByteArray &bytes, bool *dropped)
{
    Parsed parsed = parse(bytes, FileLimit{});
    if (dropped)
        *dropped = parsed.dropped;
    return std::move(parsed.fields);
}

QuotedLineFile::Parsed QuotedLineFile::parse(const QByteArray &bytes, const FileLimit &limit)
{
    Parsed parsed;
    FieldReader reader(bytes, limit.fieldLength);
    while (!reader.atEnd()) {
        if (limit.fields > 0 && parsed.fields.size() == limit.fields) {
            parsed.moreFields = true;
            break;
        }
        parsed.fields.append(fromAnsi(reader.next()));
    }
    parsed.dropped = reader.dropped();
    parsed.cutFields = reader.cut();
    return parsed;
}

QByteArray QuotedLineFile::format(const QStringList &values, int fieldLength)
{
    QByteArray out;
    for (const QString &value : values) {
        const QStringView text = fieldLength > 0 ? QStringView(value).left(fieldLength) : QStringView(value);
        QByteArray bytes = toAnsi(text);
        bytes.replace(Quote, '\'').replace('\r', ' ').replace('\n', ' ');
        out.append(Quote).append(bytes).append(Quote).append("\r\n");
    }
    return out;
}
