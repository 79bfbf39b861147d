#include "core/catalogue/Catalogue.h"

#include <array>

namespace Catalogue {

namespace {

constexpr std::array<Category, categoryCount> categories{{
    {"HIPAA Security Standards", "Office Action Area - HIPAA Security Standards", "", 0, -1, ""},
    {"Administrative Safeguards", "Office Action Area - Administrative Safeguards", "SSTab3", 23, 0, "164.308"},
    {"Physical Safeguards", "Office Action Area - Physical Safeguards", "SSTab4", 10, 23, "164.310"},
    {"Technical Safeguards", "Office Action Area - Technical Safeguards", "SSTab5", 9, 33, "164.312"},
    {"Organizational Require...", "Office Action Area - Organizational Requirements", "SSTab6", 3, 42, "164.314"},
    {"Policies and Proceedures ...",
     "Office Action Area - Policies and Procedures and Documentation Requirements", "SSTab7", 2, 45, "164.316"},
    {"Sample Safeguard Entry", "Office Action Area - Sample Safeguard Entry", "", 0, -1, ""},
}};

#include "core/catalogue/CatalogueItems.inc"

const Item sampleItem{15, 6, 0, "Sample Safeguard Entry", "Security Awareness and Training", "164.308(a)(5)",
                      "Password Management (A)", "Password Management", nullptr};

} // namespace

const Category &category(int number)
{
    if (number < 0 || number >= categoryCount)
        number = 0;
    return categories[static_cast<size_t>(number)];
}

bool hasItems(int number)
{
    return category(number).offset >= 0 && number >= 0 && number < categoryCount;
}

const Item *item(int categoryNumber, int tab)
{
    if (!hasItems(categoryNumber) || tab < 0 || tab >= category(categoryNumber).itemCount)
        return nullptr;
    return &items[static_cast<size_t>(category(categoryNumber).offset + tab)];
}

const Item *item(int number)
{
    if (number < 1 || number > itemCount)
        return nullptr;
    return &items[static_cast<size_t>(number - 1)];
}

const Item &sample()
{
    return sampleItem;
}

qint16 specificationNumber(int categoryNumber, int tab)
{
    const Item *found = item(categoryNumber, tab);
    return found ? static_cast<qint16>(found->number) : qint16(-1);
}

qint16 entryFileNumber(int categoryNumber, int tab)
{
    const qint16 number = specificationNumber(categoryNumber, tab);
    return number < 0 ? number : static_cast<qint16>(number - 1);
}

QString ruleSearchName(int number)
{
    const Item *found = item(number);
    return found ? QString::fromUtf8(found->searchName) : QString();
}

QString standardLabel(const Item &item)
{
    if (item.isOverview())
        return displayed(item.overviewTitle);
    return QStringLiteral(" Standard: ") + displayed(item.standard);
}

QString sectionLabel(const Item &item)
{
    return item.isOverview() ? QString() : QStringLiteral(" Section: ") + displayed(item.section);
}

QString specificationLabel(const Item &item)
{
    return item.isOverview() ? QString() : QStringLiteral(" Specification: ") + displayed(item.specification);
}

QString displayed(const char *stored)
{
    return displayed(QString::fromUtf8(stored));
}

QString displayed(const QString &stored)
{
    QString shown = stored;
    return shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QString specificationName(const Item &item)
{
    QString text = displayed(item.specification);
    if (item.requirement())
        text.chop(3);
    return text.trimmed();
}

} // namespace Catalogue
