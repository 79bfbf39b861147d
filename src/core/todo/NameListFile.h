#pragma once

#include <QString>
#include <QStringList>

#include "core/files/SafeWrite.h"
#include "core/files/QuotedLineFile.h"
#include "core/files/FileNames.h"

// TODONAME.FIL, the list of to-do item names: one quoted name a line.
class NameListFile
{
public:
    static constexpr int MaxNames = FileLimits::NameList.fields;
    static constexpr int MaxNameLength = FileLimits::NameList.fieldLength;
    static constexpr auto DefaultFileName = FileNames::TodoNames;

    explicit NameListFile(const QString &path = QString::fromLatin1(DefaultFileName));

    // The names trimmed, in file order, at most MaxNames of at most MaxNameLength characters; partial
    // when the file held more or longer names.
    LoadedFile<QStringList> load();
    // Writes the names exactly as given, surrounding blanks kept; refuses more than MaxNames.
    WriteResult save(const QStringList &names);

    const QuotedLineFile &file() const { return m_file; }

private:
    QuotedLineFile m_file;
};
