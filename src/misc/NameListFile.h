#pragma once

#include <QString>
#include <QStringList>

#include "app/SafeWrite.h"
#include "app/files/QuotedLineFile.h"

// TODONAME.FIL, the list of to-do item names: one quoted name a line.
class NameListFile
{
public:
    static constexpr int MaxNames = 1000;
    static constexpr auto DefaultFileName = "TODONAME.FIL";

    struct Loaded {
        QStringList names; // trimmed, in file order, at most MaxNames
        bool found = false;
        // The file held more names than can be kept; `note` says so, and the file is copied aside
        // before the next save replaces it.
        bool partial = false;
        QString note;
    };

    explicit NameListFile(const QString &path = QString::fromLatin1(DefaultFileName));

    Loaded load();
    // Writes the names exactly as given, surrounding blanks kept.
    WriteResult save(const QStringList &names);

    const QuotedLineFile &file() const { return m_file; }

private:
    QuotedLineFile m_file;
};
