#include "ui/home/MatchDelegate.h"

#include <QApplication>
#include <QPainter>

void MatchDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const
{
    const QVariant start = index.data(MatchStartRole);
    if (!start.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    const QString text = plain.text;
    plain.text.clear();
    QStyle *style = plain.widget ? plain.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);

    const int from = start.toInt();
    const int length = index.data(MatchLengthRole).toInt();
    const QRect area =
        style->subElementRect(QStyle::SE_ItemViewItemText, &plain, plain.widget).adjusted(2, 0, -2, 0);
    QFont bold = plain.font;
    bold.setBold(true);
    const bool selected = plain.state & QStyle::State_Selected;
    const QColor pen = plain.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    painter->save();
    painter->setClipRect(area);
    int x = area.left();
    const std::pair<QString, bool> pieces[] = {
        {text.left(from), false}, {text.mid(from, length), true}, {text.mid(from + length), false}};
    for (const auto &[piece, marked] : pieces) {
        const QFont &font = marked ? bold : plain.font;
        const int width = QFontMetrics(font).horizontalAdvance(piece);
        const QRect box(x, area.top(), width, area.height());
        if (marked && !selected)
            painter->fillRect(box, QColor(0xff, 0xe5, 0x70));
        painter->setFont(font);
        painter->setPen(pen);
        painter->drawText(box, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, piece);
        x += width;
    }
    painter->restore();
}
