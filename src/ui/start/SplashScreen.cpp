#include "ui/start/SplashScreen.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/start/Emblem.h"
#include "core/workbook/ProgramState.h"
#include "core/workbook/Product.h"

namespace {

QLabel *picture(QWidget *parent, const QString &name, const QPixmap &pixmap)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(pixmap);
    return label;
}

} // namespace

SplashScreen::SplashScreen(QWidget *parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Splash1"));
    setModal(true);
    const QColor navy(0x1f, 0x3a, 0x5f);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("SSPanel3"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(3);
    panel->setAutoFillBackground(true);
    titlePanel = panel;
    outer->addWidget(panel);

    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(24, 20, 24, 20);
    row->setSpacing(18);
    row->addWidget(picture(panel, QStringLiteral("Image1"), emblem(96, navy)));

    auto *texts = new QVBoxLayout;
    titleLabels[0] = new QLabel(QStringLiteral("HIPAA Security Standards"), panel);
    titleLabels[1] = new QLabel(Product::name, panel);
    titleLabels[0]->setObjectName(QStringLiteral("Label8(0)"));
    titleLabels[1]->setObjectName(QStringLiteral("Label8(1)"));
    QFont heading(QStringLiteral("Times New Roman"), 16, QFont::Bold);
    QFont product(QStringLiteral("Times New Roman"), 30, QFont::Bold);
    titleLabels[0]->setFont(heading);
    titleLabels[1]->setFont(product);
    titleLabels[0]->setAutoFillBackground(true);
    QPalette labelPalette = titleLabels[0]->palette();
    labelPalette.setColor(QPalette::Window, QColor(0xe8, 0xee, 0xf5));
    labelPalette.setColor(QPalette::WindowText, navy);
    titleLabels[0]->setPalette(labelPalette);
    titleLabels[1]->setPalette(labelPalette);
    versionLabel = new QLabel(QStringLiteral(" ") + Product::version, panel);
    versionLabel->setObjectName(QStringLiteral("Label3"));
    texts->addWidget(titleLabels[0]);
    texts->addWidget(titleLabels[1]);
    texts->addWidget(versionLabel);
    row->addLayout(texts);
    row->addWidget(picture(panel, QStringLiteral("Image2"), emblem(48, navy.lighter(150))), 0,
                   Qt::AlignBottom);

    // The panel takes the back colour of the first title label.
    QPalette panelPalette = panel->palette();
    panelPalette.setColor(QPalette::Window, titleLabels[0]->palette().color(QPalette::Window));
    panel->setPalette(panelPalette);

    adjustSize();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.left() + screen.width() / 2 - width() / 2, screen.top() + screen.height() / 2 - height() / 2);
}

int SplashScreen::run()
{
    show();
    raise();
    QCoreApplication::processEvents();
    focusReceived();
    return result();
}

void SplashScreen::focusReceived()
{
    repaint();
    ProgramState::startupPause();
    ProgramState::startupPause();
    accept();
}
