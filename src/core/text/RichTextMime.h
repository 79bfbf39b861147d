#pragma once

#include <QByteArray>
#include <QTextDocumentFragment>
#include <optional>

class QMimeData;
class QTextDocument;

// Rich text on the clipboard and in drag and drop: RTF beside Qt's own HTML and plain text.
namespace RichTextMime {

// Adds `rtf` under the RTF clipboard formats.
void addRtf(QMimeData &mime, const QByteArray &rtf);
bool hasRtf(const QMimeData &mime);
// Whether a paste or drop of `mime` inserts anything (see fragment()).
bool hasInsertable(const QMimeData &mime);

// The formatted text of an RTF block; nothing when it is not RTF.
std::optional<QTextDocumentFragment> fragmentFromRtf(const QByteArray &rtf);

// What a paste of `mime` inserts: its RTF, else its HTML, else its plain text (line breaks
// normalised). Nothing when it holds none of these (an image, dropped files).
// `resources` resolves images named in HTML; may be null.
std::optional<QTextDocumentFragment> fragment(const QMimeData &mime, const QTextDocument *resources);

} // namespace RichTextMime
