#pragma once

#include <QStringList>

class QTabWidget;
class QWidget;

// The area tab strip `areaTabs` shared by the start screen and the three area windows.
namespace AreaTabs {
QStringList captions();
// Builds the strip with its five tabs on `parent`; returns the strip. Pages are plain widgets.
QTabWidget *create(QWidget *parent);
}
