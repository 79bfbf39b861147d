#include <QApplication>

#include "app/Startfrm.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarel"));
    QApplication::setQuitOnLastWindowClosed(false);
    Startfrm start;
    QObject::connect(&start, &Startfrm::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    start.Form_Load();
    if (!start.isUnloaded())
        start.show();
    return QApplication::exec();
}
