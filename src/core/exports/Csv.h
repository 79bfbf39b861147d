#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include "core/files/Outcome.h"

// Comma-separated values as RFC 4180 has them, in UTF-8 behind a byte-order mark so that spreadsheet
// programs read every character (the "§" too): fields holding a comma, a quote or a line end are quoted
// with quotes doubled, and every record ends with CR LF. A field a spreadsheet would take for a formula
// (starting with = + - @, a tab or a CR) is written after an apostrophe, and so is one starting with an
// apostrophe; reading drops one leading apostrophe, so text goes through unchanged.
namespace Csv {

// One record: its fields written as above, ending with CR LF.
QString line(const QStringList &fields);
// A field as read: one leading apostrophe dropped.
QString unguarded(QString field);

QByteArray encode(const QList<QStringList> &rows);
// Reads what encode() writes (and any RFC 4180 text, with or without the mark); fails on a quote left
// open or text after a closing quote.
[[nodiscard]] Result<QList<QStringList>> decode(const QByteArray &bytes);
// Writes the rows as the whole new content of `path`.
[[nodiscard]] Outcome save(const QString &path, const QList<QStringList> &rows);

} // namespace Csv
