#include "ui/widgets/richtext/RichTextBox.h"

#include "core/files/FileLimits.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>
#include <memory>

#include "ui/widgets/Dialogs.h"
#include "core/files/WorkbookAccess.h"
#include "core/text/PlainText.h"
#include "core/text/RichTextMime.h"
#include "core/text/TextDecorations.h"
#include "core/rtf/Rtf.h"

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent)
{
    connect(this, &QTextEdit::textChanged, this, &RichTextBox::Change);
    m_showPending.setSingleShot(true);
    m_showPending.setInterval(0);
    connect(&m_showPending, &QTimer::timeout, this, &RichTextBox::showPendingSelection);
    watchDocument();
    applySelectionPalette();
}

// ---- files and formatted content

bool RichTextBox::LoadFile(const QString &path, QString *error, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists())
            WorkbookAccess::current().recordMissing(path);
        if (error)
            *error = QStringLiteral("Cannot open %1: %2").arg(path, file.errorString());
        return false;
    }
    if (maxBytes > 0 && file.size() > maxBytes) {
        if (error)
            *error =
                QStringLiteral("%1 is larger than the %2 it may hold").arg(path, FileLimits::sizeText(maxBytes));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    WorkbookAccess::current().recordRead(path, bytes);
    const Rtf::ReadResult result = replaceWithRtf(bytes);
    if (!result.ok) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, result.error);
        return false;
    }
    if (result.simplified)
        tellSimplified(path);
    return true;
}

// Once a run for each file: its text is all there, but not all of its formatting.
void RichTextBox::tellSimplified(const QString &path)
{
    static QSet<QString> told;
    const QFileInfo file(path);
    if (told.contains(file.absoluteFilePath()))
        return;
    told.insert(file.absoluteFilePath());
    Dialogs::current().messageBox(
        QStringLiteral("%1 holds longer paragraphs or more changes of format than can be shown quickly, so its "
                       "formatting was simplified: long paragraphs are split and some changes of format are "
                       "left out. All of its text is kept.")
            .arg(file.fileName()),
        Dialogs::OkOnly | Dialogs::Information, QCoreApplication::applicationName());
}

WriteResult RichTextBox::SaveFile(const QString &path, qint64 maxBytes) const
{
    const QByteArray rtf = TextRTF();
    if (maxBytes > 0 && rtf.size() > maxBytes)
        return {false, QStringLiteral("Unable to write %1: it would take %2, more than the %3 it may hold.")
                           .arg(QFileInfo(path).fileName(), FileLimits::sizeText(rtf.size()),
                                FileLimits::sizeText(maxBytes))};
    return replaceReadFile(path, rtf);
}

// The content is read into a document of its own, which then replaces the box's: input that fails leaves
// the box and its undo history alone, and the editor lays a new document out lazily, a screen at a time,
// where text inserted into its current document would be laid out all at once.
Rtf::ReadResult RichTextBox::replaceWithRtf(const QByteArray &rtf)
{
    QTextDocument *current = document();
    auto loaded = std::make_unique<QTextDocument>(this);
    loaded->setUndoRedoEnabled(false);
    loaded->setDefaultFont(current->defaultFont());
    const Rtf::ReadResult result = Rtf::read(rtf, *loaded);
    if (!result.ok)
        return result;
    TextDecorations::takeOverListMarkers(*loaded);
    loaded->setDocumentMargin(current->documentMargin());
    loaded->setIndentWidth(current->indentWidth());
    loaded->setUseDesignMetrics(current->useDesignMetrics());
    loaded->setDefaultTextOption(current->defaultTextOption());
    loaded->setDefaultCursorMoveStyle(current->defaultCursorMoveStyle());
    loaded->setUndoRedoEnabled(current->isUndoRedoEnabled());

    const bool ownCurrent = current->parent() == this; // else QTextEdit deletes it or someone else owns it
    m_pending.reset();
    setDocument(loaded.release());
    if (ownCurrent)
        delete current;
    watchDocument();
    return result;
}

QByteArray RichTextBox::TextRTF() const
{
    return Rtf::write(*document());
}

bool RichTextBox::setTextRTF(const QByteArray &rtf)
{
    return replaceWithRtf(rtf).ok;
}

// Written from a document of its own, so that text without a font of its own keeps the box's base font
// and a selection starting inside a paragraph keeps that paragraph's format.
QByteArray RichTextBox::SelRTF() const
{
    const QTextCursor source = textCursor();
    QTextDocument selection;
    selection.setUndoRedoEnabled(false);
    selection.setDefaultFont(document()->defaultFont());
    QTextCursor target(&selection);
    target.insertFragment(source.selection());
    target.movePosition(QTextCursor::Start);
    target.setBlockFormat(document()->findBlock(source.selectionStart()).blockFormat());
    return Rtf::write(selection);
}

bool RichTextBox::setSelRTF(const QByteArray &rtf)
{
    const auto fragment = RichTextMime::fragmentFromRtf(rtf);
    if (!fragment)
        return false;
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.insertFragment(*fragment);
    cursor.endEditBlock();
    setTextCursor(cursor);
    return true;
}

// ---- plain text

int RichTextBox::length() const
{
    return document()->characterCount() - 1;
}

int RichTextBox::clampPosition(int position) const
{
    return std::clamp(position, 0, length());
}

QString RichTextBox::Text() const
{
    return finder().text();
}

void RichTextBox::setText(const QString &text)
{
    QTextCursor caret = textCursor();
    caret.clearSelection();
    caret.setCharFormat(QTextCharFormat());
    setTextCursor(caret);
    setPlainText(PlainText::normaliseLineBreaks(text));
}

// ---- find

int RichTextBox::Find(const QString &text, int start, int end, int options)
{
    const QString needle = PlainText::normaliseLineBreaks(text);
    const int found = finder().find(needle, start, end, (options & FindWholeWord) != 0);
    if (found >= 0)
        selectLater(found, int(needle.size()));
    return found;
}

const TextFinder &RichTextBox::finder() const
{
    if (document() != m_watched)
        const_cast<RichTextBox *>(this)->watchDocument();
    if (m_textStale) {
        m_finder.setText(document()->toPlainText());
        m_textStale = false;
    }
    return m_finder;
}

void RichTextBox::watchDocument()
{
    if (m_watched)
        disconnect(m_watched, &QTextDocument::contentsChange, this, nullptr);
    m_watched = document();
    m_textStale = true;
    connect(m_watched, &QTextDocument::contentsChange, this, &RichTextBox::noteContentsChange);
}

// A change of format alone keeps the cached text; anything else drops it.
void RichTextBox::noteContentsChange(int position, int removed, int added)
{
    movePendingSelection(position, removed, added);
    if (m_textStale)
        return;
    const QString &cached = m_finder.text();
    if (removed != added || position + added > cached.size() + 1) {
        m_textStale = true;
        return;
    }
    const int end = std::min(position + added, int(cached.size()));
    QTextCursor range(document());
    range.setPosition(position);
    range.setPosition(end, QTextCursor::KeepAnchor);
    if (PlainText::selectedText(range) != QStringView(cached).mid(position, end - position))
        m_textStale = true;
}
