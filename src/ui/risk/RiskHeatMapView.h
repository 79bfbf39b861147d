#pragma once

#include <QWidget>

#include "core/risk/RiskFilter.h"

// The heat map on screen. A click on a cell, or Enter on the cell the arrow keys moved to, selects it;
// the same again or Esc clears it.
class RiskHeatMapView : public QWidget
{
    Q_OBJECT

public:
    explicit RiskHeatMapView(QWidget *parent = nullptr);

    void setCounts(const RiskHeatCounts &counts);
    const RiskHeatCounts &counts() const { return m_counts; }
    // 0, 0 when no cell is selected.
    void setSelected(int likelihood, int impact);
    int selectedLikelihood() const { return m_likelihood; }
    int selectedImpact() const { return m_impact; }
    // The centre of a cell, for a click.
    QPoint cellCentre(int likelihood, int impact) const;

    QSize sizeHint() const override { return {360, 380}; }

signals:
    void cellChosen(int likelihood, int impact);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void choose(int likelihood, int impact);
    void describe();

    RiskHeatCounts m_counts;
    int m_likelihood = 0;
    int m_impact = 0;
    int m_cursorLikelihood = 5;
    int m_cursorImpact = 5;
};
