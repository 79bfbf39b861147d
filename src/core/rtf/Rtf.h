#pragma once
#include <QByteArray>
#include <QString>
class QFont; class QTextDocument; class QTextCursor; class QTextDocumentFragment;
namespace Rtf {
struct ReadResult {
    bool ok = false;
    QString error;
    // Every character was read, but paragraphs were split or format changes dropped to keep the text
    // quick to lay out.
    bool simplified = false;
};
// Replaces the document's content with the RTF's formatted text. Input that is not RTF fails and leaves the document as it was.
ReadResult read(const QByteArray &rtf, QTextDocument &document);
// Inserts the RTF's formatted text at the cursor (pasting a selection's RTF into another box, appending a block).
ReadResult insert(const QByteArray &rtf, QTextCursor &cursor);
// RTF 1.x with font table and colour table of the whole document, or of a selection.
QByteArray write(const QTextDocument &document);
QByteArray write(const QTextDocumentFragment &fragment);
// A selection whose text without a font of its own is in baseFont (the box's font).
QByteArray write(const QTextDocumentFragment &fragment, const QFont &baseFont);
}
