#include "ui/todo/TodoCellDelegate.h"

#include <QLineEdit>

#include "core/todo/TodoGridModel.h"

QWidget *TodoCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
    if (index.column() == TodoGrid::ItemColumn)
        editor->setMaxLength(TodoGridModel::MaxItemLength);
    else
        editor->setAlignment(Qt::AlignHCenter);
    connect(editor, &QLineEdit::textEdited, this, &TodoCellDelegate::typing);
    Q_UNUSED(option);
    return editor;
}
