#include "ui/risk/RiskHeatMapView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/risk/RiskHeatMapPainter.h"

RiskHeatMapView::RiskHeatMapView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("heatMap"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(260, 280);
    setAccessibleName(QStringLiteral("Heat map"));
    describe();
}

void RiskHeatMapView::setCounts(const RiskHeatCounts &counts)
{
    m_counts = counts;
    describe();
    update();
}

void RiskHeatMapView::setSelected(int likelihood, int impact)
{
    m_likelihood = RiskScale::isRating(likelihood) && RiskScale::isRating(impact) ? likelihood : 0;
    m_impact = m_likelihood ? impact : 0;
    describe();
    update();
}

QPoint RiskHeatMapView::cellCentre(int likelihood, int impact) const
{
    return RiskHeatMapPainter(QRectF(rect())).cell(likelihood, impact).center().toPoint();
}

void RiskHeatMapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setRenderHint(QPainter::Antialiasing);
    const RiskHeatMapPainter map{QRectF(rect())};
    map.paint(painter, m_counts, m_likelihood, m_impact);
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 2, Qt::DashLine));
        painter.drawRect(map.cell(m_cursorLikelihood, m_cursorImpact).adjusted(5, 5, -5, -5));
    }
}

void RiskHeatMapView::mousePressEvent(QMouseEvent *event)
{
    int likelihood = 0, impact = 0;
    if (event->button() == Qt::LeftButton &&
        RiskHeatMapPainter(QRectF(rect())).cellAt(event->position(), likelihood, impact)) {
        m_cursorLikelihood = likelihood;
        m_cursorImpact = impact;
        choose(likelihood, impact);
    }
}

void RiskHeatMapView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up: m_cursorLikelihood = qMin(5, m_cursorLikelihood + 1); break;
    case Qt::Key_Down: m_cursorLikelihood = qMax(1, m_cursorLikelihood - 1); break;
    case Qt::Key_Right: m_cursorImpact = qMin(5, m_cursorImpact + 1); break;
    case Qt::Key_Left: m_cursorImpact = qMax(1, m_cursorImpact - 1); break;
    case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Space: choose(m_cursorLikelihood, m_cursorImpact); return;
    case Qt::Key_Escape:
        if (m_likelihood) {
            choose(m_likelihood, m_impact);
            return;
        }
        QWidget::keyPressEvent(event);
        return;
    default: QWidget::keyPressEvent(event); return;
    }
    describe();
    update();
}

void RiskHeatMapView::choose(int likelihood, int impact)
{
    const bool same = likelihood == m_likelihood && impact == m_impact;
    setSelected(same ? 0 : likelihood, same ? 0 : impact);
    emit cellChosen(m_likelihood, m_impact);
}

void RiskHeatMapView::describe()
{
    const int l = m_cursorLikelihood, i = m_cursorImpact;
    setAccessibleDescription(QStringLiteral("Likelihood %1, impact %2: %3 risks, %4.%5")
                                 .arg(l)
                                 .arg(i)
                                 .arg(m_counts.count(l, i))
                                 .arg(RiskScale::levelName(RiskScale::levelOfScore(l * i)))
                                 .arg(m_likelihood ? QStringLiteral(" The register shows this cell only.")
                                                   : QString()));
    setToolTip(QStringLiteral("Click a cell to show only its risks; click it again to show all."));
}
