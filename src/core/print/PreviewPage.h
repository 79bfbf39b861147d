#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <variant>

class QPainter;
class QPaintDevice;

// One page of a preview document: what was drawn on it, in twips from the paper's top-left corner.
namespace Preview {

constexpr qreal twipsPerInch = 1440;
constexpr qreal twipsPerPoint = 20;

struct TextOp {
    QPointF baseline; // start of the text on its baseline
    QString text;
    QFont font;       // pixel size in twips
    QColor colour;
    QRectF box;       // advance width by the line's height
};
struct LineOp {
    QLineF line;
    QColor colour;
    qreal width;
};
struct FillOp {
    QRectF rect;
    QColor colour;
};
struct ImageOp {
    QRectF rect;
    QImage image;
};
using Op = std::variant<TextOp, LineOp, FillOp, ImageOp>;

struct Page {
    QPageSize pageSize;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QSizeF size;       // twips, after orientation
    QMarginsF margins; // twips, as set when the page was started
    QList<Op> ops;
};

// The area an operation covers on its page.
QRectF bounds(const Op &op);

// A paint device of 1440 dots per inch, so that one device pixel is one twip: font metrics and text
// layout measured on it do not depend on the screen.
QPaintDevice *twipsDevice();

// `font` with its point size turned into a pixel size in twips, for measuring and drawing on any device.
QFont twipsFont(const QFont &font);

// Draws the page's operations in twips in the painter's current coordinate system.
void paintPage(QPainter &painter, const Page &page);

} // namespace Preview
