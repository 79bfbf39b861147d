#include "workarea/WorkArea1.h"

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

#include "app/HINFO1.h"
#include "app/Product.h"
#include "components/richtext/RichTextBox.h"
#include "components/tabs/TabStrip.h"
#include "pagetools/GridBackgroundSelector.h"
#include "pagetools/PreviewPanel.h"
#include "pagetools/PrinterSettings.h"
#include "pagetools/WorkAreaPreview.h"
#include "reports/ReferenceViews.h"
#include "workarea/Catalogue.h"
#include "workarea/StatusBox.h"
#include "ui/risk/RiskRegisterCommand.h"

namespace {

template <typename T>
T *named(T *widget, const QString &name)
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
    QBoxLayout *column = orientation == Qt::Vertical ? static_cast<QBoxLayout *>(new QVBoxLayout(box))
                                                     : new QHBoxLayout(box);
    column->setContentsMargins(8, 2, 8, 2);
    column->setSpacing(0);
    for (QRadioButton *o : options) {
        o->setParent(box);
        column->addWidget(o);
    }
    return box;
}

} // namespace

WorkArea1::WorkArea1(QWidget *startScreen, WorkAreaHooks hooks)
    : AreaWindow(HINFO1::OfficeActionArea,
                 QString::fromUtf8(Catalogue::category(Catalogue::overviewCategory).windowCaption), startScreen)
    , m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("WorkArea1"));
    if (!m_hooks.printOverview)
        m_hooks.printOverview = [this] { printing->SSCommand3_Click(); };
    if (!m_hooks.printEntry)
        m_hooks.printEntry = [this] { printing->SSCommand5_Click(); };
    auto *page = new QVBoxLayout(ownPage());
    page->setContentsMargins(4, 4, 4, 4);
    SSTab2 = named(new TabStrip(ownPage()), QStringLiteral("SSTab2"));
    SSTab2->setAccessibleName(QStringLiteral("Safeguard categories"));
    page->addWidget(SSTab2);
    Label1 = label(QStringLiteral("Label1"), QString(), ownPage());
    Label1->hide();

    auto *overview = new QWidget;
    createOverviewPage(overview);
    SSTab2->addTab(overview, QString::fromUtf8(Catalogue::category(Catalogue::overviewCategory).tabCaption));
    for (int c = 1; c <= 5; ++c) {
        const auto &category = Catalogue::category(c);
        auto *strip = named(new TabStrip, QString::fromUtf8(category.innerTabStrip));
        strip->installEventFilter(this);
        strip->setAccessibleName(QString::fromUtf8(category.tabCaption));
        for (int t = 0; t < category.itemCount; ++t)
            strip->addTab(new QWidget, QString::fromUtf8(Catalogue::item(c, t)->tabCaption));
        innerTabs << strip;
        m_shownItem << 0;
        SSTab2->addTab(strip, QString::fromUtf8(category.tabCaption));
        connect(strip, &QTabWidget::currentChanged, this, [this, c] { innerTab_Click(c); });
    }
    auto *samplePage = new QWidget;
    Label12 = label(QStringLiteral("Label12"), QStringLiteral("Sample Entries for the Password Management Safeguard"),
                    samplePage);
    Label12->move(12, 8);
    SSTab2->addTab(samplePage, QString::fromUtf8(Catalogue::category(Catalogue::sampleCategory).tabCaption));

    createWorkPanel(ownPage());
    previewPanel = new SSPanel80(SSPanel80::WorkArea, ownPage());
    RText1 = {new RichTextBox(this), new RichTextBox(this), new RichTextBox(this)};
    for (int i = 0; i < RText1.size(); ++i) {
        RText1[i]->setObjectName(QStringLiteral("RText1(%1)").arg(i));
        RText1[i]->hide();
    }
    m_references = std::make_unique<ReferenceViews>(*RText1[0], *RText1[1], *RText1[2], *Rtext3);
    printing = new WorkAreaPreview(*this);
    createMenu();
    SSTab2->installEventFilter(this);
    VSGd1->installEventFilter(this);
    connect(SSTab2, &QTabWidget::currentChanged, this, &WorkArea1::SSTab2_Click);
    holdWhileReadOnly({SSCommand6, mOSave, SSCommand8, mOFont, SSCommand9, mOThes, SSCommand10, mOSpell, Combo1,
                       SSFrame4, mOGridMenu});
    holdAllWhileReadOnly(previewPanel->SSOption82);
    Form_Load();
}

WorkArea1::~WorkArea1()
{
    // Hiding the dialog in its base destructor moves the focus: this part of the window is gone by then.
    disconnect(Rtext3, nullptr, this, nullptr);
}

void WorkArea1::createOverviewPage(QWidget *page)
{
    auto *grid = new QGridLayout(page);
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("HIPAA Security Standards"), page);
    QFont heading = Label2->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    Label2->setFont(heading);
    Label3 = label(QStringLiteral("Label3"), QString(), page);
    QFont sub = Label3->font();
    sub.setBold(true);
    Label3->setFont(sub);
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("*  R = Required;  A = Addressable"), page);
    SSOption1 = {option(QStringLiteral("SSOption1(0)"), "Administrative Safeguards", page),
                 option(QStringLiteral("SSOption1(1)"), "Physical Safeguards", page),
                 option(QStringLiteral("SSOption1(2)"), "Technical Safeguards", page)};
    SSFrame1 = frame(QStringLiteral("SSFrame1"), QStringLiteral("Security Standard Safeguards"), SSOption1);
    for (int i = 0; i < SSOption1.size(); ++i)
        connect(SSOption1[i], &QRadioButton::clicked, this, [this, i] { SSOption1_Click(i); });
    VSGd1 = named(new QTableWidget(page), QStringLiteral("VSGd1"));
    VSGd1->setAccessibleName(QStringLiteral("Status overview"));
    VSGd1->setColumnCount(5);
    VSGd1->horizontalHeader()->hide();
    VSGd1->verticalHeader()->hide();
    VSGd1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    VSGd1->setWordWrap(true);
    // Small type, so the implementation specifications column holds its lines unbroken.
    QFont cells = VSGd1->font();
    cells.setPointSizeF(8);
    VSGd1->setFont(cells);
    SSCommand3 = button(QStringLiteral("SSCommand3"), QStringLiteral("&Print"), page);
    SSCommand4 = button(QStringLiteral("SSCommand4"), QStringLiteral("E&xit"), page);
    connect(SSCommand4, &QPushButton::clicked, this, &WorkArea1::closeArea);
    if (m_hooks.printOverview)
        connect(SSCommand3, &QPushButton::clicked, this, [this] { m_hooks.printOverview(); });
    SSCommand3->setEnabled(bool(m_hooks.printOverview));

    grid->addWidget(Label2, 0, 0, Qt::AlignHCenter);
    grid->addWidget(Label3, 1, 0, Qt::AlignHCenter);
    grid->addWidget(VSGd1, 2, 0, 3, 1);
    grid->addWidget(Label4, 5, 0);
    grid->addWidget(SSFrame1, 2, 1);
    grid->addWidget(SSCommand3, 3, 1);
    grid->addWidget(SSCommand4, 4, 1, Qt::AlignTop);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(4, 1);

}

void WorkArea1::createWorkPanel(QWidget *parent)
{
    SSPanel1 = named(new QFrame(parent), QStringLiteral("SSPanel1"));
    SSPanel1->setAccessibleName(QStringLiteral("Safeguard item"));
    SSPanel1->setFrameShape(QFrame::Panel);
    SSPanel1->setFrameShadow(QFrame::Raised);
    SSPanel1->setAutoFillBackground(true);
    SSPanel1->setPalette(Label1->palette());
    auto *layout = new QGridLayout(SSPanel1);
    Label5 = label(QStringLiteral("Label5"), QStringLiteral("Standard"), SSPanel1);
    Label6 = label(QStringLiteral("Label6"), QStringLiteral("Standard"), SSPanel1);
    Label7 = label(QStringLiteral("Label7"), QStringLiteral("Standard"), SSPanel1);
    for (QLabel *l : {Label5, Label6, Label7})
        l->setTextFormat(Qt::PlainText);
    Label9 = label(QStringLiteral("Label9"), QStringLiteral("Current Status:"), SSPanel1);
    Combo1 = named(new StatusBox(SSPanel1), QStringLiteral("Combo1"));
    Combo1->setMinimumContentsLength(12);
    Label9->setBuddy(Combo1);
    Combo1->lineEdit()->setAccessibleName(QStringLiteral("Current Status"));
    auto *labels = new QVBoxLayout;
    labels->setSpacing(2);
    labels->addWidget(Label5);
    labels->addWidget(Label6);
    labels->addWidget(Label7);
    auto *status = new QHBoxLayout;
    status->addWidget(Label9);
    status->addWidget(Combo1);
    status->addStretch();
    labels->addLayout(status);
    layout->addLayout(labels, 0, 0, 1, 2);

    Rtext3 = named(new RichTextBox(SSPanel1), QStringLiteral("Rtext3"));
    Rtext3->setBaseFont(QFont(QStringLiteral("Times New Roman"), 12));
    Rtext3->setAccessibleName(QStringLiteral("Entry and reference text"));
    layout->addWidget(createPanelControls(), 1, 0);
    layout->addWidget(Rtext3, 1, 1);
    layout->addWidget(m_commandRow, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
}

QWidget *WorkArea1::createPanelControls()
{
    auto *column = new QWidget(SSPanel1);
    auto *v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);
    SSOption3 = option(QStringLiteral("SSOption3"), "Action Taken", column);
    SSOption4 = option(QStringLiteral("SSOption4"), "Comments/Notes", column);
    SSOption5 = option(QStringLiteral("SSOption5"), "Policies && Procedures/Plan", column);
    SSOption6 = option(QStringLiteral("SSOption6"), "Implementation specification", column);
    SSOption2 = option(QStringLiteral("SSOption2"), "References in Rule", column);
    SSOption7 = option(QStringLiteral("SSOption7"), "Additional Information", column);
    SSFrame3 = frame(QStringLiteral("SSFrame3"), QStringLiteral("Actions"), {SSOption3, SSOption4, SSOption5});
    SSFrame2 = frame(QStringLiteral("SSFrame2"), QStringLiteral("References"), {SSOption6, SSOption2, SSOption7});
    m_views = new QButtonGroup(this);
    for (QRadioButton *o : {SSOption2, SSOption3, SSOption4, SSOption5, SSOption6, SSOption7}) {
        m_views->addButton(o);
        connect(o, &QRadioButton::toggled, this, [this, o](bool on) {
            if (on && !m_reverting)
                viewOption_Click(o);
        });
    }
    SSOption8 = {option(QStringLiteral("SSOption8(0)"), "Left", column), option(QStringLiteral("SSOption8(1)"), "Center", column),
                 option(QStringLiteral("SSOption8(2)"), "Right", column)};
    SSFrame4 = frame(QStringLiteral("SSFrame4"), QStringLiteral("Text Location"), SSOption8, Qt::Horizontal);
    for (int i = 0; i < SSOption8.size(); ++i)
        connect(SSOption8[i], &QRadioButton::clicked, this, [this, i] { SSOption8_Click(i); });
    v->addWidget(SSFrame3);
    v->addWidget(SSFrame2);
    v->addWidget(SSFrame4);

    SSCommand5 = button(QStringLiteral("SSCommand5"), QStringLiteral("&Print"), column);
    SSCommand6 = button(QStringLiteral("SSCommand6"), QStringLiteral("&Save"), column);
    SSCommand7 = button(QStringLiteral("SSCommand7"), QStringLiteral("E&xit"), column);
    SSCommand8 = button(QStringLiteral("SSCommand8"), QStringLiteral("&Font Select"), column);
    SSCommand9 = button(QStringLiteral("SSCommand9"), QStringLiteral("&Thesaurus"), column);
    SSCommand10 = button(QStringLiteral("SSCommand10"), QStringLiteral("Spell &Check"), column);
    // Risk Analysis and Risk Management open the risk register.
    riskRegisterButton = RiskRegisterCommand::createButton(column);
    // The commands lie in one row under the text, leaving the column's height to the options.
    m_commandRow = new QWidget(SSPanel1);
    auto *buttons = new QHBoxLayout(m_commandRow);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(4);
    for (QPushButton *b : {SSCommand5, SSCommand6, SSCommand8, SSCommand9, SSCommand10, riskRegisterButton, SSCommand7}) {
        b->setParent(m_commandRow);
        buttons->addWidget(b);
    }
    v->addStretch();
    connect(SSCommand6, &QPushButton::clicked, this, &WorkArea1::SSCommand6_Click);
    connect(SSCommand7, &QPushButton::clicked, this, &WorkArea1::SSCommand7_Click);
    return column;
}

void WorkArea1::createMenu()
{
    addAreaMenuItems({{HINFO1::Home, QStringLiteral("&Home")},
                      {HINFO1::SecurityRule, QStringLiteral("&The Security Rule")},
                      {HINFO1::Miscellaneous, QStringLiteral("&Miscellaneous")},
                      {HINFO1::ExitProgram, QStringLiteral("&Exit Program")}});
    mO7 = addSeparator(mO, QStringLiteral("mO7"));
    gridBackground = new GridBackgroundSelector(mO, DisplaySettings::WorkAreaGridPicture);
    gridBackground->setParent(this);
    mOGridMenu = gridBackground->mOGrid->menuAction();
    connect(gridBackground, &GridBackgroundSelector::pictureChanged, this, [this](const QImage &picture) {
        m_gridPicture = picture;
        paintGridBackground();
    });
    const auto separator = [this](const char *name) { return addSeparator(mO, QString::fromLatin1(name)); };
    mO8 = separator("mO8");
    mOFont = addMenuItem(mO, QStringLiteral("mOFont"), QStringLiteral("&Font Select"));
    mO1 = separator("mO1");
    mOSpell = addMenuItem(mO, QStringLiteral("mOSpell"), QStringLiteral("&Spell Check"));
    mO2 = separator("mO2");
    mOThes = addMenuItem(mO, QStringLiteral("mOThes"), QStringLiteral("&Thesaurus"));
    mO3 = separator("mO3");
    mOPrint = addMenuItem(mO, QStringLiteral("mOPrint"), QStringLiteral("&Print"));
    mO4 = separator("mO4");
    mOSave = addMenuItem(mO, QStringLiteral("mOSave"), QStringLiteral("&Save"));
    mO5 = separator("mO5");
    mOExit = addMenuItem(mO, QStringLiteral("mOExit"), QStringLiteral("E&xit"));
    for (QAction *a : {mOFont, mO1, mOSpell, mO2, mOThes, mO3, mO4, mOSave})
        a->setVisible(false);
    connect(mOSave, &QAction::triggered, this, &WorkArea1::SSCommand6_Click);
    connect(mOExit, &QAction::triggered, this, &WorkArea1::SSCommand7_Click);
    connect(mOPrint, &QAction::triggered, this, [this] {
        const auto &hook = CurrentCategory == Catalogue::overviewCategory ? m_hooks.printOverview : m_hooks.printEntry;
        if (hook)
            hook();
    });
    const QList<std::pair<QPushButton *, QAction *>> tools{{SSCommand5, nullptr}, {SSCommand8, mOFont},
                                                           {SSCommand9, mOThes}, {SSCommand10, mOSpell}};
    const QList<const std::function<void()> *> hooks{&m_hooks.printEntry, &m_hooks.selectFont, &m_hooks.thesaurus,
                                                    &m_hooks.spellCheck};
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
    QList<QWidget *> popups{SSTab1, SSTab2, Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label9, Label12,
                            SSCommand3, SSCommand4, SSCommand5, SSCommand6, SSCommand7, SSCommand8, SSCommand9,
                            SSCommand10, SSFrame1, SSFrame2, SSFrame3, SSFrame4, SSOption2, SSOption3, SSOption4,
                            SSOption5, SSOption6, SSOption7, SSPanel1, VSGd1, VSGd1->viewport(), previewPanel->Label80};
    popups << QList<QWidget *>(SSOption1.begin(), SSOption1.end()) << QList<QWidget *>(SSOption8.begin(), SSOption8.end());
    for (QTabWidget *strip : innerTabs)
        popups << strip;
    popupOver(popups);
}

void WorkArea1::placeWorkPanel()
{
    if (!SSPanel1 || !previewPanel)
        return;
    const QRect tab = SSTab2->geometry();
    int top = tab.top() + qRound(0.23 * tab.height());
    // Below the last row of the item tabs, whatever the width makes of them.
    if (Catalogue::hasItems(CurrentCategory)) {
        auto *strip = static_cast<TabStrip *>(innerTabs[CurrentCategory - 1]);
        const int rowsBottom = strip->mapTo(SSPanel1->parentWidget(), QPoint(0, strip->tabRowsHeight())).y();
        top = qMax(top, rowsBottom + 2);
    }
    const int bottom = tab.top() + qRound(0.98 * tab.height());
    SSPanel1->setGeometry(tab.left() + qRound(0.02 * tab.width()), top, qRound(0.96 * tab.width()),
                          qMax(0, bottom - top));
    SSPanel1->raise();
    previewPanel->raise();
}

void WorkArea1::Form_Load()
{
    // Category 0 is shown first; the status box is filled before any item can show a status.
    Combo1->addItems(StatusStore::values());
    Combo1->setCurrentIndex(-1);
    connect(Combo1, &StatusBox::picked, this, &WorkArea1::Combo1_Click);
    selectCategory(Catalogue::overviewCategory);
    statusTable = StatusStore().readTable();
    previewPanel->setPalette(Label1->palette());
    PrinterSettings::Font.assign(Rtext3->baseFont(), Qt::black);
    gridBackground->applyStored();
    previewPanel->applyGuideLineSetting();
    // The load goes on past the settings marker: from here on a guide-line click is the user's and is stored.
    HINFO1::SharedAnswer = 0;
    SSOption1[0]->setChecked(true);
    SSPanel1->hide();
    placeWorkPanel();
    paintGridBackground();
    fillOverview(0);
    connect(Rtext3, &RichTextBox::Change, this, &WorkArea1::Rtext3_Change);
    connect(Rtext3, &RichTextBox::Click, this, &WorkArea1::Rtext3_Click);
    connect(Rtext3, &RichTextBox::GotFocus, this, [this] { setTabStops(false); });
    connect(Rtext3, &RichTextBox::LostFocus, this, [this] { setTabStops(true); });
}

QString WorkArea1::helpFile() const
{
    return Product::areaHelpFile;
}
