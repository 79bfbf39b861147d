#include "ui/misc/WebLinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

WebLinkLabel::WebLinkLabel(const QString &caption, const QString &address, QWidget *parent)
    : QLabel(caption, parent)
{
    // Plain text: a caption such as "Medicare & Medicaid" shows as written.
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(address);
    setAccessibleName(caption);
    setAccessibleDescription(QStringLiteral("Web link to %1").arg(address));
    showFocus(false);
}

void WebLinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void WebLinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void WebLinkLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    showFocus(true);
}

void WebLinkLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    showFocus(false);
}

void WebLinkLabel::showFocus(bool focused)
{
    // Link blue and underlined; a dotted frame marks the focused link.
    setStyleSheet(QStringLiteral("QLabel { color: #0033cc; text-decoration: underline; padding: 1px 3px;"
                                 " border: 1px %1; }")
                      .arg(focused ? QStringLiteral("dotted #0033cc") : QStringLiteral("solid transparent")));
}
