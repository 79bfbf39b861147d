#include "ui/record/RecordWidgets.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace RecordWidgets {

QPushButton *button(const char *name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QTableWidget *table(const char *name, const QString &accessibleName, const QStringList &headings, int stretched,
                    QWidget *parent)
{
    auto *t = new QTableWidget(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setAccessibleName(accessibleName);
    t->setColumnCount(int(headings.size()));
    t->setHorizontalHeaderLabels(headings);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(stretched, QHeaderView::Stretch);
    return t;
}

} // namespace RecordWidgets
