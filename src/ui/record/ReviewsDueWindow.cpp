#include "ui/record/ReviewsDueWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/workbook/Clock.h"
#include "ui/widgets/Dialogs.h"
#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"
#include "core/todo/TodoRows.h"
#include "ui/record/RecordWidgets.h"
#include "core/catalogue/Catalogue.h"
#include "core/workbook/EntryFiles.h"

namespace {

const QString caption = QStringLiteral("Reviews Due");

QString dateText(QDate date)
{
    return date.isValid() ? date.toString(QStringLiteral("MMM d, yyyy")) : QStringLiteral("Never");
}

} // namespace

ReviewsDueWindow::ReviewsDueWindow(QWidget *parent)
    : QDialog(parent),
      m_table(RecordWidgets::table("dueTable", caption,
                                   {QStringLiteral("Implementation specification"), QStringLiteral("Entry"),
                                    QStringLiteral("Last reviewed"), QStringLiteral("Next review due")},
                                   0, this)),
      m_send(RecordWidgets::button("sendTodoButton", QStringLiteral("Send to &To-Do List"), this)),
      m_close(RecordWidgets::button("closeButton", QStringLiteral("&Close"), this))
{
    setObjectName(QStringLiteral("reviewsDue"));
    setWindowTitle(caption);
    const RecordDatabase *record = RecordDatabase::current();
    m_send->setEnabled(record && !record->isReadOnly());

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_send);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    connect(m_send, &QPushButton::clicked, this, &ReviewsDueWindow::sendSelected);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
    resize(820, 480);
}

void ReviewsDueWindow::refresh()
{
    m_due.clear();
    if (RecordDatabase *record = RecordDatabase::current()) {
        Result<QList<ReviewState>> due = Reviews(*record).due(Clock::current().now().date());
        if (due)
            m_due = due.value();
        else
            Dialogs::current().messageBox(due.error(), Dialogs::OkOnly + Dialogs::Exclamation, caption);
    }
    m_table->setRowCount(int(m_due.size()));
    for (int r = 0; r < m_due.size(); ++r) {
        const ReviewState &s = m_due[r];
        const QStringList cells{RecordItems::title(s.item), RecordItems::kindName(s.kind), dateText(s.lastReviewed),
                                dateText(s.nextDue)};
        for (int c = 0; c < cells.size(); ++c)
            m_table->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    m_table->resizeColumnsToContents();
}

QString ReviewsDueWindow::todoItem(const ReviewState &state)
{
    const QString kind = state.kind == EntryFiles::Action    ? QStringLiteral("Action")
                         : state.kind == EntryFiles::Comment ? QStringLiteral("Comments")
                                                              : QStringLiteral("Policies");
    const Catalogue::Item *item = Catalogue::item(state.item);
    const QString name = item ? Catalogue::displayed(item->searchName) : QString::number(state.item);
    return QStringLiteral("Review %1: %2").arg(kind, name).left(45);
}

void ReviewsDueWindow::sendSelected()
{
    RecordDatabase *record = RecordDatabase::current();
    if (!record)
        return;
    const QString folder = QFileInfo(record->path()).absolutePath();
    QStringList sent;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows()) {
        const ReviewState &state = m_due.at(index.row());
        const Result<int> row = TodoRows::append(folder, {todoItem(state), state.nextDue});
        if (!row) {
            Dialogs::current().messageBox(row.error(), Dialogs::OkOnly + Dialogs::Exclamation, caption);
            break;
        }
        sent.append(QStringLiteral("%1 (row %2)").arg(todoItem(state)).arg(*row));
    }
    if (!sent.isEmpty())
        Dialogs::current().messageBox(QStringLiteral("Added to the to-do list:\r\r") + sent.join(QStringLiteral("\r")),
                                      Dialogs::OkOnly + Dialogs::Information, caption);
}
