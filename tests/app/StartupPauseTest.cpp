#include <QGuiApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include "core/workbook/Clock.h"
#include "core/workbook/ProgramState.h"
#include "support/SteppedClock.h"

namespace {

QDateTime at(int minute, int second, int ms)
{
    return QDateTime(QDate(2026, 12, 8), QTime(10, minute, second, ms));
}

} // namespace

TEST(StartupPause, WaitsUntilSecondsAdvancedByTwo)
{
    SteppedClock clock(at(0, 10, 500));
    ProgramState::startupPause();
    EXPECT_EQ(clock.time.time().second(), 12);
    EXPECT_EQ(clock.time.time().msec(), 0);
    EXPECT_EQ(clock.slept, 1500);
}

TEST(StartupPause, CrossesTheMinuteBoundary)
{
    for (int start : {58, 59}) {
        SteppedClock clock(at(0, start, 0));
        ProgramState::startupPause();
        EXPECT_EQ(clock.time.time().second(), (start + 2) % 60) << start;
        EXPECT_EQ(clock.time.time().minute(), 1) << start;
    }
}

TEST(StartupPause, SleepsBetweenReadsAndEndsWhenTheClockJumps)
{
    SteppedClock clock(at(0, 30, 900));
    clock.stepFactor = 250; // each short sleep moves the clock five seconds
    const int reads = ProgramState::startupPause();
    EXPECT_LE(reads, 3);
    EXPECT_GT(clock.slept, 0);
}

TEST(StartupPause, TheProgramKeepsAnsweringWhileItWaits)
{
    bool answered = false;
    QTimer::singleShot(0, [&answered] { answered = true; });
    Clock::current().sleep(20);
    EXPECT_TRUE(answered);
}

TEST(BusyPointer, OnAndOffAreNotCounted)
{
    ProgramState::busyOn();
    ProgramState::busyOn();
    EXPECT_EQ(ProgramState::mousePointer(), 11);
    ProgramState::busyOff();
    EXPECT_EQ(ProgramState::mousePointer(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
