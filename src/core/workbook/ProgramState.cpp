#include "core/workbook/ProgramState.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>

#include "core/workbook/Clock.h"

namespace ProgramState {

namespace {
int pointer = 0;
constexpr int pauseSleepMs = 20;
} // namespace

void goToWorkbookFolder()
{
    QDir::setCurrent(WorkbookFolder.isEmpty() ? QCoreApplication::applicationDirPath() : WorkbookFolder);
}

void busyOn()
{
    pointer = 11;
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void busyOff()
{
    pointer = 0;
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

int mousePointer()
{
    return pointer;
}

int startupPause()
{
    Clock &clock = Clock::current();
    const int first = clock.now().time().second();
    int reads = 1;
    // Seconds advanced since the start, modulo the minute; a clock that jumps past 2 ends the wait too.
    for (;;) {
        const int advanced = (clock.now().time().second() - first + 60) % 60;
        ++reads;
        if (advanced >= 2)
            return reads;
        clock.sleep(pauseSleepMs);
    }
}

void reset()
{
    PendingArea = 0;
    SharedAnswer = 0;
    SplashShown = 0;
    ReaderPage = 0;
    StartScreenWidth = 0;
    StartScreenHeight = 0;
    busyOff();
}

} // namespace ProgramState
