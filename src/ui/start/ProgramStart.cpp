#include "ui/start/ProgramStart.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <cstdio>

#include "core/workbook/ProgramState.h"
#include "core/workbook/Product.h"
#include "core/workbook/WorkbookLocation.h"
#include "ui/widgets/Dialogs.h"
#include "core/files/ContentFolder.h"

namespace ProgramStart {

namespace {

void print(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text), stream);
    std::fflush(stream);
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

void tell(const QString &text, int icon)
{
    Dialogs::current().messageBox(text, Dialogs::OkOnly | icon, Product::name);
}

const QString chooseAgain = QStringLiteral("Choose another folder with Options → \"Choose Workbook Folder…\" "
                                           "on the start screen.");

QCommandLineOption workbookOption()
{
    return {QStringLiteral("workbook"), QStringLiteral("Opens the workbook in <folder>, made when it is missing."),
            QStringLiteral("folder")};
}

} // namespace

bool answersOnTheTerminal(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(workbookOption());
    return !parser.parse(arguments) || parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"));
}

Outcome openFolders(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A workbook for the HIPAA Security Rule."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption workbook = workbookOption();
    parser.addOption(workbook);
    if (!parser.parse(arguments)) {
        print(stderr, parser.errorText() + QLatin1Char('\n'));
        return {false, 2};
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return {false, 0};
    }
    if (parser.isSet(version)) {
        print(stdout, Product::name + QLatin1Char(' ') + QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        return {false, 0};
    }

    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString content = ContentFolder::locate(programFolder, QString::fromLatin1(PackageName));
    ContentFolder::setPath(content.isEmpty() ? programFolder : content);

    const QString commandLine = parser.isSet(workbook) ? QDir(parser.value(workbook)).absolutePath() : QString();
    const QString chosenLast = QSettings().value(QLatin1String(WorkbookLocation::ChosenLastKey)).toString();
    const WorkbookLocation::Choice choice = WorkbookLocation::choose(
        WorkbookLocation::survey(commandLine, chosenLast, programFolder, QDir::homePath()));

    const WriteResult started = WorkbookLocation::startEmpty(choice.folder);
    if (!started && choice.source == WorkbookLocation::Source::CommandLine) {
        print(stderr, QStringLiteral("%1: the workbook folder cannot be used: %2\n").arg(QString::fromLatin1(PackageName), started.error));
        return {false, 1};
    }
    if (!choice.missingChosenLast.isEmpty())
        tell(QStringLiteral("The workbook folder \"%1\" chosen last cannot be found. The workbook in \"%2\" is "
                            "open instead; the next start looks for \"%1\" again.")
                 .arg(native(choice.missingChosenLast), native(choice.folder)),
             Dialogs::Exclamation);
    if (!started)
        tell(QStringLiteral("The workbook folder \"%1\" cannot be used: %2\n\n%3")
                 .arg(native(choice.folder), started.error, chooseAgain),
             Dialogs::Critical);
    ProgramState::WorkbookFolder = choice.folder;
    ProgramState::goToWorkbookFolder();
    return {};
}

} // namespace ProgramStart
