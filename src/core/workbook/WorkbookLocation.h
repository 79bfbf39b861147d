#pragma once

#include <QString>

#include "core/files/SafeWrite.h"

// Decides which folder holds the user's workbook: every data file is read from and written to it.
namespace WorkbookLocation {

// Where the choice came from.
enum class Source { CommandLine, ChosenLast, ProgramFolder, Documents };

// What is known about the places the workbook may be in.
struct Places {
    QString commandLine;         // --workbook DIR, or empty
    QString chosenLast;          // the folder chosen last with the start screen's menu, or empty
    bool chosenLastExists = false;
    QString programFolder;       // the executable's folder
    bool programFolderWritable = false;
    bool programFolderHoldsWorkbook = false;
    QString home;                // the user's home folder
};

struct Choice {
    QString folder;
    Source source = Source::Documents;
    // Set when the folder chosen last is gone and another was taken: that folder.
    QString missingChosenLast;
};

// In this order: the command line; the folder chosen last, while it exists; the program's own folder when
// it is writable and already holds a workbook file; else the workbook folder under the home's Documents.
Choice choose(const Places &places);

// `Documents/Tessarel Workbook` in `home`.
QString documentsFolder(const QString &home);

// Whether `folder` holds any workbook file.
bool holdsWorkbook(const QString &folder);

// Gathers the facts about each place from the file system; `chosenLast` and `commandLine` as given.
Places survey(const QString &commandLine, const QString &chosenLast, const QString &programFolder,
              const QString &home);

// Makes `folder` when it is missing and, when it holds no workbook yet, starts an empty one there: the
// status file, created empty, marks the folder as a workbook.
WriteResult startEmpty(const QString &folder);

// The settings key of the folder chosen last.
inline constexpr auto ChosenLastKey = "WorkbookFolder";

} // namespace WorkbookLocation
