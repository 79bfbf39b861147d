#include "ui/reader/RuleReaderWindow.h"

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

#include "core/workbook/ProgramState.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/preview/PanelColour.h"
#include "ui/preview/PreviewPanel.h"
#include "ui/reader/ReaderPreview.h"
#include "core/rule/RulePages.h"
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

RuleReaderWindow::RuleReaderWindow(QWidget *startScreen)
    : AreaWindow(ProgramState::SecurityRule, QStringLiteral("The Security Rule"), startScreen)
{
    setObjectName(QStringLiteral("PrivRule1"));
    auto *page = new QHBoxLayout(ownPage());
    page->setContentsMargins(6, 6, 6, 6);
    page->setSpacing(8);
    page->addWidget(createOptionColumn());
    page->addWidget(createPageColumn(), 1);
    previewPanel = new PreviewPanel(PreviewPanel::Reader, ownPage());
    createMenu();
    connectControls();
    holdAllWhileReadOnly(previewPanel->guideLineOptions);
    load();
}

QWidget *RuleReaderWindow::createOptionColumn()
{
    auto *column = new QWidget(ownPage());
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    pageFrame = new QGroupBox(QStringLiteral("HIPAA Security Rule"), column);
    pageFrame->setObjectName(QStringLiteral("SSFrame1"));
    pageFrame->setFont(QFont(pageFont, 9));
    auto *options = new QVBoxLayout(pageFrame);
    options->setSpacing(0);
    options->setContentsMargins(6, 2, 6, 2);
    for (int n = 0; n < RulePages::count; ++n) {
        const RulePages::Page &rulePage = RulePages::page(n);
        auto *option = new QRadioButton(QString::fromUtf8(rulePage.caption), pageFrame);
        option->setObjectName(QStringLiteral("SSOption1(%1)").arg(n));
        option->setToolTip(QString::fromUtf8(rulePage.tooltip));
        options->addWidget(option);
        pageOptions << option;
    }
    // On a short screen the options scroll rather than push the window past the start screen's size.
    auto *scroller = new QScrollArea(column);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setAccessibleName(pageFrame->title());
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidget(pageFrame);
    scroller->setMinimumWidth(pageFrame->sizeHint().width() +
                              scroller->verticalScrollBar()->sizeHint().width());
    layout->addWidget(scroller, 1);
    return column;
}

QWidget *RuleReaderWindow::createPageColumn()
{
    auto *column = new QWidget(ownPage());
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    ruleTitle = new QLabel(QStringLiteral("Health Insurance Reform: Security Standards; Final Rule"), column);
    ruleTitle->setObjectName(QStringLiteral("Label1"));
    ruleTitle->setFont(QFont(pageFont, 12, QFont::Bold));
    ruleTitle->setAlignment(Qt::AlignCenter);
    layout->addWidget(ruleTitle);

    // The cover lies exactly over the page and shows only while a page loads.
    auto *pages = new QGridLayout;
    pageView = pageBox(QStringLiteral("RText2"), column);
    loadingCover = pageBox(QStringLiteral("RText"), column);
    pageView->setAccessibleName(QStringLiteral("Rule page"));
    loadingCover->setAccessibleName(QStringLiteral("Rule page"));
    loadingCover->setText(QStringLiteral("Loading the page..."));
    loadingCover->hide();
    pages->addWidget(pageView, 0, 0);
    pages->addWidget(loadingCover, 0, 0);
    layout->addLayout(pages, 1);

    searchPanel = new SearchPanel(*pageView, column);
    searchPanel->hide();
    layout->addWidget(searchPanel);

    auto *buttons = new QHBoxLayout;
    printButton = button(QStringLiteral("SSCommand4"), QStringLiteral("&Print"), column);
    searchButton = button(QStringLiteral("SSCommand5"), QStringLiteral("&Search"), column);
    fontButton = button(QStringLiteral("SSCommand3"), QStringLiteral("&Font Display"), column);
    exitButton = button(QStringLiteral("SSCommand6"), QStringLiteral("E&xit"), column);
    buttons->addWidget(printButton);
    buttons->addWidget(searchButton);
    buttons->addWidget(fontButton);
    rightClickHint = new QLabel(QStringLiteral("Right-click for the Options menu."), column);
    rightClickHint->setObjectName(QStringLiteral("Label8"));
    rightClickHint->setAlignment(Qt::AlignCenter);
    buttons->addWidget(rightClickHint, 1);
    buttons->addWidget(exitButton);
    layout->addLayout(buttons);
    return column;
}

void RuleReaderWindow::createMenu()
{
    addAreaMenuItems({{ProgramState::Home, QStringLiteral("&Home")},
                      {ProgramState::OfficeActionArea, QStringLiteral("&Office Work Area")},
                      {ProgramState::Miscellaneous, QStringLiteral("&Miscellaneous")},
                      {ProgramState::ExitProgram, QStringLiteral("&Exit Program")}});
    addSeparator(optionsMenu, QStringLiteral("mO1"));
    fontDisplayAction = addMenuItem(optionsMenu, QStringLiteral("mOFD"), QStringLiteral("&Font Display"));
    addSeparator(optionsMenu, QStringLiteral("mO2"));
    printAction = addMenuItem(optionsMenu, QStringLiteral("mOPrint"), QStringLiteral("&Print"));
    addSeparator(optionsMenu, QStringLiteral("mO3"));
    searchAction = addMenuItem(optionsMenu, QStringLiteral("mOSearch"), QStringLiteral("&Search"));
    addSeparator(optionsMenu, QStringLiteral("mO4"));
    exitAction = addMenuItem(optionsMenu, QStringLiteral("mOExit"), QStringLiteral("E&xit"));
    addSeparator(optionsMenu, QStringLiteral("mO5"));
    amendedTextAction = addMenuItem(optionsMenu, QStringLiteral("mOAmended"),
                                    QStringLiteral("Show Rule Text as &Amended (2013)"));
    amendedTextAction->setCheckable(true);
    amendedTextAction->setChecked(amendedTextShown);
}

void RuleReaderWindow::connectControls()
{
    for (int n = 0; n < pageOptions.size(); ++n)
        connect(pageOptions[n], &QRadioButton::clicked, this, [this, n] { pageOptionClicked(n); });
    connect(fontButton, &QPushButton::clicked, this, &RuleReaderWindow::fontClicked);
    connect(fontDisplayAction, &QAction::triggered, this, &RuleReaderWindow::fontClicked);
    connect(printButton, &QPushButton::clicked, this, &RuleReaderWindow::printClicked);
    connect(printAction, &QAction::triggered, this, &RuleReaderWindow::printClicked);
    connect(searchButton, &QPushButton::clicked, this, &RuleReaderWindow::searchClicked);
    connect(searchAction, &QAction::triggered, this, &RuleReaderWindow::searchClicked);
    connect(exitButton, &QPushButton::clicked, this, &RuleReaderWindow::exitClicked);
    connect(exitAction, &QAction::triggered, this, &RuleReaderWindow::exitClicked);
    connect(amendedTextAction, &QAction::triggered, this, &RuleReaderWindow::amendedTextClicked);
    connect(previewPanel, &PreviewPanel::renderRequested, this,
            [this] { ReaderPreview::render(*previewPanel->printPreview, *pageView); });

    QList<QWidget *> popups{areaTabs,
                            ruleTitle,
                            rightClickHint,
                            searchPanel,
                            searchPanel->searchButton,
                            searchPanel->closeButton,
                            fontButton,
                            printButton,
                            searchButton,
                            exitButton,
                            pageFrame};
    popups << QList<QWidget *>(pageOptions.begin(), pageOptions.end());
    popupOver(popups);
}

void RuleReaderWindow::load()
{
    takeBackColour(*searchPanel, *ruleTitle);
    takeBackColour(*previewPanel, *ruleTitle);
    previewPanel->applyGuideLineSetting();
    setPageCommandsEnabled(false, false);
}
