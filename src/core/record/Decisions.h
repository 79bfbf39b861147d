#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <optional>

#include "components/files/Outcome.h"

class RecordDatabase;

// What the organisation decided for an Addressable implementation specification, and why.
struct Decision {
    enum Choice { Undecided = 0, AsSpecified = 1, Alternative = 2, NotReasonable = 3 };

    Choice choice = Undecided;
    QString reasons;
    QString alternative; // the equivalent measure implemented instead
    QString decidedBy;
    QDate decidedOn;
    QDateTime recordedAt;

    // "Implemented as specified", "Equivalent alternative measure implemented",
    // "Not reasonable and appropriate"; "Undecided" for none.
    static QString text(Choice choice);
    // What is missing for the decision to be recorded (reasons for the last two choices, the measure
    // for an alternative, who and when); empty when it is complete.
    QString missing() const;
    bool operator==(const Decision &other) const = default;
};

// The decisions, every one kept: the latest of an item is its decision, the earlier ones its history.
class Decisions
{
public:
    explicit Decisions(RecordDatabase &database) : m_db(database) {}

    // Records `decision` for `item` (stamped `recordedAt` by the caller); refused when incomplete.
    // Nothing is added when it equals the item's current decision apart from the stamp.
    [[nodiscard]] Outcome record(int item, const Decision &decision);
    // The current decision of every item that has one.
    [[nodiscard]] Result<QMap<int, Decision>> current() const;
    // Every decision of `item`, oldest first.
    [[nodiscard]] Result<QList<Decision>> history(int item) const;

private:
    RecordDatabase &m_db;
};
