#pragma once

#include <QStyledItemDelegate>

// Draws a result's line with the words found marked: the item's text, with the match's start and length
// in MatchStartRole and MatchLengthRole.
class MatchDelegate : public QStyledItemDelegate
{
public:
    static constexpr int MatchStartRole = Qt::UserRole + 1;
    static constexpr int MatchLengthRole = Qt::UserRole + 2;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
