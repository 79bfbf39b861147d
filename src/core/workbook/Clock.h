#pragma once

#include <QDateTime>

// The time source of the program; tests install one whose time they control.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Waits about `ms` milliseconds, idle, while pending events run: the program keeps answering.
    virtual void sleep(int ms) = 0;

    static Clock &current();
    static void install(Clock *clock);
};
