#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated text read record by record with the line each starts on, for naming a bad line; the
// fields as Csv writes them (its leading apostrophe dropped).
namespace CsvText {

struct Record {
    int line = 0; // the line the record starts on, from 1
    QStringList fields;
};

struct Parsed {
    QList<Record> records; // blank lines are left out
    int unterminatedLine = 0; // the line of a quoted field that never ends; 0 when none
};

Parsed parse(const QString &text);

} // namespace CsvText
