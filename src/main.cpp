#include <QApplication>

#include "ui/start/ProgramStart.h"
#include "ui/start/StartScreen.h"

namespace {

void nameProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tessarel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tessarel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSAREL_VERSION));
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char **argv)
{
    nameProgram();
    if (ProgramStart::answersOnTheTerminal(argumentsOf(argc, argv))) {
        const QCoreApplication app(argc, argv);
        return ProgramStart::openFolders(QCoreApplication::arguments()).exitCode;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const ProgramStart::Outcome start = ProgramStart::openFolders(QApplication::arguments());
    if (!start.run)
        return start.exitCode;
    StartScreen startScreen;
    QObject::connect(&startScreen, &StartScreen::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    startScreen.load();
    if (!startScreen.isUnloaded())
        startScreen.show();
    return QApplication::exec();
}
