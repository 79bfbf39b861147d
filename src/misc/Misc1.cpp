#include "misc/Misc1.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/HINFO1.h"
#include "app/Product.h"
#include "pagetools/PreviewPanel.h"

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

    previewPanel = new SSPanel80(SSPanel80::MiscArea, ownPage());
    popupOver({SSTab1, Command1[0], previewPanel->Label80});
    Form_Load();
}

void Misc1::Form_Load()
{
    // Both print options start checked; checking them must not ask for a rendering yet.
    for (QCheckBox *option : {previewPanel->SSCheck80[0], previewPanel->SSCheck81}) {
        const QSignalBlocker quiet(option);
        option->setChecked(true);
    }
    previewPanel->applyGuideLineSetting();
    QCoreApplication::processEvents();
}

void Misc1::Form_Activate()
{
    previewPanel->saveNormalLayout();
    HINFO1::busyOff();
}

int Misc1::helpTopic() const
{
    return previewPanel->isVisible() ? 1014 : 3014;
}

QString Misc1::helpFile() const
{
    return Product::helpFile;
}

void Misc1::escapePressed()
{
    if (!previewPanel->handleEscape())
        closeArea();
}
