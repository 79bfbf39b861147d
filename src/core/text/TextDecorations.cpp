#include "core/text/TextDecorations.h"

#include "core/rtf/RtfFormats.h"
#include "core/rtf/RtfWriterLists.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextList>

#include <algorithm>

namespace TextDecorations {

Leader tabLeader(const QTextBlock &block, const QTextLine &line, int index, const QFontMetricsF &metrics,
                 qreal twipsPerUnit)
{
    const qreal start = line.cursorToX(index);
    const qreal end = line.cursorToX(index + 1);
    const std::vector<Rtf::TabStop> stops = Rtf::tabStops(block.blockFormat());
    const auto stop = std::find_if(stops.begin(), stops.end(), [&](const Rtf::TabStop &tab) {
        return tab.position >= (end - 1) * twipsPerUnit;
    });
    if (stop == stops.end() || stop->leader == Rtf::TabStop::None || end - start <= 0)
        return {};
    static constexpr char16_t Marks[] = {0, u'.', u'-', u'_', u'_', u'='};
    const QChar mark(Marks[stop->leader]);
    const qreal width = metrics.horizontalAdvance(mark);
    const int count = width > 0 ? int((end - start) / width) - 1 : 0;
    if (count <= 0)
        return {};
    return {QString(count, mark), end - count * width};
}

namespace {

constexpr qreal TwipsPerPixel = 15; // the screen's 96 dots per inch

QColor colourOf(const QTextCharFormat &format)
{
    return format.foreground().style() == Qt::NoBrush ? QColor() : format.foreground().color();
}

void addListMarker(QList<Mark> &marks, const QTextBlock &block, QPointF origin)
{
    const QTextLine first = block.layout()->lineAt(0);
    const QString marker = Rtf::listMarker(block);
    if (marker.isEmpty() || !first.isValid())
        return;
    const QTextCharFormat format = block.charFormat();
    const QFontMetricsF metrics(format.font());
    const qreal x = qMax(0.0, origin.x() + first.x() - metrics.horizontalAdvance(marker) -
                                  metrics.horizontalAdvance(QLatin1Char(' ')));
    marks.append({QPointF(x, origin.y() + first.y() + first.ascent()), marker, format.font(), colourOf(format)});
}

void addLeaders(QList<Mark> &marks, const QTextBlock &block, QPointF origin)
{
    const QString text = block.text();
    QTextCursor cursor(block);
    for (int i = text.indexOf(QLatin1Char('\t')); i >= 0; i = text.indexOf(QLatin1Char('\t'), i + 1)) {
        const QTextLine line = block.layout()->lineForTextPosition(i);
        if (!line.isValid())
            continue;
        cursor.setPosition(block.position() + i + 1);
        const QTextCharFormat format = cursor.charFormat(); // the tab's own
        const Leader leader = tabLeader(block, line, i, QFontMetricsF(format.font()), TwipsPerPixel);
        if (!leader.text.isEmpty())
            marks.append({origin + QPointF(leader.x, line.y() + line.ascent()), leader.text, format.font(),
                          colourOf(format)});
    }
}

bool showsMarker(const QTextBlock &block)
{
    return block.textList() && block.blockFormat().hasProperty(QTextFormat::ListStyle);
}

} // namespace

QList<Mark> marks(const QTextDocument &document, const QRectF &area)
{
    QList<Mark> found;
    const QAbstractTextDocumentLayout *layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!block.isVisible() || !block.layout() || block.layout()->lineCount() == 0)
            continue;
        const QRectF box = layout->blockBoundingRect(block);
        if (!box.intersects(area))
            continue;
        const QPointF origin = box.topLeft();
        if (showsMarker(block))
            addListMarker(found, block, origin);
        if (block.blockFormat().hasProperty(Rtf::TabLeadersProperty))
            addLeaders(found, block, origin);
    }
    return found;
}

void takeOverListMarkers(QTextDocument &document)
{
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!block.textList() || block.blockFormat().hasProperty(QTextFormat::ListStyle))
            continue;
        QTextBlockFormat format;
        format.setProperty(QTextFormat::ListStyle, int(QTextListFormat::ListStyleUndefined));
        cursor.setPosition(block.position());
        cursor.mergeBlockFormat(format);
    }
}

} // namespace TextDecorations
