#include "components/preview/PreviewPageView.h"

#include <QPainter>

#include "components/preview/PreviewDocument.h"

PreviewPageView::PreviewPageView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewPageView::setPage(const PreviewDocument *document, int index)
{
    m_document = document;
    m_index = index;
    update();
}

const Preview::Page *PreviewPageView::page() const
{
    if (!m_document || m_index < 0 || m_index >= m_document->pageCount())
        return nullptr;
    return &m_document->page(m_index);
}

void PreviewPageView::setGuideLines(bool on)
{
    m_guideLines = on;
    update();
}

QRectF PreviewPageView::paperRect(const Preview::Page &page) const
{
    const QSizeF room = QSizeF(size()) - QSizeF(2 * desk, 2 * desk);
    if (page.size.isEmpty() || room.isEmpty())
        return {};
    const QSizeF paper = page.size.scaled(room, Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - paper.width()) / 2, (height() - paper.height()) / 2), paper);
}

void PreviewPageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    const Preview::Page *shown = page();
    const QRectF paper = shown ? paperRect(*shown) : QRectF();
    if (paper.isEmpty())
        return;
    painter.fillRect(paper.translated(3, 3), QColor(0, 0, 0, 90));
    painter.fillRect(paper, Qt::white);
    painter.save();
    painter.setClipRect(paper);
    painter.translate(paper.topLeft());
    painter.scale(paper.width() / shown->size.width(), paper.height() / shown->size.height());
    Preview::paintPage(painter, *shown);
    painter.restore();
    if (m_guideLines)
        paintGuideLines(painter, *shown, paper);
}

void PreviewPageView::paintGuideLines(QPainter &painter, const Preview::Page &page, const QRectF &paper) const
{
    const qreal scale = paper.width() / page.size.width();
    const QMarginsF &m = page.margins;
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
