#include "ui/shell/AreaTabs.h"

#include "ui/widgets/tabs/TabStrip.h"

namespace AreaTabs {

QStringList captions()
{
    return {QStringLiteral("Home"), QStringLiteral("The Security Rule"), QStringLiteral("Office Action Area"),
            QStringLiteral("Miscellaneous"), QStringLiteral("Exit Program")};
}

QTabWidget *create(QWidget *parent)
{
    auto *strip = new TabStrip(parent);
    strip->setObjectName(QStringLiteral("SSTab1"));
    strip->setAccessibleName(QStringLiteral("Areas"));
    const QStringList names = captions();
    for (int i = 0; i < names.size(); ++i) {
        auto *page = new QWidget(strip);
        page->setObjectName(QStringLiteral("SSTab1Page%1").arg(i));
        strip->addTab(page, names[i]);
    }
    return strip;
}

} // namespace AreaTabs
