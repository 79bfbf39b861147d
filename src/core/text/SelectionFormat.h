#pragma once

#include <QColor>
#include <QFont>
#include <QTextCharFormat>
#include <optional>

class QTextCursor;

// Reading the character and paragraph format of a selection.
namespace SelectionFormat {

// The format that describes the cursor's selection: that of the first selected character, so a
// selection of mixed formats reads as its start. Without a selection: the format that text typed at
// the cursor gets.
QTextCharFormat charFormat(const QTextCursor &cursor);

// The font a character of `format` shows in, properties it does not set taken from `base`.
QFont font(const QTextCharFormat &format, const QFont &base);

// The text colour of `format`, or `fallback` when it sets none.
QColor colour(const QTextCharFormat &format, const QColor &fallback);

// Paragraph alignment codes: 0 left, 1 right, 2 centre. Justified paragraphs read as left.
int alignmentCode(Qt::Alignment alignment);
std::optional<Qt::Alignment> alignmentForCode(int code);

} // namespace SelectionFormat
