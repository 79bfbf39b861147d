#pragma once

class QWidget;

// Builds area window 1, 2 or 3 over the start screen and runs it modally until it closes.
void runAreaWindow(int area, QWidget *startScreen);
