#include "core/text/SelectionFormat.h"

#include <QTextCursor>

namespace SelectionFormat {

QTextCharFormat charFormat(const QTextCursor &cursor)
{
    if (!cursor.hasSelection())
        return cursor.charFormat();
    QTextCursor first(cursor);
    first.setPosition(cursor.selectionStart() + 1);
    return first.charFormat();
}

QFont font(const QTextCharFormat &format, const QFont &base)
{
    return format.font().resolve(base);
}

QColor colour(const QTextCharFormat &format, const QColor &fallback)
{
    const QBrush brush = format.foreground();
    return brush.style() == Qt::NoBrush ? fallback : brush.color();
}

int alignmentCode(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return 2;
    if (alignment & Qt::AlignRight)
        return 1;
    return 0;
}

std::optional<Qt::Alignment> alignmentForCode(int code)
{
    switch (code) {
    case 0:
        return Qt::AlignLeft;
    case 1:
        return Qt::AlignRight;
    case 2:
        return Qt::AlignHCenter;
    default:
        return std::nullopt;
    }
}

} // namespace SelectionFormat
