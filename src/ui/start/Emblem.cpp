#include "ui/start/Emblem.h"

#include <QPainter>
#include <QPainterPath>

QPixmap emblem(int size, const QColor &colour)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    const qreal s = size;
    shield.moveTo(s * 0.5, s * 0.06);
    shield.lineTo(s * 0.88, s * 0.2);
    shield.cubicTo(s * 0.88, s * 0.62, s * 0.7, s * 0.82, s * 0.5, s * 0.95);
    shield.cubicTo(s * 0.3, s * 0.82, s * 0.12, s * 0.62, s * 0.12, s * 0.2);
    shield.closeSubpath();
    p.setPen(QPen(colour.darker(160), s * 0.04));
    p.setBrush(colour);
    p.drawPath(shield);
    p.setPen(QPen(Qt::white, s * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(s * 0.32, s * 0.5), QPointF(s * 0.46, s * 0.64), QPointF(s * 0.7, s * 0.36)}));
    return pixmap;
}
