#include "core/workbook/StatusStore.h"

#include <QFileInfo>

const QStringList &StatusStore::values()
{
    static const QStringList list{QStringLiteral(" "), QStringLiteral("Pending"), QStringLiteral("Working"),
                                  QStringLiteral("Completed"), QStringLiteral("Review")};
    return list;
}

StatusStore::StatusStore(const QString &path) : m_file(path) {}

StatusTable StatusStore::readTable() const
{
    const QStringList records = m_file.read(1, ItemCount);
    StatusTable table;
    for (int n = 1; n <= ItemCount; ++n)
        table[n] = records.at(n - 1);
    return table;
}

WriteResult StatusStore::write(int specNumber, const QString &status) const
{
    if (specNumber < 1 || specNumber > ItemCount)
        return {false, QStringLiteral("Unable to write %1: there is no item %2")
                           .arg(QFileInfo(m_file.path()).fileName())
                           .arg(specNumber)};
    return m_file.write(specNumber, status);
}
