#include "ui/widgets/richtext/RichTextBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "core/text/TextDecorations.h"

// Qt draws the text; list markers (numbered from the list's start) and tab leaders go on top of it.
void RichTextBox::paintEvent(QPaintEvent *event)
{
    QTextEdit::paintEvent(event);
    const QPointF scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QList<TextDecorations::Mark> marks =
        TextDecorations::marks(*document(), QRectF(event->rect()).translated(scrolled));
    if (marks.isEmpty())
        return;
    QPainter painter(viewport());
    painter.translate(-scrolled);
    for (const TextDecorations::Mark &mark : marks) {
        painter.setFont(mark.font);
        painter.setPen(mark.colour.isValid() ? mark.colour : palette().color(QPalette::Text));
        painter.drawText(mark.baseline, mark.text);
    }
}
