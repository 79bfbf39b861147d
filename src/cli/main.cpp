#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

#include "cli/Commands.h"

namespace {

// Standard error carries the tool's own reasons only: Qt's notes about the session are dropped.
void keepSeriousMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

// The reports draw text, which needs a GUI application; no display is ever opened.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepSeriousMessages);
    QCoreApplication::setApplicationName(QStringLiteral("Tessarel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tessarel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSAREL_VERSION));
    const QGuiApplication app(argc, argv);

    QTextStream out(stdout);
    QTextStream err(stderr);
    QTextStream in(stdin);
    QString error;
    const std::optional<CommandLine> line = CommandLine::parse(QCoreApplication::arguments(), &error);
    if (!line) {
        err << "tessarel-cli: " << error << "\n\n" << CommandLine::usage();
        return 2;
    }
    return Commands(out, err, in).run(*line);
}
