#include "core/risk/CsvText.h"

#include "core/exports/Csv.h"

namespace CsvText {

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
        record.fields << Csv::unguarded(field);
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
