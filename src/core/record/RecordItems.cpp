#include "core/record/RecordItems.h"

#include <QSettings>

#include "workarea/Catalogue.h"
#include "workarea/store/EntryFiles.h"

namespace RecordItems {

namespace {

const QString userNameKey = QStringLiteral("ComplianceRecord/UserName");

} // namespace

const QList<int> &addressable()
{
    static const QList<int> list = [] {
        QList<int> numbers;
        for (int n = 1; n <= Catalogue::itemCount; ++n)
            if (const Catalogue::Item *item = Catalogue::item(n);
                item && !item->isOverview() && QString::fromLatin1(item->specification).endsWith(QLatin1String("(A)")))
                numbers.append(n);
        return numbers;
    }();
    return list;
}

bool isAddressable(int item)
{
    return addressable().contains(item);
}

const QList<int> &kinds()
{
    static const QList<int> list{EntryFiles::Action, EntryFiles::Comment, EntryFiles::Policy};
    return list;
}

QString kindName(int kind)
{
    switch (kind) {
    case EntryFiles::Action:
        return QStringLiteral("Action Taken");
    case EntryFiles::Comment:
        return QStringLiteral("Comments/Notes");
    case EntryFiles::Policy:
        return QStringLiteral("Policies & Procedures/Plan");
    default:
        return {};
    }
}

QString title(int item)
{
    const Catalogue::Item *found = Catalogue::item(item);
    if (!found)
        return {};
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(found->section),
                                        Catalogue::displayed(found->specification));
}

QString userName()
{
    const QString given = QSettings().value(userNameKey).toString().trimmed();
    if (!given.isEmpty())
        return given;
    return qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
}

void rememberUserName(const QString &name)
{
    if (!name.trimmed().isEmpty())
        QSettings().setValue(userNameKey, name.trimmed());
}

} // namespace RecordItems
