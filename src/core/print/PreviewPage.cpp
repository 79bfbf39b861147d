#include "core/print/PreviewPage.h"

#include <QPainter>

namespace Preview {

namespace {

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

constexpr qreal screenDpi = 96;

} // namespace

QRectF bounds(const Op &op)
{
    return std::visit(Overloaded{
                          [](const TextOp &t) { return t.box; },
                          [](const LineOp &l) {
                              const qreal half = l.width / 2;
                              return QRectF(l.line.p1(), l.line.p2()).normalized().adjusted(-half, -half, half, half);
                          },
                          [](const FillOp &f) { return f.rect; },
                          [](const ImageOp &i) { return i.rect; },
                      },
                      op);
}

QPaintDevice *twipsDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(twipsPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

QFont twipsFont(const QFont &font)
{
    QFont f = font;
    qreal points = font.pointSizeF();
    if (points <= 0)
        points = font.pixelSize() > 0 ? font.pixelSize() * 72 / screenDpi : 12;
    f.setPixelSize(qMax(1, qRound(points * twipsPerPoint)));
    f.setResolveMask(QFont::AllPropertiesResolved); // a painter must not fill anything in from its own font
    return f;
}

void paintPage(QPainter &painter, const Page &page)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Op &op : page.ops) {
        std::visit(Overloaded{
                       [&](const TextOp &t) {
                           painter.setFont(t.font);
                           painter.setPen(t.colour);
                           painter.drawText(t.baseline, t.text);
                       },
                       [&](const LineOp &l) {
                           painter.setPen(QPen(l.colour, l.width, Qt::SolidLine, Qt::SquareCap));
                           painter.drawLine(l.line);
                       },
                       [&](const FillOp &f) { painter.fillRect(f.rect, f.colour); },
                       [&](const ImageOp &i) { painter.drawImage(i.rect, i.image); },
                   },
                   op);
    }
    painter.restore();
}

} // namespace Preview
