#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "core/risk/RiskScale.h"

// A rating of a risk on the day it was made.
struct RiskRating {
    QDate ratedOn;
    int likelihood = 1;
    int impact = 1;
    int score() const { return RiskScale::score(likelihood, impact); }
    bool operator==(const RiskRating &) const = default;
};

// One row of the risk register.
struct Risk {
    qint64 id = 0; // 0 until stored
    QString asset;
    QString threat;
    QString threatGroup;
    QString vulnerability;
    QList<int> safeguards; // catalogue item numbers, ascending
    RiskRating rating;
    QList<RiskRating> earlier; // the ratings it replaced, oldest first
    RiskScale::Response response = RiskScale::Response::Reduce;
    QString measure;
    QString owner;
    QDate due;
    bool open = true;
    int todoRow = 0; // the to-do list row the measure was sent to; 0 when not sent

    int score() const { return rating.score(); }
    RiskScale::Level level() const { return RiskScale::levelOfScore(score()); }
    // +1 when the current score is above the one before it, -1 below, 0 unchanged or not re-rated.
    int trend() const
    {
        if (earlier.isEmpty())
            return 0;
        const int before = earlier.last().score();
        return score() > before ? 1 : score() < before ? -1 : 0;
    }
    bool operator==(const Risk &) const = default;
};
