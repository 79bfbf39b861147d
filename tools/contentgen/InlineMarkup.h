#pragma once

#include <QString>

class QTextCharFormat;
class QTextCursor;

namespace ContentGen {

// Inserts text at the cursor in the given base format, with **bold** and *italic* spans.
// A backslash makes the next character literal (\* is an asterisk). Fails, inserting nothing,
// when a span is left open; the error names the unclosed marker.
bool insertMarkup(QTextCursor &cursor, const QString &text, const QTextCharFormat &base, QString *error);

} // namespace ContentGen
