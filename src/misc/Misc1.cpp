#include "misc/Misc1.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/Product.h"

Misc1::Misc1(QWidget *startScreen) : AreaWindow(3, QStringLiteral("Miscellaneous"), startScreen)
{
    setObjectName(QStringLiteral("Misc1"));
    addAreaMenuItems({{0, QStringLiteral("&Home")},
                      {1, QStringLiteral("&The Security Rule")},
                      {2, QStringLiteral("Office Action Area")},
                      {4, QStringLiteral("&Exit Program")}});
    addSeparator(mO, QStringLiteral("mO2"));
    mOEx = addMenuItem(mO, QStringLiteral("mOEx"), QStringLiteral("E&xit"));
    connect(mOEx, &QAction::triggered, this, &Misc1::closeArea);

    auto *page = new QVBoxLayout(ownPage());
    page->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    Command1[0] = new QPushButton(QStringLiteral("E&xit"), ownPage());
    Command1[0]->setObjectName(QStringLiteral("Command1(0)"));
    connect(Command1[0], &QPushButton::clicked, this, &Misc1::closeArea);
    buttons->addWidget(Command1[0]);
    page->addLayout(buttons);
    popupOver({SSTab1, Command1[0]});
}

QString Misc1::helpFile() const
{
    return Product::helpFile;
}
