#pragma once

#include <QStyledItemDelegate>

// Cell editor of the to-do grid: a line editor that takes at most 45 characters in the item column
// and reports every keystroke typed into it.
class TodoCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;

signals:
    void typing();
};
