#pragma once

#include <QString>
#include <QStringList>

#include "cli/TableText.h"

// What the command line asks the tool to do.
struct CommandLine
{
    enum class Verb { Help, Version, Status, Todo, Backup, Verify, Restore, ReportStatus };

    Verb verb = Verb::Help;
    QString workbook;  // --workbook DIR, absolute; empty: the folder the program itself would open
    TableText::Format format = TableText::Format::Text;
    QString file;      // the ZIP archive, or the PDF of a report
    bool yes = false;  // restore without asking

    // The arguments as given, the program's name first. Nothing, with the reason in `error`, for a wrong use.
    static std::optional<CommandLine> parse(const QStringList &arguments, QString *error);
    static QString usage();
};
