#include "ui/home/StatusBarGraph.h"

#include <QMouseEvent>
#include <QPainter>

StatusBarGraph::StatusBarGraph(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void StatusBarGraph::setParts(const QList<std::pair<QString, int>> &parts)
{
    m_parts = parts;
    QStringList key;
    for (const auto &[name, count] : parts)
        key.append(QStringLiteral("%1: %2").arg(name).arg(count));
    setToolTip(key.join(u'\n'));
    setAccessibleDescription(key.join(QStringLiteral(", ")));
    update();
}

QColor StatusBarGraph::colour(const QString &status)
{
    if (status == QLatin1String("Completed"))
        return QColor(0x3c, 0x9a, 0x4a);
    if (status == QLatin1String("Working"))
        return QColor(0x3d, 0x7e, 0xc9);
    if (status == QLatin1String("Review"))
        return QColor(0xd8, 0x9b, 0x26);
    if (status == QLatin1String("Pending"))
        return QColor(0xc8, 0x5a, 0x4e);
    return QColor(0xd4, 0xd4, 0xd4);
}

QSize StatusBarGraph::sizeHint() const
{
    return {240, fontMetrics().height() + 6};
}

void StatusBarGraph::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF bar = QRectF(rect()).adjusted(0.5, 2.5, -0.5, -2.5);
    int total = 0;
    for (const auto &part : std::as_const(m_parts))
        total += part.second;
    qreal x = bar.left();
    for (const auto &[name, count] : std::as_const(m_parts)) {
        if (total == 0 || count == 0)
            continue;
        const qreal width = bar.width() * count / total;
        painter.fillRect(QRectF(x, bar.top(), width, bar.height()), colour(name));
        x += width;
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(bar);
}

void StatusBarGraph::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
