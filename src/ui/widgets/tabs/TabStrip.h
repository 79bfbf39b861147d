#pragma once

#include <QList>
#include <QRect>
#include <QTabBar>
#include <QTabWidget>

// A tab bar that shows every tab, in as many rows as the width needs, each row filling the width. No tab is
// ever hidden behind scroll arrows or cut short.
class RowTabBar : public QTabBar
{
    Q_OBJECT

public:
    explicit RowTabBar(QWidget *parent = nullptr);

    // Where tab `index` lies in a bar `width` pixels wide; the rows from top to bottom.
    QList<QRect> rowLayout(int width) const;
    QRect rowTabRect(int index) const;
    int rowCount() const;
    // The size the tab's caption needs, which its place in a row never goes below (unless wider than the bar).
    QSize naturalTabSize(int index) const { return QTabBar::tabSizeHint(index); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void tabInserted(int index) override;
    void tabRemoved(int index) override;

private:
    int availableWidth() const;
    int rowHeight() const;
};

// A tab widget whose tab rows show every tab; the pages lie below the last row.
class TabStrip : public QTabWidget
{
    Q_OBJECT

public:
    explicit TabStrip(QWidget *parent = nullptr);

    RowTabBar *rowTabBar() const { return m_bar; }
    // Height of the band of tab rows at the strip's current width.
    int tabRowsHeight() const;

private:
    RowTabBar *m_bar;
};
