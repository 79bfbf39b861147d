#include "workarea/WorkArea1.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/Product.h"
#include "workarea/Catalogue.h"

WorkArea1::WorkArea1(QWidget *startScreen)
    : AreaWindow(2, QString::fromUtf8(Catalogue::category(0).windowCaption), startScreen)
{
    setObjectName(QStringLiteral("WorkArea1"));
    addAreaMenuItems({{0, QStringLiteral("&Home")},
                      {1, QStringLiteral("&The Security Rule")},
                      {3, QStringLiteral("&Miscellaneous")},
                      {4, QStringLiteral("&Exit Program")}});
    addSeparator(mO, QStringLiteral("mO5"));
    mOExit = addMenuItem(mO, QStringLiteral("mOExit"), QStringLiteral("E&xit"));
    connect(mOExit, &QAction::triggered, this, &WorkArea1::SSCommand7_Click);

    auto *page = new QVBoxLayout(ownPage());
    page->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    SSCommand4 = new QPushButton(QStringLiteral("E&xit"), ownPage());
    SSCommand4->setObjectName(QStringLiteral("SSCommand4"));
    connect(SSCommand4, &QPushButton::clicked, this, &WorkArea1::closeArea);
    buttons->addWidget(SSCommand4);
    page->addLayout(buttons);
    SSCommand7 = new QPushButton(QStringLiteral("E&xit"), ownPage());
    SSCommand7->setObjectName(QStringLiteral("SSCommand7"));
    SSCommand7->hide();
    connect(SSCommand7, &QPushButton::clicked, this, &WorkArea1::SSCommand7_Click);
    popupOver({SSTab1, SSCommand4, SSCommand7});
}

QString WorkArea1::helpFile() const
{
    return Product::areaHelpFile;
}
