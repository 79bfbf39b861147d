#include "ui/start/AboutBox.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include "ui/start/Emblem.h"
#include "core/workbook/ProgramState.h"
#include "core/workbook/Product.h"
#include "ui/shell/RightClickMenu.h"
#include "core/workbook/Twips.h"
#include "core/workbook/WebSite.h"
#include "ui/widgets/Dialogs.h"
#include "core/files/ContentFolder.h"

namespace {
QLabel *label(QWidget *parent, const QString &name, const QString &text = {})
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}
} // namespace

AboutBox::AboutBox(QWidget *startScreen) : QDialog(startScreen)
{
    setObjectName(QStringLiteral("About1"));
    setWindowTitle(QStringLiteral("About ") + Product::name);
    setModal(true);
    createControls();

    optionsMenu = new QMenu(this);
    optionsMenu->setObjectName(QStringLiteral("mO"));
    QAction *ok = optionsMenu->addAction(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("mOOK"));
    connect(ok, &QAction::triggered, this, &AboutBox::okClicked);
    connect(okButton, &QPushButton::clicked, this, &AboutBox::okClicked);
    auto *popup = new RightClickMenu(optionsMenu, this);
    for (QWidget *w : {static_cast<QWidget *>(okButton), static_cast<QWidget *>(copyrightNotice),
                       static_cast<QWidget *>(webSiteCaption), static_cast<QWidget *>(webSiteLink),
                       static_cast<QWidget *>(headerPanel)}) {
        if (w)
            popup->watch(w);
    }
    if (webSiteLink)
        webSiteLink->installEventFilter(this);
    load(startScreen);
}

void AboutBox::createControls()
{
    // Every text is laid out whole: the box takes the size its contents need.
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    headerPanel = new QFrame(this);
    headerPanel->setObjectName(QStringLiteral("SSPanel1"));
    headerPanel->setAccessibleName(Product::name);
    headerPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *panel = new QHBoxLayout(headerPanel);
    panel->setSpacing(14);
    emblemImage = label(headerPanel, QStringLiteral("Image1"));
    emblemImage->setPixmap(emblem(64, QColor(0x1f, 0x3a, 0x5f)));
    programInfo = label(headerPanel, QStringLiteral("Label1"));
    programInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pictureImage = label(headerPanel, QStringLiteral("Image2"));
    pictureImage->setFixedSize(96, 96);
    pictureImage->setScaledContents(true);
    panel->addWidget(emblemImage, 0, Qt::AlignTop);
    panel->addWidget(programInfo, 1);
    panel->addWidget(pictureImage, 0, Qt::AlignTop);
    layout->addWidget(headerPanel);

    divider = new QFrame(this);
    divider->setObjectName(QStringLiteral("Line1"));
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    layout->addWidget(divider);

    copyingNotice =
        label(this, QStringLiteral("Label2"),
              QStringLiteral("Unauthorized copying or distribution of this program, or of any part of it, is "
                             "not permitted."));
    copyingNotice->setAutoFillBackground(true);
    copyingNotice->setWordWrap(true);
    copyrightNotice =
        label(this, QStringLiteral("Label3"), QStringLiteral("This program is protected by copyright law."));
    layout->addWidget(copyingNotice);
    layout->addWidget(copyrightNotice);

    auto *bottom = new QHBoxLayout;
    if (!Product::webAddress().isEmpty()) {
        webSiteCaption = label(this, QStringLiteral("Label4"), QStringLiteral("Web Site:"));
        webSiteLink = label(this, QStringLiteral("Label5"), Product::webSiteName);
        webSiteLink->setCursor(Qt::PointingHandCursor);
        QFont link = webSiteLink->font();
        link.setUnderline(true);
        webSiteLink->setFont(link);
        bottom->addWidget(webSiteCaption);
        bottom->addWidget(webSiteLink);
    }
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("Command1"));
    okButton->setDefault(true);
    bottom->addStretch();
    bottom->addWidget(okButton);
    layout->addLayout(bottom);
}

void AboutBox::load(QWidget *startScreen)
{
    fillLabel1();
    layout()->activate();
    adjustSize();
    const QPoint origin = startScreen ? startScreen->pos() : QPoint();
    const int startWidth = Twips::toPixels(ProgramState::StartScreenWidth);
    const int startHeight = Twips::toPixels(ProgramState::StartScreenHeight);
    move(origin.x() + startWidth / 2 - width() / 2,
         origin.y() + startHeight / 2 - height() / 2 + Twips::toPixels(100));
    QPalette back = palette();
    back.setColor(QPalette::Window, copyingNotice->palette().color(QPalette::Window));
    setPalette(back);
    pictureImage->setPixmap(QPixmap(ContentFolder::file(QStringLiteral("WP5.jpg"))));
}

void AboutBox::fillLabel1()
{
    QStringList lines = {Product::name,
                         Product::version,
                         QString(),
                         QStringLiteral("Tessarel is a workbook for the HIPAA Security Rule,"),
                         QStringLiteral("45 CFR Part 164, Subpart C, for health-care providers,"),
                         QStringLiteral("health plans and health care clearinghouses."),
                         QStringLiteral("Built with the Qt toolkit, Hunspell and MyThes,"),
                         QStringLiteral("each under its own licence.")};
    if (!Product::webAddress().isEmpty())
        lines << QString() << QStringLiteral("Contact: through the web site below.");
    programInfo->setText(lines.join(QLatin1Char('\n')));
}

void AboutBox::webSiteClicked()
{
    Dialogs::current().openWebAddress(Product::webAddress());
}

bool AboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == webSiteLink && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        webSiteClicked();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ProgramState::busyOff();
}
