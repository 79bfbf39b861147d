#pragma once

#include <QDateTime>

#include "core/workbook/Clock.h"

// A clock whose sleeps advance its own time; installed while it lives.
class SteppedClock : public Clock
{
public:
    explicit SteppedClock(QDateTime start = QDateTime(QDate(2026, 12, 8), QTime(10, 0, 30, 500)))
        : time(start)
    {
        Clock::install(this);
    }
    ~SteppedClock() override { Clock::install(nullptr); }
    QDateTime now() const override { return time; }
    void sleep(int ms) override
    {
        slept += ms;
        time = time.addMSecs(qint64(ms) * stepFactor);
    }

    QDateTime time;
    qint64 slept = 0;
    int stepFactor = 1;
};
