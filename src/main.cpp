#include <QApplication>

#include "app/ProgramStart.h"
#include "app/Startfrm.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarel"));
    QApplication::setOrganizationName(QStringLiteral("Tessarel"));
    QApplication::setApplicationVersion(QStringLiteral(TESSAREL_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    const ProgramStart::Outcome start = ProgramStart::openFolders(QApplication::arguments());
    if (!start.run)
        return start.exitCode;
    Startfrm startScreen;
    QObject::connect(&startScreen, &Startfrm::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    startScreen.Form_Load();
    startScreen.show();
    return QApplication::exec();
}
