#include "core/rtf/Rtf.h"

#include "core/rtf/RtfPaper.h"
#include "core/rtf/RtfReader.h"
#include "core/rtf/RtfWriter.h"

#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace Rtf {

namespace {

std::string_view viewOf(const QByteArray &bytes)
{
    return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

ReadResult notRtf() { return {false, QStringLiteral("The text is not in RTF format.")}; }

} // namespace

ReadResult read(const QByteArray &rtf, QTextDocument &document)
{
    Reader reader(viewOf(rtf));
    if (!reader.read())
        return notRtf();
    const bool undoRedo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    reader.insertInto(cursor, true);
    setDocumentInfo(document, reader.info());
    setPaperSize(document, reader.paper());
    document.setUndoRedoEnabled(undoRedo);
    return {true, {}, reader.simplified()};
}

ReadResult insert(const QByteArray &rtf, QTextCursor &cursor)
{
    Reader reader(viewOf(rtf));
    if (!reader.read())
        return notRtf();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    reader.insertInto(cursor, cursor.block().length() <= 1);
    cursor.endEditBlock();
    return {true, {}, reader.simplified()};
}

QByteArray write(const QTextDocument &document) { return Writer(document).write(); }

QByteArray write(const QTextDocumentFragment &fragment) { return write(fragment, QTextDocument().defaultFont()); }

QByteArray write(const QTextDocumentFragment &fragment, const QFont &baseFont)
{
    QTextDocument document;
    document.setDefaultFont(baseFont);
    QTextCursor(&document).insertFragment(fragment);
    return write(document);
}

} // namespace Rtf
