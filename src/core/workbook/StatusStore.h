#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "core/files/SafeWrite.h"
#include "core/files/RecordFile.h"
#include "core/files/FileNames.h"

// Index n holds the status of the item with specification number n; 0 and 48 to 50 stay empty.
using StatusTable = std::array<QString, 51>;

// The statuses of the 47 catalogue items in Stat1.Fil: record n belongs to item n.
class StatusStore
{
public:
    static constexpr int ItemCount = 47;
    static constexpr auto DefaultFileName = FileNames::Statuses;

    // The values offered for choice, in order: " " (no status chosen), "Pending", "Working",
    // "Completed", "Review". An item never given a status has the empty text instead.
    static const QStringList &values();

    explicit StatusStore(const QString &path = QString::fromLatin1(DefaultFileName));

    // Records 1 to 47 in order, from one read; creates the file, empty, when it is missing.
    StatusTable readTable() const;
    // Rewrites record n (1 to 47) with the status text.
    WriteResult write(int specNumber, const QString &status) const;

private:
    RecordFile m_file;
};
