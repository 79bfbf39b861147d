// What the user does in the box: keys, mouse, focus, paste and drop, within the maximum length.
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <climits>

#include "ui/widgets/richtext/RichTextBox.h"
#include "core/text/RichTextMime.h"

namespace {

// The first `count` characters of `text`, never ending in half a surrogate pair.
QString leftWhole(const QString &text, int count)
{
    if (count > 0 && count < text.size() && text[count - 1].isHighSurrogate())
        --count;
    return text.left(std::max(count, 0));
}

} // namespace

void RichTextBox::setLocked(bool locked)
{
    setReadOnly(locked);
    if (locked)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

int RichTextBox::roomForInput() const
{
    if (m_maxLength <= 0)
        return INT_MAX;
    return std::max(m_maxLength - (length() - SelLength()), 0);
}

// How many characters the key press would insert.
int RichTextBox::typedLength(const QKeyEvent &event) const
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return 1;
    const QString text = event.text();
    if (text.isEmpty() || !(text.front().isPrint() || text.front() == u'\t'))
        return 0;
    return int(text.size());
}

void RichTextBox::keyPressEvent(QKeyEvent *event)
{
    m_keySwallowed = false;
    emit KeyDown(event->key(), event->modifiers());
    const bool swallowed = std::exchange(m_keySwallowed, false);
    if (swallowed || (!isReadOnly() && typedLength(*event) > roomForInput())) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void RichTextBox::inputMethodEvent(QInputMethodEvent *event)
{
    const int room = roomForInput();
    if (isReadOnly() || event->commitString().size() <= room) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent limited(event->preeditString(), event->attributes());
    limited.setCommitString(leftWhole(event->commitString(), room), event->replacementStart(),
                            event->replacementLength());
    QTextEdit::inputMethodEvent(&limited);
}

void RichTextBox::mousePressEvent(QMouseEvent *event)
{
    m_leftPressed = event->button() == Qt::LeftButton;
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent *event)
{
    QTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && std::exchange(m_leftPressed, false))
        emit Click();
    emit MouseUp(event->button(), event->modifiers(), event->position().toPoint());
}

// The windows pop up their own menus on the mouse-up notification.
void RichTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
}

void RichTextBox::focusInEvent(QFocusEvent *event)
{
    QTextEdit::focusInEvent(event);
    emit GotFocus();
}

void RichTextBox::focusOutEvent(QFocusEvent *event)
{
    QTextEdit::focusOutEvent(event);
    emit LostFocus();
}

void RichTextBox::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applySelectionPalette();
}

QMimeData *RichTextBox::createMimeDataFromSelection() const
{
    const QTextDocumentFragment selection = textCursor().selection();
    auto *mime = new QMimeData;
    mime->setText(selection.toPlainText());
    mime->setHtml(selection.toHtml());
    RichTextMime::addRtf(*mime, SelRTF());
    return mime;
}

bool RichTextBox::canInsertFromMimeData(const QMimeData *source) const
{
    return source && RichTextMime::hasInsertable(*source);
}

void RichTextBox::insertFromMimeData(const QMimeData *source)
{
    if (!source || isReadOnly())
        return;
    if (const auto fragment = RichTextMime::fragment(*source, document()))
        insertLimited(*fragment);
}

// Inserts in place of the selection; what would pass the maximum length is cut off, as plain text.
void RichTextBox::insertLimited(const QTextDocumentFragment &fragment)
{
    const QString plain = fragment.toPlainText();
    const int room = roomForInput();
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    if (plain.size() <= room)
        cursor.insertFragment(fragment);
    else
        cursor.insertText(leftWhole(plain, room));
    cursor.endEditBlock();
    setTextCursor(cursor);
}
