#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

// Drops a combo box's list and clicks one of its values, as the user picks one.
inline void pickFromDroppedList(QComboBox *box, int index)
{
    box->showPopup();
    QAbstractItemView *list = box->view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(index, 0)).center());
}
