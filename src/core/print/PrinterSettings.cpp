#include "core/print/PrinterSettings.h"

#include "core/print/PreviewDocument.h"

namespace PrinterSettings {

QFont PrinterFont::font() const
{
    QFont f(name);
    if (size > 0)
        f.setPointSizeF(size);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strikethrough);
    return f;
}

void PrinterFont::assign(const QFont &f, const QColor &textColour)
{
    name = f.family();
    size = f.pointSizeF();
    bold = f.bold();
    italic = f.italic();
    underline = f.underline();
    strikethrough = f.strikeOut();
    colour = textColour;
}

void setMargins(float left, float top, float right, float bottom)
{
    PrintMarginLeft = left;
    PrintMarginTop = top;
    PrintMarginRight = right;
    PrintMarginBottom = bottom;
}

void applyMargins(PreviewDocument &document)
{
    document.setMarginLeft(PrintMarginLeft);
    document.setMarginTop(PrintMarginTop);
    document.setMarginRight(PrintMarginRight);
    document.setMarginBottom(PrintMarginBottom);
}

void readMargins(const PreviewDocument &document)
{
    setMargins(float(document.marginLeft()), float(document.marginTop()), float(document.marginRight()),
               float(document.marginBottom()));
}

QString sizeText(qreal points)
{
    return QString::number(points, 'g', 6);
}

void reset()
{
    Font = PrinterFont();
    setMargins(1440, 1440, 1440, 1440);
    NormalPreviewWidth = 0;
    NormalPreviewLeft = 0;
}

} // namespace PrinterSettings
