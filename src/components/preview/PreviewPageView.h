#pragma once

#include <QWidget>

#include "components/preview/PreviewPage.h"

// Paints one page of a preview document, as large as fits the widget, on a grey desk; optionally with
// dotted guide lines at the page's margins (on screen only).
class PreviewPageView : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewPageView(QWidget *parent = nullptr);

    // Null shows the empty desk. The page must outlive its display.
    void setPage(const Preview::Page *page);
    void setGuideLines(bool on);
    // Room kept around the page, in pixels.
    static constexpr int desk = 12;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF paperRect() const;
    void paintGuideLines(QPainter &painter, const QRectF &paper) const;

    const Preview::Page *m_page = nullptr;
    bool m_guideLines = false;
};
