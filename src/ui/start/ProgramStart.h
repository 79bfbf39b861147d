#pragma once

#include <QStringList>

#include "core/workbook/Product.h"

// The start of a run before any window shows: the command line, the content folder and the workbook folder.
namespace ProgramStart {

struct Outcome {
    bool run = true;  // false: end at once with exitCode (help or version shown, unusable command line)
    int exitCode = 0;
};

// Reads the command line, finds the content installed with the program and opens the workbook folder:
// made, with an empty workbook, on the first start; made current, so data files are opened by bare name.
Outcome openFolders(const QStringList &arguments);

// Whether the command line asks only for text on the terminal (help, version) or is wrong: openFolders then
// answers it without any window, so no display is needed.
bool answersOnTheTerminal(const QStringList &arguments);

inline constexpr auto PackageName = Product::packageName;

} // namespace ProgramStart
