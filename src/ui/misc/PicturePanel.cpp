#include "ui/misc/PicturePanel.h"

#include <QPainter>

PicturePanel::PicturePanel(QWidget *parent) : QFrame(parent), m_backColour(palette().color(QPalette::Window)) {}

void PicturePanel::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PicturePanel::setBackColour(const QColor &colour)
{
    m_backColour = colour;
    update();
}

void PicturePanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_picture.isNull())
        painter.fillRect(rect(), m_backColour);
    else
        painter.drawTiledPixmap(rect(), QPixmap::fromImage(m_picture));
    painter.end();
    QFrame::paintEvent(event);
}
