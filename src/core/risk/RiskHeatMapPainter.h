#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

#include "core/risk/RiskFilter.h"

class QPainter;

// Draws the 5 by 5 heat map: likelihood upwards, impact to the right, each cell coloured by its level
// with the count of its risks, the axes named, and a legend under it. The colours differ in lightness and
// every cell carries its level's letter, so the map reads the same in grey print.
class RiskHeatMapPainter
{
public:
    explicit RiskHeatMapPainter(const QRectF &area);

    static QColor colour(RiskScale::Level level);
    static QColor textColour(RiskScale::Level level);
    static QString letter(RiskScale::Level level);

    // The cell of a rating; the cell under a point (false outside the grid).
    QRectF cell(int likelihood, int impact) const;
    bool cellAt(const QPointF &point, int &likelihood, int &impact) const;

    // `selectedLikelihood` 0 when no cell is selected.
    void paint(QPainter &painter, const RiskHeatCounts &counts, int selectedLikelihood = 0,
               int selectedImpact = 0) const;

    // The map on white, for a report.
    static QImage image(const RiskHeatCounts &counts, const QSize &size);

private:
    void paintAxes(QPainter &painter) const;
    void paintLegend(QPainter &painter) const;

    QRectF m_area;
    QRectF m_grid;
    QRectF m_legend;
};
