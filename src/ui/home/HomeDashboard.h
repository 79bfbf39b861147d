#pragma once

#include <QFrame>
#include <QList>

#include "core/home/DashboardModel.h"

class QGridLayout;
class QPushButton;

// The Home page's figures: a bar per category with its note, then every other figure as a button. Each
// figure, clicked or chosen with its button, emits placeChosen() with where it leads.
class HomeDashboard : public QFrame
{
    Q_OBJECT

public:
    explicit HomeDashboard(QWidget *parent = nullptr);

    void showFigures(const QList<FigureGroup> &groups);
    const QList<FigureGroup> &groups() const { return m_groups; }
    // The button of the figure with that caption, for keyboard use and tests; null when none.
    QPushButton *figureButton(const QString &caption) const;

    QPushButton *printButton = nullptr;

signals:
    void placeChosen(const Place &place);
    void printRequested();

private:
    void clear();
    void addBar(const Figure &figure, int row);
    void addCount(const Figure &figure, int row);
    // The colour of each status the bars above are split by, under them.
    void addLegend(const Figure &bar, int row);

    QGridLayout *m_grid = nullptr;
    QList<FigureGroup> m_groups;
    QList<QWidget *> m_parts;
};
