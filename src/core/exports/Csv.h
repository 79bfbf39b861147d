#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include "core/files/Outcome.h"

// Comma-separated values as RFC 4180 has them, in UTF-8 behind a byte-order mark so that spreadsheet
// programs read every character (the "§" too): fields holding a comma, a quote or a line end are quoted
// with quotes doubled, and every record ends with CR LF.
namespace Csv {

QByteArray encode(const QList<QStringList> &rows);
// Reads what encode() writes (and any RFC 4180 text, with or without the mark); fails on a quote left
// open or text after a closing quote.
[[nodiscard]] Result<QList<QStringList>> decode(const QByteArray &bytes);
// Writes the rows as the whole new content of `path`.
[[nodiscard]] Outcome save(const QString &path, const QList<QStringList> &rows);

} // namespace Csv
