#include "app/files/QuotedLineFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include "app/files/AnsiText.h"
#include "components/files/WorkbookAccess.h"

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
    explicit FieldReader(const QByteArray &bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    // Text other than blanks stood after a closing quote and was not taken into any field.
    bool dropped() const { return m_dropped; }

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
    qsizetype m_pos = 0;
    bool m_dropped = false;
};

} // namespace

QuotedLineFile::QuotedLineFile(QString path) : m_path(std::move(path)) {}

bool QuotedLineFile::exists() const
{
    return QFileInfo::exists(m_path);
}

LoadedFile<QStringList> QuotedLineFile::load()
{
    LoadedFile<QStringList> loaded;
    WorkbookAccess::current().recordFile(m_path);
    QFile file(m_path);
    loaded.found = file.exists();
    if (!loaded.found)
        return loaded;
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.partial = true;
        loaded.note = keepBeforeNextWrite(QStringLiteral("cannot be read (%1)").arg(file.errorString()));
        return loaded;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        loaded.partial = true;
        loaded.note = keepBeforeNextWrite(QStringLiteral("cannot be read (%1)").arg(file.errorString()));
        return loaded;
    }
    bool dropped = false;
    loaded.contents = parse(bytes, &dropped);
    if (dropped) {
        loaded.partial = true;
        loaded.note = keepBeforeNextWrite(QStringLiteral("holds text after a closing quote, which cannot be kept"));
    }
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
    if (m_keepPending && exists()) {
        const WriteResult kept = keepCopyAside(m_path, KeptSuffix);
        if (!kept)
            return {false, QStringLiteral("%1 was not replaced, because a copy of it could not be kept: %2")
                               .arg(QFileInfo(m_path).fileName(), kept.error)};
    }
    m_keepPending = false;
    return replaceReadFile(m_path, format(values));
}

QStringList QuotedLineFile::parse(const QByteArray &bytes, bool *dropped)
{
    QStringList fields;
    FieldReader reader(bytes);
    while (!reader.atEnd())
        fields.append(fromAnsi(reader.next()));
    if (dropped)
        *dropped = reader.dropped();
    return fields;
}

QByteArray QuotedLineFile::format(const QStringList &values)
{
    QByteArray out;
    for (const QString &value : values) {
        QByteArray bytes = toAnsi(value);
        bytes.replace(Quote, '\'').replace('\r', ' ').replace('\n', ' ');
        out.append(Quote).append(bytes).append(Quote).append("\r\n");
    }
    return out;
}
