#include "core/print/PreviewDocument.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTextLayout>

#include "core/print/RichTextFlow.h"
#include "core/exports/EditableFlow.h"
#include "core/exports/PreviewEditable.h"

using namespace Preview;

namespace {

constexpr qreal lineWidth = 15; // one pixel at 96 dpi
constexpr qreal narrowestColumn = 720;

// `line` broken into pieces that fit `width` at word boundaries (or anywhere inside a longer word).
QStringList wrapped(const QString &line, const QFont &font, qreal width)
{
    const QFontMetricsF metrics(font, twipsDevice());
    if (width < metrics.maxWidth() || metrics.horizontalAdvance(line) <= width)
        return {line};
    QTextLayout layout(line, font, twipsDevice());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList pieces;
    layout.beginLayout();
    for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
        l.setLineWidth(width);
        pieces.append(line.mid(l.textStart(), l.textLength()).trimmed());
    }
    layout.endLayout();
    return pieces;
}

} // namespace

PreviewDocument::PreviewDocument(QObject *parent)
    : QObject(parent)
    , m_font(QStringLiteral("Arial"), 10)
{
}

qreal PreviewDocument::pageWidth() const
{
    const QSizeF points = m_pageSize.size(QPageSize::Point);
    return (m_orientation == 1 ? points.height() : points.width()) * twipsPerPoint;
}

qreal PreviewDocument::pageHeight() const
{
    const QSizeF points = m_pageSize.size(QPageSize::Point);
    return (m_orientation == 1 ? points.width() : points.height()) * twipsPerPoint;
}

QPageLayout PreviewDocument::pageLayout() const
{
    return QPageLayout(m_pageSize, m_orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait,
                       m_margins / twipsPerPoint, QPageLayout::Point);
}

void PreviewDocument::setPageLayout(const QPageLayout &layout)
{
    if (!layout.isValid())
        return;
    m_pageSize = layout.pageSize();
    m_orientation = layout.orientation() == QPageLayout::Landscape ? 1 : 0;
    m_margins = layout.margins(QPageLayout::Point) * twipsPerPoint;
}

void PreviewDocument::setFontSize(qreal points)
{
    if (points > 0)
        m_font.setPointSizeF(points);
}

qreal PreviewDocument::textWidth(const QString &text) const
{
    const QFontMetricsF metrics(twipsFont(m_font), twipsDevice());
    qreal widest = 0;
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
}

qreal PreviewDocument::lineHeight() const
{
    return QFontMetricsF(twipsFont(m_font), twipsDevice()).lineSpacing();
}

void PreviewDocument::startDoc()
{
    m_pages = {blankPage()};
    PreviewEditable::clear(*this);
    m_open = true;
    m_x = m_margins.left();
    m_y = m_margins.top();
    emit documentChanged();
}

void PreviewDocument::endDoc()
{
    m_open = false;
    emit documentChanged();
}

void PreviewDocument::discard()
{
    m_pages.clear();
    PreviewEditable::clear(*this);
    m_open = false;
    emit documentChanged();
}

void PreviewDocument::newPage()
{
    if (!m_open) {
        startDoc();
        return;
    }
    m_pages.append(blankPage());
    m_x = m_margins.left();
    m_y = m_margins.top();
}

void PreviewDocument::printText(const QString &text)
{
    ensureOpen();
    const QFont font = twipsFont(m_font);
    const QFontMetricsF metrics(font, twipsDevice());
    const qreal x = m_x;
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        PreviewEditable::flow(*this).addLine(line, m_font, m_textColor, pageCount(), m_y);
        for (const QString &piece : wrapped(line, font, pageWidth() - m_margins.right() - x)) {
            breakPageBefore(metrics.lineSpacing());
            const QRectF box(x, m_y, metrics.horizontalAdvance(piece), metrics.lineSpacing());
            if (!piece.isEmpty())
                addOp(TextOp{QPointF(x, m_y + metrics.ascent()), piece, font, m_textColor, box});
            m_y += metrics.lineSpacing();
        }
    }
    m_x = m_margins.left();
}

void PreviewDocument::printLine(const QString &text)
{
    ensureOpen();
    const QFont font = twipsFont(m_font);
    const QFontMetricsF metrics(font, twipsDevice());
    if (!text.trimmed().isEmpty())
        PreviewEditable::flow(*this).addLine(text, m_font, m_textColor, pageCount(), m_y);
    if (!text.isEmpty())
        addOp(TextOp{QPointF(m_x, m_y + metrics.ascent()), text, font, m_textColor,
                     QRectF(m_x, m_y, metrics.horizontalAdvance(text), metrics.lineSpacing())});
    m_y += metrics.lineSpacing();
    m_x = m_margins.left();
}

void PreviewDocument::drawLine(qreal x1, qreal y1, qreal x2, qreal y2)
{
    ensureOpen();
    addOp(LineOp{QLineF(x1, y1, x2, y2), m_lineColor, lineWidth});
}

void PreviewDocument::appendRichText(const QTextDocument &block)
{
    ensureOpen();
    PreviewEditable::flow(*this).addRichText(block);
    const auto column = [this] {
        return Column{m_margins.left(), qMax(narrowestColumn, pageWidth() - m_margins.left() - m_margins.right()),
                      m_margins.top(), pageHeight() - m_margins.bottom()};
    };
    const FlowTarget target{[this](Op op) { addOp(std::move(op)); },
                            [this, column] {
                                newPage();
                                return column();
                            }};
    m_y = flowRichText(block, column(), m_y, m_textColor, target);
    m_x = m_margins.left();
}

void PreviewDocument::ensureOpen()
{
    if (!m_open)
        startDoc();
}

void PreviewDocument::addOp(Op op)
{
    m_pages.last().ops.append(std::move(op));
}

Page PreviewDocument::blankPage() const
{
    return Page{m_pageSize, m_orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait,
                QSizeF(pageWidth(), pageHeight()), m_margins, {}};
}

// Starts a new page when a line of `height` would cross the bottom margin, unless the position is
// already at the top of the page.
void PreviewDocument::breakPageBefore(qreal height)
{
    if (m_y + height > pageHeight() - m_margins.bottom() && m_y > m_margins.top() + 0.5)
        newPage();
}
