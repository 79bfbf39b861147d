#pragma once

#include <QString>
#include <functional>
#include <memory>

class AreaWindow;
class QWidget;

// What the start screen adds to an area window: a step once the window has had its first activation
// (going to a place in it).
struct AreaExtras {
    std::function<void(AreaWindow &window)> firstActivated;
};

// Builds area window 1, 2 or 3 over the start screen; null for any other area.
std::unique_ptr<AreaWindow> makeAreaWindow(int area, QWidget *startScreen, const AreaExtras &extras = {});
// Builds area window 1, 2 or 3 over the start screen and runs it modally until it closes.
void runAreaWindow(int area, QWidget *startScreen, const AreaExtras &extras = {});
