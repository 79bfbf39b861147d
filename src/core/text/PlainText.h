#pragma once

#include <QString>

class QTextCursor;

// Plain-text views of a QTextDocument in which every document position is one character: a paragraph
// break, a line break and a frame boundary each read as "\n", so positions agree with
// QTextDocument::toPlainText() and with QTextCursor positions.
namespace PlainText {

// CR LF and lone CR become LF, so that assigned text gives one paragraph per line.
QString normaliseLineBreaks(const QString &text);

// `text` without leading and trailing blanks; other white space stays.
QString trimmedBlanks(const QString &text);

// The selected characters of `cursor`, with the same one-character line breaks.
QString selectedText(const QTextCursor &cursor);

// Replaces the document's separator characters by "\n" and no-break spaces by " ", in place.
void mapDocumentCharacters(QString &text);

} // namespace PlainText
