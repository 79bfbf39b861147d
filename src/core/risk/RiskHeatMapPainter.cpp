#include "core/risk/RiskHeatMapPainter.h"

#include <QPainter>

namespace {

constexpr int steps = RiskScale::Highest;

QString rangeText(RiskScale::Level level)
{
    static const char *ranges[] = {"1-4", "5-9", "10-16", "20-25"};
    return QStringLiteral("%1 (score %2)").arg(RiskScale::levelName(level), QLatin1String(ranges[int(level)]));
}

} // namespace

RiskHeatMapPainter::RiskHeatMapPainter(const QRectF &area) : m_area(area)
{
    const qreal left = area.width() * 0.16;
    const qreal bottom = area.height() * 0.12;
    const qreal legend = area.height() * 0.14;
    const qreal side = qMin(area.width() - left - 4, area.height() - bottom - legend - 4);
    m_grid = QRectF(area.left() + left, area.top() + 2, qMax<qreal>(side, 0), qMax<qreal>(side, 0));
    m_legend = QRectF(area.left(), area.bottom() - legend, area.width(), legend);
}

QColor RiskHeatMapPainter::colour(RiskScale::Level level)
{
    switch (level) {
    case RiskScale::Level::Low: return QColor(0xee, 0xf8, 0xea);
    case RiskScale::Level::Moderate: return QColor(0xf5, 0xcf, 0x4a);
    case RiskScale::Level::High: return QColor(0xd9, 0x73, 0x1a);
    case RiskScale::Level::Critical: return QColor(0x8b, 0x1a, 0x1a);
    }
    return Qt::white;
}

QColor RiskHeatMapPainter::textColour(RiskScale::Level level)
{
    return level == RiskScale::Level::Critical ? Qt::white : Qt::black;
}

QString RiskHeatMapPainter::letter(RiskScale::Level level) { return RiskScale::levelName(level).left(1); }

QRectF RiskHeatMapPainter::cell(int likelihood, int impact) const
{
    const qreal size = m_grid.width() / steps;
    return QRectF(m_grid.left() + (impact - 1) * size, m_grid.top() + (steps - likelihood) * size, size, size);
}

bool RiskHeatMapPainter::cellAt(const QPointF &point, int &likelihood, int &impact) const
{
    if (!m_grid.contains(point) || m_grid.width() <= 0)
        return false;
    const qreal size = m_grid.width() / steps;
    impact = qBound(1, int((point.x() - m_grid.left()) / size) + 1, steps);
    likelihood = qBound(1, steps - int((point.y() - m_grid.top()) / size), steps);
    return true;
}

void RiskHeatMapPainter::paint(QPainter &painter, const RiskHeatCounts &counts, int selectedLikelihood,
                               int selectedImpact) const
{
    painter.save();
    QFont font = painter.font();
    for (int likelihood = 1; likelihood <= steps; ++likelihood)
        for (int impact = 1; impact <= steps; ++impact) {
            const RiskScale::Level level = RiskScale::levelOfScore(RiskScale::score(likelihood, impact));
            const QRectF box = cell(likelihood, impact);
            painter.fillRect(box, colour(level));
            painter.setPen(QPen(Qt::black, 1));
            painter.drawRect(box);
            painter.setPen(textColour(level));
            QFont small = font;
            small.setPixelSize(qMax(6, int(box.height() * 0.16)));
            painter.setFont(small);
            painter.drawText(box.adjusted(3, 2, -3, -2), Qt::AlignLeft | Qt::AlignTop, letter(level));
            QFont large = font;
            large.setPixelSize(qMax(8, int(box.height() * 0.36)));
            large.setBold(true);
            painter.setFont(large);
            if (const int n = counts.count(likelihood, impact); n > 0)
                painter.drawText(box, Qt::AlignCenter, QString::number(n));
            if (likelihood == selectedLikelihood && impact == selectedImpact) {
                painter.setPen(QPen(Qt::black, 4));
                painter.drawRect(box.adjusted(2, 2, -2, -2));
            }
        }
    painter.setFont(font);
    paintAxes(painter);
    paintLegend(painter);
    painter.restore();
}

void RiskHeatMapPainter::paintAxes(QPainter &painter) const
{
    QFont font = painter.font();
    font.setPixelSize(qMax(7, int(m_grid.height() / steps * 0.16)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const qreal gap = 4;
    for (int step = 1; step <= steps; ++step) {
        const QRectF row = cell(step, 1);
        painter.drawText(QRectF(m_area.left(), row.top(), m_grid.left() - m_area.left() - gap, row.height()),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap,
                         QStringLiteral("%1 %2").arg(step).arg(QLatin1String(RiskScale::likelihood(step).word)));
        const QRectF column = cell(1, step);
        painter.drawText(QRectF(column.left(), m_grid.bottom() + gap, column.width(), font.pixelSize() * 2.6),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         QStringLiteral("%1 %2").arg(step).arg(QLatin1String(RiskScale::impact(step).word)));
    }
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRectF(m_area.left(), m_grid.top() - 2, m_grid.left() - m_area.left(), font.pixelSize() * 1.6),
                     Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Likelihood"));
    painter.drawText(QRectF(m_grid.left(), m_grid.bottom() + gap + font.pixelSize() * 2.6, m_grid.width(),
                            font.pixelSize() * 1.6),
                     Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Impact"));
    painter.setFont(font);
}

void RiskHeatMapPainter::paintLegend(QPainter &painter) const
{
    // Two rows of two levels each.
    const qreal width = m_legend.width() / 2;
    const qreal height = m_legend.height() / 2;
    QFont font = painter.font();
    font.setPixelSize(qMax(7, int(qMin(height * 0.45, width * 0.065))));
    painter.setFont(font);
    const qreal swatch = height * 0.75;
    for (int index = 0; index < RiskScale::LevelCount; ++index) {
        const auto level = RiskScale::Level(index);
        const QPointF corner(m_legend.left() + (index % 2) * width, m_legend.top() + (index / 2) * height);
        const QRectF box(corner.x() + 2, corner.y() + (height - swatch) / 2, swatch, swatch);
        painter.fillRect(box, colour(level));
        painter.setPen(Qt::black);
        painter.drawRect(box);
        painter.setPen(textColour(level));
        painter.drawText(box, Qt::AlignCenter, letter(level));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(box.right() + 6, corner.y(), width - swatch - 10, height),
                         Qt::AlignLeft | Qt::AlignVCenter, rangeText(level));
    }
}

QImage RiskHeatMapPainter::image(const RiskHeatCounts &counts, const QSize &size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    RiskHeatMapPainter(QRectF(QPointF(0, 0), QSizeF(size))).paint(painter, counts);
    return picture;
}
