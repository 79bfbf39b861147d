#include "core/text/RichTextMime.h"

#include <QMimeData>
#include <QStringList>
#include <QTextDocument>

#include "core/text/PlainText.h"
#include "core/text/TextDecorations.h"
#include "core/rtf/Rtf.h"

namespace RichTextMime {
namespace {

const QStringList &rtfFormats()
{
    static const QStringList formats{QStringLiteral("text/rtf"), QStringLiteral("application/rtf"),
                                     QStringLiteral("text/richtext")};
    return formats;
}

// Plain text of its own: not the file names of dropped files, which Qt also offers as text.
bool hasOwnText(const QMimeData &mime)
{
    if (mime.hasUrls() && !mime.hasFormat(QStringLiteral("text/plain")))
        return false;
    return mime.hasText() && !mime.text().isEmpty();
}

} // namespace

void addRtf(QMimeData &mime, const QByteArray &rtf)
{
    mime.setData(rtfFormats().first(), rtf);
    mime.setData(rtfFormats().at(1), rtf);
}

bool hasRtf(const QMimeData &mime)
{
    for (const QString &format : rtfFormats()) {
        if (mime.hasFormat(format))
            return true;
    }
    return false;
}

bool hasInsertable(const QMimeData &mime)
{
    return hasRtf(mime) || mime.hasHtml() || hasOwnText(mime);
}

std::optional<QTextDocumentFragment> fragmentFromRtf(const QByteArray &rtf)
{
    QTextDocument document;
    document.setUndoRedoEnabled(false);
    if (!Rtf::read(rtf, document).ok)
        return std::nullopt;
    TextDecorations::takeOverListMarkers(document);
    return QTextDocumentFragment(&document);
}

std::optional<QTextDocumentFragment> fragment(const QMimeData &mime, const QTextDocument *resources)
{
    for (const QString &format : rtfFormats()) {
        if (mime.hasFormat(format)) {
            if (auto rtf = fragmentFromRtf(mime.data(format)))
                return rtf;
        }
    }
    if (mime.hasHtml())
        return QTextDocumentFragment::fromHtml(mime.html(), resources);
    if (hasOwnText(mime))
        return QTextDocumentFragment::fromPlainText(PlainText::normaliseLineBreaks(mime.text()));
    return std::nullopt;
}

} // namespace RichTextMime
