#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated text: fields quoted when they hold a comma, a quote or a line break; records end in
// CR LF. A field a spreadsheet would take for a formula (starting with = + - @, a tab or a CR) is written
// after an apostrophe, and so is a field starting with one; reading drops one leading apostrophe, so text
// goes through unchanged.
namespace CsvText {

struct Record {
    int line = 0; // the line the record starts on, from 1
    QStringList fields;
};

struct Parsed {
    QList<Record> records; // blank lines are left out
    int unterminatedLine = 0; // the line of a quoted field that never ends; 0 when none
};

QString line(const QStringList &fields);
Parsed parse(const QString &text);

} // namespace CsvText
