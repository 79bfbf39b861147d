#include "core/workbook/WorkbookLocation.h"

#include <QDir>
#include <QFileInfo>

#include "core/workbook/Product.h"
#include "core/backup/WorkbookFiles.h"
#include "core/workbook/StatusStore.h"

namespace WorkbookLocation {

Choice choose(const Places &places)
{
    if (!places.commandLine.isEmpty())
        return {QDir::cleanPath(places.commandLine), Source::CommandLine, {}};
    if (!places.chosenLast.isEmpty() && places.chosenLastExists)
        return {QDir::cleanPath(places.chosenLast), Source::ChosenLast, {}};
    Choice choice;
    if (!places.chosenLast.isEmpty())
        choice.missingChosenLast = places.chosenLast;
    if (places.programFolderWritable && places.programFolderHoldsWorkbook) {
        choice.folder = QDir::cleanPath(places.programFolder);
        choice.source = Source::ProgramFolder;
    } else {
        choice.folder = documentsFolder(places.home);
        choice.source = Source::Documents;
    }
    return choice;
}

QString documentsFolder(const QString &home)
{
    return QDir::cleanPath(home + QStringLiteral("/Documents/") + Product::name + QStringLiteral(" Workbook"));
}

bool holdsWorkbook(const QString &folder)
{
    return !WorkbookFiles::presentIn(folder).isEmpty();
}

Places survey(const QString &commandLine, const QString &chosenLast, const QString &programFolder,
              const QString &home)
{
    Places places;
    places.commandLine = commandLine;
    places.chosenLast = chosenLast;
    places.chosenLastExists = !chosenLast.isEmpty() && QFileInfo(chosenLast).isDir();
    places.programFolder = programFolder;
    places.programFolderWritable = QFileInfo(programFolder).isWritable();
    places.programFolderHoldsWorkbook = holdsWorkbook(programFolder);
    places.home = home;
    return places;
}

WriteResult startEmpty(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return {false, QStringLiteral("The folder \"%1\" cannot be made.").arg(QDir::toNativeSeparators(folder))};
    if (holdsWorkbook(folder))
        return {true, {}};
    return writeWholeFile(QDir(folder).filePath(QString::fromLatin1(StatusStore::DefaultFileName)), {});
}

} // namespace WorkbookLocation
