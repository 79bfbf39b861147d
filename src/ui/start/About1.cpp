#include "ui/start/About1.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include "ui/start/Emblem.h"
#include "core/workbook/HINFO1.h"
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

About1::About1(QWidget *startScreen) : QDialog(startScreen)
{
    setObjectName(QStringLiteral("About1"));
    setWindowTitle(QStringLiteral("About ") + Product::name);
    setModal(true);
    createControls();

    mO = new QMenu(this);
    mO->setObjectName(QStringLiteral("mO"));
    QAction *ok = mO->addAction(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("mOOK"));
    connect(ok, &QAction::triggered, this, &About1::Command1_Click);
    connect(Command1, &QPushButton::clicked, this, &About1::Command1_Click);
    auto *popup = new RightClickMenu(mO, this);
    for (QWidget *w : {static_cast<QWidget *>(Command1), static_cast<QWidget *>(Label3),
                       static_cast<QWidget *>(Label4), static_cast<QWidget *>(Label5),
                       static_cast<QWidget *>(SSPanel1)}) {
        if (w)
            popup->watch(w);
    }
    if (Label5)
        Label5->installEventFilter(this);
    Form_Load(startScreen);
}

void About1::createControls()
{
    // Every text is laid out whole: the box takes the size its contents need.
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SSPanel1 = new QFrame(this);
    SSPanel1->setObjectName(QStringLiteral("SSPanel1"));
    SSPanel1->setAccessibleName(Product::name);
    SSPanel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *panel = new QHBoxLayout(SSPanel1);
    panel->setSpacing(14);
    Image1 = label(SSPanel1, QStringLiteral("Image1"));
    Image1->setPixmap(emblem(64, QColor(0x1f, 0x3a, 0x5f)));
    Label1 = label(SSPanel1, QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image2 = label(SSPanel1, QStringLiteral("Image2"));
    Image2->setFixedSize(96, 96);
    Image2->setScaledContents(true);
    panel->addWidget(Image1, 0, Qt::AlignTop);
    panel->addWidget(Label1, 1);
    panel->addWidget(Image2, 0, Qt::AlignTop);
    layout->addWidget(SSPanel1);

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    layout->addWidget(Line1);

    Label2 = label(this, QStringLiteral("Label2"),
                   QStringLiteral("Unauthorized copying or distribution of this program, or of any part of it, is "
                                  "not permitted."));
    Label2->setAutoFillBackground(true);
    Label2->setWordWrap(true);
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("This program is protected by copyright law."));
    layout->addWidget(Label2);
    layout->addWidget(Label3);

    auto *bottom = new QHBoxLayout;
    if (!Product::webAddress().isEmpty()) {
        Label4 = label(this, QStringLiteral("Label4"), QStringLiteral("Web Site:"));
        Label5 = label(this, QStringLiteral("Label5"), Product::webSiteName);
        Label5->setCursor(Qt::PointingHandCursor);
        QFont link = Label5->font();
        link.setUnderline(true);
        Label5->setFont(link);
        bottom->addWidget(Label4);
        bottom->addWidget(Label5);
    }
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    bottom->addStretch();
    bottom->addWidget(Command1);
    layout->addLayout(bottom);
}

void About1::Form_Load(QWidget *startScreen)
{
    fillLabel1();
    layout()->activate();
    adjustSize();
    const QPoint origin = startScreen ? startScreen->pos() : QPoint();
    const int startWidth = Twips::toPixels(HINFO1::StartScreenWidth);
    const int startHeight = Twips::toPixels(HINFO1::StartScreenHeight);
    move(origin.x() + startWidth / 2 - width() / 2,
         origin.y() + startHeight / 2 - height() / 2 + Twips::toPixels(100));
    QPalette back = palette();
    back.setColor(QPalette::Window, Label2->palette().color(QPalette::Window));
    setPalette(back);
    Image2->setPixmap(QPixmap(ContentFolder::file(QStringLiteral("WP5.jpg"))));
}

void About1::fillLabel1()
{
    QStringList lines = {Product::name, Product::version, QString(),
                         QStringLiteral("Tessarel is a workbook for the HIPAA Security Rule,"),
                         QStringLiteral("45 CFR Part 164, Subpart C, for health-care providers,"),
                         QStringLiteral("health plans and health care clearinghouses."),
                         QStringLiteral("Built with the Qt toolkit, Hunspell and MyThes,"),
                         QStringLiteral("each under its own licence.")};
    if (!Product::webAddress().isEmpty())
        lines << QString() << QStringLiteral("Contact: through the web site below.");
    Label1->setText(lines.join(QLatin1Char('\n')));
}

void About1::Label5_Click()
{
    Dialogs::current().openWebAddress(Product::webAddress());
}

bool About1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label5 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Label5_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void About1::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    HINFO1::busyOff();
}
