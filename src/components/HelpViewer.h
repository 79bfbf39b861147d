#pragma once

#include <QString>

class QWidget;

// Shows the program's help file (HTML with one anchor per topic number) at a topic.
namespace HelpViewer {
// Command 1 shows the topic `context`; command 11 shows the contents at the top of the file. The help
// window takes input wherever it opens, also over a modal area window.
void show(const QString &helpFile, int command, int context);
// The file in the current folder whose name matches `helpFile` letter case ignored, or "".
QString locate(const QString &helpFile);
// The help window while it is open, else null.
QWidget *window();
}
