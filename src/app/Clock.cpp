#include "app/Clock.h"

#include <QThread>

namespace {

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    void sleep(int ms) override { QThread::msleep(static_cast<unsigned long>(ms)); }
};

Clock *installed = nullptr;

} // namespace

Clock &Clock::current()
{
    static SystemClock real;
    return installed ? *installed : real;
}

void Clock::install(Clock *clock)
{
    installed = clock;
}
