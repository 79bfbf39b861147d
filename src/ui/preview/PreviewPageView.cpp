#include "ui/preview/PreviewPageView.h"

#include <QPainter>

#include "core/print/PreviewDocument.h"

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

const Preview::Page *PreviewPageView::page(int slot) const
{
    const int index = m_index + slot;
    if (!m_document || m_index < 0 || index >= m_document->pageCount())
        return nullptr;
    return &m_document->page(index);
}

void PreviewPageView::setGuideLines(bool on)
{
    m_guideLines = on;
    update();
}

void PreviewPageView::setGrid(int columns, int rows)
{
    m_columns = qMax(1, columns);
    m_rows = qMax(1, rows);
    update();
}

QRectF PreviewPageView::paperRect(const Preview::Page &page, int slot) const
{
    const QSizeF share(qreal(width()) / m_columns, qreal(height()) / m_rows);
    const QSizeF room = share - QSizeF(2 * desk, 2 * desk);
    if (page.size.isEmpty() || room.isEmpty())
        return {};
    const QSizeF paper = page.size.scaled(room, Qt::KeepAspectRatio);
    const QPointF corner((slot % m_columns) * share.width(), (slot / m_columns) * share.height());
    return QRectF(corner + QPointF((share.width() - paper.width()) / 2, (share.height() - paper.height()) / 2),
                  paper);
}

void PreviewPageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    for (int slot = 0; slot < m_columns * m_rows; ++slot) {
        const Preview::Page *shown = page(slot);
        const QRectF paper = shown ? paperRect(*shown, slot) : QRectF();
        if (paper.isEmpty())
            continue;
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
