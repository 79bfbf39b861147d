// The caret and the selection.
//
// The match Find selects is kept as two positions and handed to the editor once, when something needs
// the editor's cursor or the event loop runs again. The editor works out caret geometry and repaints for
// every cursor it is given, which would otherwise dominate a pass of thousands of finds.
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "core/text/PlainText.h"
#include "ui/widgets/richtext/RichTextBox.h"

QTextCursor RichTextBox::textCursor() const
{
    showPendingSelection();
    return QTextEdit::textCursor();
}

void RichTextBox::setTextCursor(const QTextCursor &cursor)
{
    m_pending.reset();
    QTextEdit::setTextCursor(cursor);
}

int RichTextBox::SelStart() const
{
    if (m_pending)
        return std::min(m_pending->anchor, m_pending->position);
    return QTextEdit::textCursor().selectionStart();
}

void RichTextBox::setSelStart(int start)
{
    select(clampPosition(start), 0);
}

int RichTextBox::SelLength() const
{
    if (m_pending)
        return std::abs(m_pending->position - m_pending->anchor);
    const QTextCursor cursor = QTextEdit::textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBox::setSelLength(int selLength)
{
    const int start = SelStart();
    select(start, clampPosition(start + std::max(selLength, 0)) - start);
}

QString RichTextBox::SelText() const
{
    if (m_pending)
        return Text().mid(SelStart(), SelLength());
    return PlainText::selectedText(QTextEdit::textCursor());
}

void RichTextBox::setSelText(const QString &text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(PlainText::normaliseLineBreaks(text));
    setTextCursor(cursor);
}

void RichTextBox::select(int start, int selLength)
{
    QTextCursor cursor(document());
    cursor.setPosition(start);
    cursor.setPosition(start + selLength, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void RichTextBox::selectLater(int start, int selLength)
{
    if (!m_pending) {
        const QTextCursor current = QTextEdit::textCursor();
        m_pending = PendingSelection{0, 0, current.anchor(), current.position()};
        m_showPending.start();
    }
    m_pending->anchor = start;
    m_pending->position = start + selLength;
}

void RichTextBox::showPendingSelection() const
{
    if (!m_pending)
        return;
    const PendingSelection pending = *std::exchange(m_pending, std::nullopt);
    const QTextCursor current = QTextEdit::textCursor();
    // Moved meanwhile through QTextEdit's own functions: that move is the newer one.
    if (current.anchor() != pending.editorAnchor || current.position() != pending.editorPosition)
        return;
    QTextCursor cursor(document());
    cursor.setPosition(clampPosition(pending.anchor));
    cursor.setPosition(clampPosition(pending.position), QTextCursor::KeepAnchor);
    const_cast<RichTextBox *>(this)->QTextEdit::setTextCursor(cursor);
}

// Keeps a pending selection on the same characters when the text before it changes.
void RichTextBox::movePendingSelection(int position, int removed, int added)
{
    if (!m_pending)
        return;
    const auto moved = [&](int at) {
        if (at >= position + removed)
            return at + added - removed;
        return std::min(at, position);
    };
    m_pending->anchor = moved(m_pending->anchor);
    m_pending->position = moved(m_pending->position);
    const QTextCursor current = QTextEdit::textCursor();
    m_pending->editorAnchor = current.anchor();
    m_pending->editorPosition = current.position();
}

bool RichTextBox::event(QEvent *event)
{
    showPendingSelection();
    return QTextEdit::event(event);
}

bool RichTextBox::viewportEvent(QEvent *event)
{
    showPendingSelection();
    return QTextEdit::viewportEvent(event);
}
