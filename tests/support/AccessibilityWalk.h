#pragma once

#include <QStringList>

class QWidget;

// Walks a window's widget tree as a screen reader would and lists every control the user can focus or click
// that has no accessible name (its own, its text, or its buddy label's), and every frame without one. Only
// what is shown is walked: open panels and pages before walking them. An empty list means all are named.
QStringList unnamedControls(QWidget *window);
