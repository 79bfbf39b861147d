#include "components/preview/PreviewPageView.h"

#include <QPainter>

PreviewPageView::PreviewPageView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewPageView::setPage(const Preview::Page *page)
{
    m_page = page;
    update();
}

void PreviewPageView::setGuideLines(bool on)
{
    m_guideLines = on;
    update();
}

QRectF PreviewPageView::paperRect() const
{
    const QSizeF room = QSizeF(size()) - QSizeF(2 * desk, 2 * desk);
    if (!m_page || m_page->size.isEmpty() || room.isEmpty())
        return {};
    const QSizeF paper = m_page->size.scaled(room, Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - paper.width()) / 2, (height() - paper.height()) / 2), paper);
}

void PreviewPageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    const QRectF paper = paperRect();
    if (paper.isEmpty())
        return;
    painter.fillRect(paper.translated(3, 3), QColor(0, 0, 0, 90));
    painter.fillRect(paper, Qt::white);
    painter.save();
    painter.setClipRect(paper);
    painter.translate(paper.topLeft());
    painter.scale(paper.width() / m_page->size.width(), paper.height() / m_page->size.height());
    Preview::paintPage(painter, *m_page);
    painter.restore();
    if (m_guideLines)
        paintGuideLines(painter, paper);
}

void PreviewPageView::paintGuideLines(QPainter &painter, const QRectF &paper) const
{
    const qreal scale = paper.width() / m_page->size.width();
    const QMarginsF &m = m_page->margins;
    const qreal left = paper.left() + m.left() * scale;
    const qreal right = paper.right() - m.right() * scale;
    const qreal top = paper.top() + m.top() * scale;
    const qreal bottom = paper.bottom() - m.bottom() * scale;
    QPen pen(QColor(0, 0, 160), 1, Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawLine(QLineF(left, paper.top(), left, paper.bottom()));
    painter.drawLine(QLineF(right, paper.top(), right, paper.bottom()));
    painter.drawLine(QLineF(paper.left(), top, paper.right(), top));
    painter.drawLine(QLineF(paper.left(), bottom, paper.right(), bottom));
}
