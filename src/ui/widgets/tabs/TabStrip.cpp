#include "ui/widgets/tabs/TabStrip.h"
#include "ui/widgets/tabs/TabStripAccessible.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>

RowTabBar::RowTabBar(QWidget *parent) : QTabBar(parent)
{
    static const bool accessible = (QAccessible::installFactory(rowTabBarAccessible), true);
    Q_UNUSED(accessible);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setExpanding(false);
    setDrawBase(false);
}

int RowTabBar::availableWidth() const
{
    // The strip decides the bar's width from its height hint, so the hint is taken at the strip's width.
    const QWidget *strip = parentWidget();
    const int width = strip ? strip->width() : this->width();
    return qMax(width, 1);
}

int RowTabBar::rowHeight() const
{
    int height = 0;
    for (int i = 0; i < count(); ++i)
        height = qMax(height, naturalTabSize(i).height());
    return height;
}

QList<QRect> RowTabBar::rowLayout(int width) const
{
    QList<QRect> rects;
    const int height = rowHeight();
    // Fill rows left to right, then spread each row's spare width over its tabs.
    QList<QList<int>> rows;
    int used = 0;
    for (int i = 0; i < count(); ++i) {
        const int w = qMin(naturalTabSize(i).width(), width);
        if (rows.isEmpty() || used + w > width) {
            rows.append(QList<int>());
            used = 0;
        }
        rows.last().append(i);
        used += w;
    }
    rects.resize(count());
    for (int r = 0; r < rows.size(); ++r) {
        const QList<int> &row = rows[r];
        int natural = 0;
        for (int i : row)
            natural += qMin(naturalTabSize(i).width(), width);
        const int spare = qMax(0, width - natural);
        int x = 0;
        for (int k = 0; k < row.size(); ++k) {
            const int i = row[k];
            int w = qMin(naturalTabSize(i).width(), width) + spare / int(row.size());
            if (k == row.size() - 1)
                w = width - x;
            rects[i] = QRect(x, r * height, w, height);
            x += w;
        }
    }
    return rects;
}

QRect RowTabBar::rowTabRect(int index) const
{
    return rowLayout(width()).value(index);
}

int RowTabBar::rowCount() const
{
    const QList<QRect> rects = rowLayout(width());
    int bottom = 0;
    for (const QRect &r : rects)
        bottom = qMax(bottom, r.bottom() + 1);
    return rowHeight() > 0 ? bottom / rowHeight() : 0;
}

QSize RowTabBar::sizeHint() const
{
    const int width = availableWidth();
    int bottom = 0;
    for (const QRect &r : rowLayout(width))
        bottom = qMax(bottom, r.bottom() + 1);
    return {width, bottom};
}

QSize RowTabBar::minimumSizeHint() const
{
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = qMax(widest, naturalTabSize(i).width());
    return {qMin(widest, 120), rowHeight()};
}

void RowTabBar::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const QList<QRect> rects = rowLayout(width());
    // The current tab is drawn last, so its raised edges lie over its neighbours.
    QList<int> order;
    for (int i = 0; i < count(); ++i)
        if (i != currentIndex())
            order.append(i);
    if (currentIndex() >= 0)
        order.append(currentIndex());
    for (int i : order) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        // The base fits the caption to its own single-row layout; here every tab has room for all of it.
        option.rect = rects[i];
        option.text = tabText(i);
        const bool first = i == 0 || rects[i - 1].y() != rects[i].y();
        const bool last = i == count() - 1 || rects[i + 1].y() != rects[i].y();
        option.position = first && last ? QStyleOptionTab::OnlyOneTab
                          : first       ? QStyleOptionTab::Beginning
                          : last        ? QStyleOptionTab::End
                                        : QStyleOptionTab::Middle;
        option.selectedPosition = QStyleOptionTab::NotAdjacent;
        option.state &= ~QStyle::State_MouseOver;
        // The style draws a current tab reaching down to the pane, which here is the next row: keep it in its row.
        painter.setClipRect(rects[i]);
        painter.drawControl(QStyle::CE_TabBarTab, option);
    }
}

void RowTabBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QList<QRect> rects = rowLayout(width());
    for (int i = 0; i < rects.size(); ++i) {
        if (rects[i].contains(event->position().toPoint()) && isTabEnabled(i)) {
            setCurrentIndex(i);
            break;
        }
    }
    event->accept();
}

void RowTabBar::tabInserted(int index)
{
    QTabBar::tabInserted(index);
    updateGeometry();
}

void RowTabBar::tabRemoved(int index)
{
    QTabBar::tabRemoved(index);
    updateGeometry();
}

TabStrip::TabStrip(QWidget *parent) : QTabWidget(parent), m_bar(new RowTabBar(this))
{
    setTabBar(m_bar);
}

int TabStrip::tabRowsHeight() const
{
    return m_bar->sizeHint().height();
}
