#include "ui/reader/PrivRule1.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/workbook/HINFO1.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/preview/PanelColour.h"
#include "ui/preview/PreviewPanel.h"
#include "ui/reader/ReaderPreview.h"
#include "ui/reader/RulePages.h"
#include "ui/reader/SearchPanel.h"

namespace {

const QString pageFont = QStringLiteral("Times New Roman");

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

RichTextBox *pageBox(const QString &name, QWidget *parent)
{
    auto *box = new RichTextBox(parent);
    box->setObjectName(name);
    box->setBaseFont(QFont(pageFont, 12));
    box->setLocked(true);
    return box;
}

} // namespace

PrivRule1::PrivRule1(QWidget *startScreen) : AreaWindow(HINFO1::SecurityRule, QStringLiteral("The Security Rule"), startScreen)
{
    setObjectName(QStringLiteral("PrivRule1"));
    auto *page = new QHBoxLayout(ownPage());
    page->setContentsMargins(6, 6, 6, 6);
    page->setSpacing(8);
    page->addWidget(createOptionColumn());
    page->addWidget(createPageColumn(), 1);
    previewPanel = new SSPanel80(SSPanel80::Reader, ownPage());
    createMenu();
    connectControls();
    holdAllWhileReadOnly(previewPanel->SSOption82);
    Form_Load();
}

QWidget *PrivRule1::createOptionColumn()
{
    auto *column = new QWidget(ownPage());
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    SSFrame1 = new QGroupBox(QStringLiteral("HIPAA Security Rule"), column);
    SSFrame1->setObjectName(QStringLiteral("SSFrame1"));
    SSFrame1->setFont(QFont(pageFont, 9));
    auto *options = new QVBoxLayout(SSFrame1);
    options->setSpacing(0);
    options->setContentsMargins(6, 2, 6, 2);
    for (int n = 0; n < RulePages::count; ++n) {
        const RulePages::Page &rulePage = RulePages::page(n);
        auto *option = new QRadioButton(QString::fromUtf8(rulePage.caption), SSFrame1);
        option->setObjectName(QStringLiteral("SSOption1(%1)").arg(n));
        option->setToolTip(QString::fromUtf8(rulePage.tooltip));
        options->addWidget(option);
        SSOption1 << option;
    }
    // On a short screen the options scroll rather than push the window past the start screen's size.
    auto *scroller = new QScrollArea(column);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setAccessibleName(SSFrame1->title());
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidget(SSFrame1);
    scroller->setMinimumWidth(SSFrame1->sizeHint().width() + scroller->verticalScrollBar()->sizeHint().width());
    layout->addWidget(scroller, 1);
    return column;
}

QWidget *PrivRule1::createPageColumn()
{
    auto *column = new QWidget(ownPage());
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    Label1 = new QLabel(QStringLiteral("Health Insurance Reform: Security Standards; Final Rule"), column);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(QFont(pageFont, 12, QFont::Bold));
    Label1->setAlignment(Qt::AlignCenter);
    layout->addWidget(Label1);

    // The cover lies exactly over the page and shows only while a page loads.
    auto *pages = new QGridLayout;
    RText2 = pageBox(QStringLiteral("RText2"), column);
    RText = pageBox(QStringLiteral("RText"), column);
    RText2->setAccessibleName(QStringLiteral("Rule page"));
    RText->setAccessibleName(QStringLiteral("Rule page"));
    RText->setText(QStringLiteral("Loading the page..."));
    RText->hide();
    pages->addWidget(RText2, 0, 0);
    pages->addWidget(RText, 0, 0);
    layout->addLayout(pages, 1);

    Panel3D3 = new SearchPanel(*RText2, column);
    Panel3D3->hide();
    layout->addWidget(Panel3D3);

    auto *buttons = new QHBoxLayout;
    SSCommand4 = button(QStringLiteral("SSCommand4"), QStringLiteral("&Print"), column);
    SSCommand5 = button(QStringLiteral("SSCommand5"), QStringLiteral("&Search"), column);
    SSCommand3 = button(QStringLiteral("SSCommand3"), QStringLiteral("&Font Display"), column);
    SSCommand6 = button(QStringLiteral("SSCommand6"), QStringLiteral("E&xit"), column);
    buttons->addWidget(SSCommand4);
    buttons->addWidget(SSCommand5);
    buttons->addWidget(SSCommand3);
    Label8 = new QLabel(QStringLiteral("Right-click for the Options menu."), column);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setAlignment(Qt::AlignCenter);
    buttons->addWidget(Label8, 1);
    buttons->addWidget(SSCommand6);
    layout->addLayout(buttons);
    return column;
}

void PrivRule1::createMenu()
{
    addAreaMenuItems({{HINFO1::Home, QStringLiteral("&Home")},
                      {HINFO1::OfficeActionArea, QStringLiteral("&Office Work Area")},
                      {HINFO1::Miscellaneous, QStringLiteral("&Miscellaneous")},
                      {HINFO1::ExitProgram, QStringLiteral("&Exit Program")}});
    addSeparator(mO, QStringLiteral("mO1"));
    mOFD = addMenuItem(mO, QStringLiteral("mOFD"), QStringLiteral("&Font Display"));
    addSeparator(mO, QStringLiteral("mO2"));
    mOPrint = addMenuItem(mO, QStringLiteral("mOPrint"), QStringLiteral("&Print"));
    addSeparator(mO, QStringLiteral("mO3"));
    mOSearch = addMenuItem(mO, QStringLiteral("mOSearch"), QStringLiteral("&Search"));
    addSeparator(mO, QStringLiteral("mO4"));
    mOExit = addMenuItem(mO, QStringLiteral("mOExit"), QStringLiteral("E&xit"));
    addSeparator(mO, QStringLiteral("mO5"));
    mOAmended = addMenuItem(mO, QStringLiteral("mOAmended"), QStringLiteral("Show Rule Text as &Amended (2013)"));
    mOAmended->setCheckable(true);
    mOAmended->setChecked(amendedTextShown);
}

void PrivRule1::connectControls()
{
    for (int n = 0; n < SSOption1.size(); ++n)
        connect(SSOption1[n], &QRadioButton::clicked, this, [this, n] { SSOption1_Click(n); });
    connect(SSCommand3, &QPushButton::clicked, this, &PrivRule1::SSCommand3_Click);
    connect(mOFD, &QAction::triggered, this, &PrivRule1::SSCommand3_Click);
    connect(SSCommand4, &QPushButton::clicked, this, &PrivRule1::SSCommand4_Click);
    connect(mOPrint, &QAction::triggered, this, &PrivRule1::SSCommand4_Click);
    connect(SSCommand5, &QPushButton::clicked, this, &PrivRule1::SSCommand5_Click);
    connect(mOSearch, &QAction::triggered, this, &PrivRule1::SSCommand5_Click);
    connect(SSCommand6, &QPushButton::clicked, this, &PrivRule1::SSCommand6_Click);
    connect(mOExit, &QAction::triggered, this, &PrivRule1::SSCommand6_Click);
    connect(mOAmended, &QAction::triggered, this, &PrivRule1::mOAmended_Click);
    connect(previewPanel, &SSPanel80::renderRequested, this,
            [this] { ReaderPreview::render(*previewPanel->VSP1, *RText2); });

    QList<QWidget *> popups{SSTab1, Label1, Label8, Panel3D3, Panel3D3->Command5, Panel3D3->Command6,
                            SSCommand3, SSCommand4, SSCommand5, SSCommand6, SSFrame1};
    popups << QList<QWidget *>(SSOption1.begin(), SSOption1.end());
    popupOver(popups);
}

void PrivRule1::Form_Load()
{
    takeBackColour(*Panel3D3, *Label1);
    takeBackColour(*previewPanel, *Label1);
    previewPanel->applyGuideLineSetting();
    setPageCommandsEnabled(false, false);
}
