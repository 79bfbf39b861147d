#include "ui/workarea/WorkAreaWindow.h"
#include "ui/risk/RiskRegisterCommand.h"
#include "ui/record/RecordBar.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/workbook/ProgramState.h"
#include "core/workbook/Product.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/widgets/tabs/TabStrip.h"
#include "ui/preview/GridBackgroundSelector.h"
#include "ui/preview/PreviewPanel.h"
#include "core/print/PrinterSettings.h"
#include "ui/workarea/WorkAreaPreview.h"
#include "ui/workarea/ReferenceViews.h"
#include "core/catalogue/Catalogue.h"
#include "ui/workarea/StatusBox.h"

namespace {

template <typename T> T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *label(const QString &name, const QString &caption, QWidget *parent)
{
    return named(new QLabel(caption, parent), name);
}

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    return named(new QPushButton(caption, parent), name);
}

QRadioButton *option(const QString &name, const char *storedCaption, QWidget *parent)
{
    // A radio button's "&&" is one ampersand already; "&" marks the access key as usual.
    return named(new QRadioButton(QString::fromUtf8(storedCaption), parent), name);
}

// A frame holding options one under the other, or side by side.
QGroupBox *frame(const QString &name, const QString &caption, const QList<QRadioButton *> &options,
                 Qt::Orientation orientation = Qt::Vertical)
{
    auto *box = named(new QGroupBox(caption), name);
    QBoxLayout *column =
        orientation == Qt::Vertical ? static_cast<QBoxLayout *>(new QVBoxLayout(box)) : new QHBoxLayout(box);
    column->setContentsMargins(8, 2, 8, 2);
    column->setSpacing(0);
    for (QRadioButton *o : options) {
        o->setParent(box);
        column->addWidget(o);
    }
    return box;
}

} // namespace

WorkAreaWindow::WorkAreaWindow(QWidget *startScreen, WorkAreaHooks hooks)
    : AreaWindow(ProgramState::OfficeActionArea,
                 QString::fromUtf8(Catalogue::category(Catalogue::overviewCategory).windowCaption),
                 startScreen),
      m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("WorkArea1"));
    if (!m_hooks.printOverview)
        m_hooks.printOverview = [this] { printing->printOverviewClicked(); };
    if (!m_hooks.printEntry)
        m_hooks.printEntry = [this] { printing->printClicked(); };
    auto *page = new QVBoxLayout(ownPage());
    page->setContentsMargins(4, 4, 4, 4);
    sectionTabs = named(new TabStrip(ownPage()), QStringLiteral("SSTab2"));
    sectionTabs->setAccessibleName(QStringLiteral("Safeguard categories"));
    page->addWidget(sectionTabs);
    backdropLabel = label(QStringLiteral("Label1"), QString(), ownPage());
    backdropLabel->hide();

    auto *overview = new QWidget;
    createOverviewPage(overview);
    sectionTabs->addTab(overview,
                        QString::fromUtf8(Catalogue::category(Catalogue::overviewCategory).tabCaption));
    for (int c = 1; c <= 5; ++c) {
        const auto &category = Catalogue::category(c);
        auto *strip = named(new TabStrip, QString::fromUtf8(category.innerTabStrip));
        strip->installEventFilter(this);
        strip->setAccessibleName(QString::fromUtf8(category.tabCaption));
        for (int t = 0; t < category.itemCount; ++t)
            strip->addTab(new QWidget, QString::fromUtf8(Catalogue::item(c, t)->tabCaption));
        innerTabs << strip;
        m_shownItem << 0;
        sectionTabs->addTab(strip, QString::fromUtf8(category.tabCaption));
        connect(strip, &QTabWidget::currentChanged, this, [this, c] { innerTabClicked(c); });
    }
    auto *samplePage = new QWidget;
    sampleHeading = label(QStringLiteral("Label12"),
                          QStringLiteral("Sample Entries for the Password Management Safeguard"), samplePage);
    sampleHeading->move(12, 8);
    sectionTabs->addTab(samplePage,
                        QString::fromUtf8(Catalogue::category(Catalogue::sampleCategory).tabCaption));

    createWorkPanel(ownPage());
    previewPanel = new PreviewPanel(PreviewPanel::WorkArea, ownPage());
    referenceBuffers = {new RichTextBox(this), new RichTextBox(this), new RichTextBox(this)};
    for (int i = 0; i < referenceBuffers.size(); ++i) {
        referenceBuffers[i]->setObjectName(QStringLiteral("RText1(%1)").arg(i));
        referenceBuffers[i]->hide();
    }
    m_references = std::make_unique<ReferenceViews>(*referenceBuffers[0], *referenceBuffers[1],
                                                    *referenceBuffers[2], *entryEditor);
    printing = new WorkAreaPreview(*this);
    createMenu();
    sectionTabs->installEventFilter(this);
    overviewGrid->installEventFilter(this);
    connect(sectionTabs, &QTabWidget::currentChanged, this, &WorkAreaWindow::sectionTabClicked);
    holdWhileReadOnly({saveButton, saveAction, fontButton, fontAction, thesaurusButton, thesaurusAction,
                       spellButton, spellAction, statusBox, alignmentFrame, gridMenuAction});
    holdAllWhileReadOnly(previewPanel->guideLineOptions);
    load();
}

WorkAreaWindow::~WorkAreaWindow()
{
    // Hiding the dialog in its base destructor moves the focus: this part of the window is gone by then.
    disconnect(entryEditor, nullptr, this, nullptr);
}

void WorkAreaWindow::createOverviewPage(QWidget *page)
{
    auto *grid = new QGridLayout(page);
    overviewTitle = label(QStringLiteral("Label2"), QStringLiteral("HIPAA Security Standards"), page);
    QFont heading = overviewTitle->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    overviewTitle->setFont(heading);
    overviewHeading = label(QStringLiteral("Label3"), QString(), page);
    QFont sub = overviewHeading->font();
    sub.setBold(true);
    overviewHeading->setFont(sub);
    overviewLegend =
        label(QStringLiteral("Label4"), QStringLiteral("*  R = Required;  A = Addressable"), page);
    categoryOptions = {option(QStringLiteral("SSOption1(0)"), "Administrative Safeguards", page),
                       option(QStringLiteral("SSOption1(1)"), "Physical Safeguards", page),
                       option(QStringLiteral("SSOption1(2)"), "Technical Safeguards", page)};
    categoryFrame =
        frame(QStringLiteral("SSFrame1"), QStringLiteral("Security Standard Safeguards"), categoryOptions);
    for (int i = 0; i < categoryOptions.size(); ++i)
        connect(categoryOptions[i], &QRadioButton::clicked, this, [this, i] { categoryOptionClicked(i); });
    overviewGrid = named(new QTableWidget(page), QStringLiteral("VSGd1"));
    overviewGrid->setAccessibleName(QStringLiteral("Status overview"));
    overviewGrid->setColumnCount(5);
    overviewGrid->horizontalHeader()->hide();
    overviewGrid->verticalHeader()->hide();
    overviewGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    overviewGrid->setWordWrap(true);
    // Small type, so the implementation specifications column holds its lines unbroken.
    QFont cells = overviewGrid->font();
    cells.setPointSizeF(8);
    overviewGrid->setFont(cells);
    printOverviewButton = button(QStringLiteral("SSCommand3"), QStringLiteral("&Print"), page);
    overviewExitButton = button(QStringLiteral("SSCommand4"), QStringLiteral("E&xit"), page);
    connect(overviewExitButton, &QPushButton::clicked, this, &WorkAreaWindow::closeArea);
    if (m_hooks.printOverview)
        connect(printOverviewButton, &QPushButton::clicked, this, [this] { m_hooks.printOverview(); });
    printOverviewButton->setEnabled(bool(m_hooks.printOverview));

    grid->addWidget(overviewTitle, 0, 0, Qt::AlignHCenter);
    grid->addWidget(overviewHeading, 1, 0, Qt::AlignHCenter);
    grid->addWidget(overviewGrid, 2, 0, 3, 1);
    grid->addWidget(overviewLegend, 5, 0);
    grid->addWidget(categoryFrame, 2, 1);
    grid->addWidget(printOverviewButton, 3, 1);
    grid->addWidget(overviewExitButton, 4, 1, Qt::AlignTop);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(4, 1);
}

void WorkAreaWindow::createWorkPanel(QWidget *parent)
{
    itemPanel = named(new QFrame(parent), QStringLiteral("SSPanel1"));
    itemPanel->setAccessibleName(QStringLiteral("Safeguard item"));
    itemPanel->setFrameShape(QFrame::Panel);
    itemPanel->setFrameShadow(QFrame::Raised);
    itemPanel->setAutoFillBackground(true);
    itemPanel->setPalette(backdropLabel->palette());
    auto *layout = new QGridLayout(itemPanel);
    standardText = label(QStringLiteral("Label5"), QStringLiteral("Standard"), itemPanel);
    sectionText = label(QStringLiteral("Label6"), QStringLiteral("Standard"), itemPanel);
    specificationText = label(QStringLiteral("Label7"), QStringLiteral("Standard"), itemPanel);
    for (QLabel *l : {standardText, sectionText, specificationText})
        l->setTextFormat(Qt::PlainText);
    statusCaption = label(QStringLiteral("Label9"), QStringLiteral("Current Status:"), itemPanel);
    statusBox = named(new StatusBox(itemPanel), QStringLiteral("Combo1"));
    statusBox->setMinimumContentsLength(12);
    statusCaption->setBuddy(statusBox);
    statusBox->lineEdit()->setAccessibleName(QStringLiteral("Current Status"));
    auto *labels = new QVBoxLayout;
    labels->setSpacing(2);
    labels->addWidget(standardText);
    labels->addWidget(sectionText);
    labels->addWidget(specificationText);
    auto *status = new QHBoxLayout;
    status->addWidget(statusCaption);
    status->addWidget(statusBox);
    status->addStretch();
    labels->addLayout(status);
    labels->addStretch();
    createRecordBar();
    auto *top = new QHBoxLayout;
    top->addLayout(labels);
    top->addWidget(recordBar, 1);
    layout->addLayout(top, 0, 0, 1, 2);

    entryEditor = named(new RichTextBox(itemPanel), QStringLiteral("Rtext3"));
    entryEditor->setBaseFont(QFont(QStringLiteral("Times New Roman"), 12));
    entryEditor->setAccessibleName(QStringLiteral("Entry and reference text"));
    layout->addWidget(createPanelControls(), 1, 0);
    layout->addWidget(entryEditor, 1, 1);
    layout->addWidget(m_commandRow, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
}

QWidget *WorkAreaWindow::createPanelControls()
{
    auto *column = new QWidget(itemPanel);
    auto *v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);
    actionTakenOption = option(QStringLiteral("SSOption3"), "Action Taken", column);
    commentsOption = option(QStringLiteral("SSOption4"), "Comments/Notes", column);
    policiesOption = option(QStringLiteral("SSOption5"), "Policies && Procedures/Plan", column);
    specificationOption = option(QStringLiteral("SSOption6"), "Implementation specification", column);
    ruleReferencesOption = option(QStringLiteral("SSOption2"), "References in Rule", column);
    additionalInfoOption = option(QStringLiteral("SSOption7"), "Additional Information", column);
    actionsFrame = frame(QStringLiteral("SSFrame3"), QStringLiteral("Actions"),
                         {actionTakenOption, commentsOption, policiesOption});
    referencesFrame = frame(QStringLiteral("SSFrame2"), QStringLiteral("References"),
                            {specificationOption, ruleReferencesOption, additionalInfoOption});
    m_views = new QButtonGroup(this);
    for (QRadioButton *o : {ruleReferencesOption, actionTakenOption, commentsOption, policiesOption,
                            specificationOption, additionalInfoOption}) {
        m_views->addButton(o);
        connect(o, &QRadioButton::toggled, this, [this, o](bool on) {
            if (on && !m_reverting)
                viewOptionClicked(o);
        });
    }
    alignmentOptions = {option(QStringLiteral("SSOption8(0)"), "Left", column),
                        option(QStringLiteral("SSOption8(1)"), "Center", column),
                        option(QStringLiteral("SSOption8(2)"), "Right", column)};
    alignmentFrame =
        frame(QStringLiteral("SSFrame4"), QStringLiteral("Text Location"), alignmentOptions, Qt::Horizontal);
    for (int i = 0; i < alignmentOptions.size(); ++i)
        connect(alignmentOptions[i], &QRadioButton::clicked, this, [this, i] { alignmentClicked(i); });
    v->addWidget(actionsFrame);
    v->addWidget(referencesFrame);
    v->addWidget(alignmentFrame);

    printButton = button(QStringLiteral("SSCommand5"), QStringLiteral("&Print"), column);
    saveButton = button(QStringLiteral("SSCommand6"), QStringLiteral("&Save"), column);
    exitButton = button(QStringLiteral("SSCommand7"), QStringLiteral("E&xit"), column);
    fontButton = button(QStringLiteral("SSCommand8"), QStringLiteral("&Font Select"), column);
    thesaurusButton = button(QStringLiteral("SSCommand9"), QStringLiteral("&Thesaurus"), column);
    spellButton = button(QStringLiteral("SSCommand10"), QStringLiteral("Spell &Check"), column);
    // Risk Analysis and Risk Management open the risk register.
    riskRegisterButton = RiskRegisterCommand::createButton(column);
    // The commands lie in one row under the text, leaving the column's height to the options.
    m_commandRow = new QWidget(itemPanel);
    auto *buttons = new QHBoxLayout(m_commandRow);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(4);
    for (QPushButton *b : {printButton, saveButton, fontButton, thesaurusButton, spellButton, riskRegisterButton, exitButton}) {
        b->setParent(m_commandRow);
        buttons->addWidget(b);
    }
    v->addStretch();
    connect(saveButton, &QPushButton::clicked, this, &WorkAreaWindow::saveClicked);
    connect(exitButton, &QPushButton::clicked, this, &WorkAreaWindow::exitClicked);
    return column;
}

void WorkAreaWindow::createMenu()
{
    addAreaMenuItems({{ProgramState::Home, QStringLiteral("&Home")},
                      {ProgramState::SecurityRule, QStringLiteral("&The Security Rule")},
                      {ProgramState::Miscellaneous, QStringLiteral("&Miscellaneous")},
                      {ProgramState::ExitProgram, QStringLiteral("&Exit Program")}});
    areaSeparator = addSeparator(optionsMenu, QStringLiteral("mO7"));
    gridBackground = new GridBackgroundSelector(optionsMenu, DisplaySettings::WorkAreaGridPicture);
    gridBackground->setParent(this);
    gridMenuAction = gridBackground->gridMenu->menuAction();
    connect(gridBackground, &GridBackgroundSelector::pictureChanged, this, [this](const QImage &picture) {
        m_gridPicture = picture;
        paintGridBackground();
    });
    const auto separator = [this](const char *name) {
        return addSeparator(optionsMenu, QString::fromLatin1(name));
    };
    gridSeparator = separator("mO8");
    fontAction = addMenuItem(optionsMenu, QStringLiteral("mOFont"), QStringLiteral("&Font Select"));
    fontSeparator = separator("mO1");
    spellAction = addMenuItem(optionsMenu, QStringLiteral("mOSpell"), QStringLiteral("&Spell Check"));
    spellSeparator = separator("mO2");
    thesaurusAction = addMenuItem(optionsMenu, QStringLiteral("mOThes"), QStringLiteral("&Thesaurus"));
    thesaurusSeparator = separator("mO3");
    printAction = addMenuItem(optionsMenu, QStringLiteral("mOPrint"), QStringLiteral("&Print"));
    printSeparator = separator("mO4");
    saveAction = addMenuItem(optionsMenu, QStringLiteral("mOSave"), QStringLiteral("&Save"));
    addRecordMenuItems();
    saveSeparator = separator("mO5");
    exitAction = addMenuItem(optionsMenu, QStringLiteral("mOExit"), QStringLiteral("E&xit"));
    for (QAction *a : {fontAction, fontSeparator, spellAction, spellSeparator, thesaurusAction,
                       thesaurusSeparator, printSeparator, saveAction})
        a->setVisible(false);
    connect(saveAction, &QAction::triggered, this, &WorkAreaWindow::saveClicked);
    connect(exitAction, &QAction::triggered, this, &WorkAreaWindow::exitClicked);
    connect(printAction, &QAction::triggered, this, [this] {
        const auto &hook =
            CurrentCategory == Catalogue::overviewCategory ? m_hooks.printOverview : m_hooks.printEntry;
        if (hook)
            hook();
    });
    const QList<std::pair<QPushButton *, QAction *>> tools{{printButton, nullptr},
                                                           {fontButton, fontAction},
                                                           {thesaurusButton, thesaurusAction},
                                                           {spellButton, spellAction}};
    const QList<const std::function<void()> *> hooks{&m_hooks.printEntry, &m_hooks.selectFont,
                                                     &m_hooks.thesaurus, &m_hooks.spellCheck};
    for (int i = 0; i < tools.size(); ++i) {
        const std::function<void()> &hook = *hooks[i];
        if (!hook) {
            tools[i].first->setEnabled(false);
            if (tools[i].second)
                tools[i].second->setEnabled(false);
            continue;
        }
        connect(tools[i].first, &QPushButton::clicked, this, [&hook] { hook(); });
        if (tools[i].second)
            connect(tools[i].second, &QAction::triggered, this, [&hook] { hook(); });
    }
    QList<QWidget *> popups{areaTabs,
                            sectionTabs,
                            backdropLabel,
                            overviewTitle,
                            overviewHeading,
                            overviewLegend,
                            standardText,
                            sectionText,
                            specificationText,
                            statusCaption,
                            sampleHeading,
                            printOverviewButton,
                            overviewExitButton,
                            printButton,
                            saveButton,
                            exitButton,
                            fontButton,
                            thesaurusButton,
                            spellButton,
                            categoryFrame,
                            referencesFrame,
                            actionsFrame,
                            alignmentFrame,
                            ruleReferencesOption,
                            actionTakenOption,
                            commentsOption,
                            policiesOption,
                            specificationOption,
                            additionalInfoOption,
                            itemPanel,
                            overviewGrid,
                            overviewGrid->viewport(),
                            previewPanel->orientationCaption};
    popups << QList<QWidget *>(categoryOptions.begin(), categoryOptions.end())
           << QList<QWidget *>(alignmentOptions.begin(), alignmentOptions.end());
    for (QTabWidget *strip : innerTabs)
        popups << strip;
    popupOver(popups);
}

void WorkAreaWindow::placeWorkPanel()
{
    if (!itemPanel || !previewPanel)
        return;
    const QRect tab = sectionTabs->geometry();
    int top = tab.top() + qRound(0.23 * tab.height());
    // Below the last row of the item tabs, whatever the width makes of them.
    if (Catalogue::hasItems(CurrentCategory)) {
        auto *strip = static_cast<TabStrip *>(innerTabs[CurrentCategory - 1]);
        const int rowsBottom = strip->mapTo(itemPanel->parentWidget(), QPoint(0, strip->tabRowsHeight())).y();
        top = qMax(top, rowsBottom + 2);
    }
    const int bottom = tab.top() + qRound(0.98 * tab.height());
    itemPanel->setGeometry(tab.left() + qRound(0.02 * tab.width()), top, qRound(0.96 * tab.width()),
                           qMax(0, bottom - top));
    itemPanel->raise();
    previewPanel->raise();
}

void WorkAreaWindow::load()
{
    // Category 0 is shown first; the status box is filled before any item can show a status.
    statusBox->addItems(StatusStore::values());
    statusBox->setCurrentIndex(-1);
    connect(statusBox, &StatusBox::picked, this, &WorkAreaWindow::statusChosen);
    selectCategory(Catalogue::overviewCategory);
    statusTable = StatusStore().readTable();
    previewPanel->setPalette(backdropLabel->palette());
    PrinterSettings::Font.assign(entryEditor->baseFont(), Qt::black);
    gridBackground->applyStored();
    previewPanel->applyGuideLineSetting();
    // The load goes on past the settings marker: from here on a guide-line click is the user's and is stored.
    ProgramState::SharedAnswer = 0;
    categoryOptions[0]->setChecked(true);
    itemPanel->hide();
    placeWorkPanel();
    paintGridBackground();
    fillOverview(0);
    connect(entryEditor, &RichTextBox::Change, this, &WorkAreaWindow::entryEdited);
    connect(entryEditor, &RichTextBox::Click, this, &WorkAreaWindow::entryClicked);
    connect(entryEditor, &RichTextBox::GotFocus, this, [this] { setTabStops(false); });
    connect(entryEditor, &RichTextBox::LostFocus, this, [this] { setTabStops(true); });
}

QString WorkAreaWindow::helpFile() const
{
    return Product::areaHelpFile;
}
