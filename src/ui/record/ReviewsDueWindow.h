#pragma once

#include <QDialog>

#include "core/record/Reviews.h"

class QPushButton;
class QTableWidget;

// The entries whose review is overdue or due within 30 days, the earliest first; each can be sent to
// the to-do list as a row of its own.
class ReviewsDueWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ReviewsDueWindow(QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    // Sends the selected rows to the to-do list, each into its first free row.
    void sendSelected();
    // The to-do item of a due review: "Review Policies: Password Management", at most 45 characters.
    static QString todoItem(const ReviewState &state);

private:
    void refresh();

    QList<ReviewState> m_due;
    QTableWidget *m_table;
    QPushButton *m_send;
    QPushButton *m_close;
};
