#include "core/workbook/Clock.h"

#include <QEventLoop>
#include <QTimer>

namespace {

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    void sleep(int ms) override
    {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }
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
