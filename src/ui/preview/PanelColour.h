#pragma once

class QWidget;

// A panel takes its back colour from a reference control of the same window.
void takeBackColour(QWidget &panel, const QWidget &reference);
