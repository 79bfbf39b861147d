#pragma once

#include <QString>
#include <QStringList>

#include "cli/TableText.h"
#include "core/risk/RiskFilter.h"

// What the command line asks the tool to do.
struct CommandLine
{
    enum class Verb { Help, Version, Status, Todo, Backup, Verify, Restore, ReportStatus, Decisions, Reviews,
                      History, Risks, Search };

    Verb verb = Verb::Help;
    QString workbook;  // --workbook DIR, absolute; empty: the folder the program itself would open
    TableText::Format format = TableText::Format::Text;
    QString file;      // the ZIP archive, or the PDF of a report
    bool yes = false;  // restore without asking
    bool undecided = false; // decisions: only the items without one
    bool due = false;       // reviews: only those overdue or due soon
    int item = 0;           // history: the catalogue item
    RiskFilter risks;       // risks: --level and --open
    QString words;          // search: the words or phrase to find

    // The arguments as given, the program's name first. Nothing, with the reason in `error`, for a wrong use.
    static std::optional<CommandLine> parse(const QStringList &arguments, QString *error);
    static QString usage();
};
