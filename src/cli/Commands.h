#pragma once

#include <QTextStream>

#include "cli/CommandLine.h"
#include "core/files/Outcome.h"

// Carries out a command on the workbook folder. Returns the exit status: 0 done, 1 refused or failed
// (the reason written to `err`).
class Commands
{
public:
    Commands(QTextStream &out, QTextStream &err, QTextStream &in) : m_out(out), m_err(err), m_in(in) {}

    int run(const CommandLine &line);

private:
    QString workbookFolder(const CommandLine &line) const;
    int list(const Result<TableText> &listing, TableText::Format format);
    // The risk register; as CSV, the file the program imports.
    int listRisks(const QString &folder, const CommandLine &line);
    // Exit status 1 when nothing is found.
    int search(const QString &folder, const CommandLine &line);
    int backUp(const QString &folder, const QString &zipPath);
    int verify(const QString &zipPath);
    int restore(const QString &folder, const QString &zipPath, bool yes);
    int reportStatus(const QString &folder, const QString &pdfPath);
    int fail(const QString &reason);

    QTextStream &m_out;
    QTextStream &m_err;
    QTextStream &m_in;
};
