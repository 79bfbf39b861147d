#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include "components/files/Outcome.h"

class RecordDatabase;

// The review state of one entry (item, kind).
struct ReviewState {
    int item = 0;
    int kind = 0;
    QDate lastReviewed; // invalid when never reviewed
    QString reviewedBy;
    int months = 12;    // the review interval
    // lastReviewed + months; for an entry never reviewed, its first saved version's date + months;
    // invalid when it has neither.
    QDate nextDue;
};

// When each entry was last reviewed and how often it must be.
class Reviews
{
public:
    static constexpr int DefaultMonths = 12;
    // Reviews due within this many days are listed with the overdue ones.
    static constexpr int DueWithinDays = 30;

    explicit Reviews(RecordDatabase &database) : m_db(database) {}

    [[nodiscard]] Outcome recordReview(int item, int kind, QDate on, const QString &by, const QDateTime &at);
    // 1 to 120 months.
    [[nodiscard]] Outcome setInterval(int item, int kind, int months);

    // Every entry with a review or a saved version, by item and kind.
    [[nodiscard]] Result<QList<ReviewState>> states() const;
    [[nodiscard]] Result<ReviewState> state(int item, int kind) const;
    // The entries overdue on `today` or due within DueWithinDays of it, the earliest due first.
    [[nodiscard]] Result<QList<ReviewState>> due(QDate today) const;

private:
    RecordDatabase &m_db;
};
