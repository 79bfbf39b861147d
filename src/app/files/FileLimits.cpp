#include "app/files/FileLimits.h"

#include <QFileInfo>

#include "workarea/store/EntryFiles.h"

namespace FileLimits {

namespace {

constexpr FileLimitRow Rows[] = {
    {"Stat1.Fil", Records},
    {"GColor3.Fil", Records},
    {"TODONAME.FIL", NameList},
    {"TODOActv.FIL", TodoList},
    {"CustomDict1.dct", UserDictionary},
    {"Tessarel.sqlite", ComplianceRecord},
};

} // namespace

std::span<const FileLimitRow> table()
{
    return Rows;
}

const FileLimit &of(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    for (const FileLimitRow &row : Rows)
        if (name == QLatin1String(row.name))
            return row.limit;
    return EntryFiles::mayBeWritten(name) ? Entry : Other;
}

QString sizeText(qint64 bytes)
{
    if (bytes >= MiB)
        return QStringLiteral("%1 MB").arg((bytes + MiB - 1) / MiB);
    return QStringLiteral("%1 KB").arg((bytes + KiB - 1) / KiB);
}

} // namespace FileLimits
