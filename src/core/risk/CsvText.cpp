#include "core/risk/CsvText.h"

namespace CsvText {
namespace {

bool looksLikeFormula(const QString &field)
{
    return !field.isEmpty() && QStringLiteral("=+-@\t\r'").contains(field.front());
}

QString written(const QString &field)
{
    const QString text = looksLikeFormula(field) ? u'\'' + field : field;
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString read(QString field)
{
    if (field.startsWith(u'\''))
        field.remove(0, 1);
    return field;
}

} // namespace

QString line(const QStringList &fields)
{
    QStringList parts;
    parts.reserve(fields.size());
    for (const QString &field : fields)
        parts << written(field);
    return parts.join(u',') + QStringLiteral("\r\n");
}

Parsed parse(const QString &text)
{
    Parsed parsed;
    Record record{1, {}};
    QString field;
    bool quoted = false;
    bool touched = false; // the record holds something, even an empty quoted field
    int line = 1;
    int quoteLine = 0;
    auto endField = [&] {
        record.fields << read(field);
        field.clear();
    };
    auto endRecord = [&] {
        endField();
        if (touched || record.fields.size() > 1 || !record.fields.front().trimmed().isEmpty())
            parsed.records.append(record);
        record = {line, {}};
        touched = false;
    };
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < size && text.at(i + 1) == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
            touched = true;
            quoteLine = line;
        } else if (c == u',') {
            endField();
            touched = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
                ++i;
            ++line;
            endRecord();
        } else {
            field += c;
        }
    }
    if (quoted) {
        parsed.unterminatedLine = quoteLine;
        return parsed;
    }
    if (touched || !field.isEmpty())
        endRecord();
    return parsed;
}

} // namespace CsvText
