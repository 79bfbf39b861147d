#include "reader/PrivRule1.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/Product.h"

PrivRule1::PrivRule1(QWidget *startScreen) : AreaWindow(1, QStringLiteral("The Security Rule"), startScreen)
{
    setObjectName(QStringLiteral("PrivRule1"));
    addAreaMenuItems({{0, QStringLiteral("&Home")},
                      {2, QStringLiteral("&Office Work Area")},
                      {3, QStringLiteral("&Miscellaneous")},
                      {4, QStringLiteral("&Exit Program")}});
    addSeparator(mO, QStringLiteral("mO1"));
    mOExit = addMenuItem(mO, QStringLiteral("mOExit"), QStringLiteral("E&xit"));
    connect(mOExit, &QAction::triggered, this, &PrivRule1::closeArea);

    auto *page = new QVBoxLayout(ownPage());
    page->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    SSCommand6 = new QPushButton(QStringLiteral("E&xit"), ownPage());
    SSCommand6->setObjectName(QStringLiteral("SSCommand6"));
    connect(SSCommand6, &QPushButton::clicked, this, &PrivRule1::SSCommand6_Click);
    buttons->addWidget(SSCommand6);
    page->addLayout(buttons);
    popupOver({SSTab1, SSCommand6});
}

QString PrivRule1::helpFile() const
{
    return Product::areaHelpFile;
}
