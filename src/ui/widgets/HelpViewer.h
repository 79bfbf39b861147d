#pragma once

#include <QString>

class QWidget;

// Shows the program's help file (HTML with one anchor per topic number) at a topic.
namespace HelpViewer {
// Dialogs::HelpTopic shows the topic `context`; HelpContents shows the top of the file. The help
// window takes input wherever it opens, also over a modal area window.
void show(const QString &helpFile, int command, int context);
// The file in the current folder whose name matches `helpFile` letter case ignored, or "".
QString locate(const QString &helpFile);
// The help window while it is open, else null.
QWidget *window();
}
