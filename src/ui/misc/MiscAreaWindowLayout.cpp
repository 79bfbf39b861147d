#include "ui/misc/MiscAreaWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/workbook/ProgramState.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/widgets/tabs/TabStrip.h"
#include "ui/misc/WebLinkLabel.h"
#include "core/workbook/WebSites.h"
#include "ui/preview/GridBackgroundSelector.h"
#include "ui/preview/PreviewPanel.h"

namespace {

const QString pageFont = QStringLiteral("Times New Roman");

QLabel *label(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

// Tabs with less padding beside their captions.
class NarrowTabStyle : public QProxyStyle
{
  public:
    explicit NarrowTabStyle(QObject *owner) { setParent(owner); }
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 12;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

void MiscAreaWindow::createControls()
{
    auto *page = new QVBoxLayout(ownPage());
    page->setContentsMargins(6, 6, 6, 6);
    // A row tab strip: its tabs tell assistive technology which one is selected.
    sectionTabs = new TabStrip(ownPage());
    sectionTabs->setObjectName(QStringLiteral("SSTab2"));
    sectionTabs->setAccessibleName(QStringLiteral("Miscellaneous pages"));
    // Seven tabs share one row at 800 pixels.
    sectionTabs->tabBar()->setFont(QFont(QStringLiteral("Arial"), 9));
    sectionTabs->tabBar()->setStyle(new NarrowTabStyle(sectionTabs->tabBar()));
    const QStringList captions{QStringLiteral("Program Information"),
                               QStringLiteral("Disclaimer"),
                               QStringLiteral("Addressable Safeguards"),
                               QStringLiteral("Privacy verses Security"),
                               QStringLiteral("To Do List"),
                               QStringLiteral("HIPAA Web Links"),
                               QStringLiteral("Additional Information")};
    for (int tab = 0; tab < captions.size(); ++tab) {
        QWidget *content = nullptr;
        if (tab == ToDoList) {
            todoArea = new PicturePanel(sectionTabs);
            todoArea->setObjectName(QStringLiteral("Panel3D1"));
            todoArea->setAccessibleName(captions[tab]);
            new QVBoxLayout(todoArea);
            content = todoArea;
        } else if (tab == WebLinks) {
            content = createWebLinksPage();
        } else {
            auto *box = new RichTextBox(sectionTabs);
            box->setObjectName(QStringLiteral("RText1(%1)").arg(pageBoxes.size()));
            box->setBaseFont(QFont(pageFont, 12));
            box->document()->setDocumentMargin(10);
            box->setLocked(true);
            box->setAccessibleName(captions[tab]);
            pageBoxes.append(box);
            content = box;
        }
        sectionTabs->addTab(content, captions[tab]);
    }
    page->addWidget(sectionTabs, 1);
    page->addWidget(createBottomRow());
    previewPanel = new PreviewPanel(PreviewPanel::MiscArea, ownPage());
}

QWidget *MiscAreaWindow::createWebLinksPage()
{
    auto *tab = new QWidget(sectionTabs);
    tab->setObjectName(QStringLiteral("webLinksPage"));
    tab->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(24, 0, 24, 12);
    webLinksHeading = label(QStringLiteral("Label1"), QString(), tab);
    webLinksHeading->setFont(QFont(pageFont, 16, QFont::Bold));
    webLinksHeading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    webLinksHeading->setAutoFillBackground(true);
    layout->addWidget(webLinksHeading);
    webLinksNote =
        label(QStringLiteral("Label3"),
              QStringLiteral(
                  "    The following websites may contain additional HIPPA information that may be of use "
                  "to you.  If your internet provider is running in the background, just click on the "
                  "link and you will be taken to that site."),
              tab);
    webLinksNote->setFont(QFont(pageFont, 12));
    webLinksNote->setWordWrap(true);
    layout->addWidget(webLinksNote);
    layout->addSpacing(12);
    for (int i = 0; i < WebSites::Count; ++i) {
        const WebSites::Site &site = WebSites::site(i);
        auto *link = new WebLinkLabel(site.caption, site.address, tab);
        link->setObjectName(QStringLiteral("Label4(%1)").arg(i));
        link->setFont(QFont(pageFont, 13));
        layout->addWidget(link, 0, Qt::AlignLeft);
        layout->addSpacing(6);
        webLinks.append(link);
    }
    layout->addStretch();
    return tab;
}

QWidget *MiscAreaWindow::createBottomRow()
{
    auto *row = new QWidget(ownPage());
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    dateLabel = label(QStringLiteral("Label7"), QStringLiteral("Date: "), row);
    dateLabel->setFont(QFont(pageFont, 11, QFont::Bold));
    layout->addWidget(dateLabel);
    layout->addStretch();
    exitButton = new QPushButton(QStringLiteral("E&xit"), row);
    exitButton->setObjectName(QStringLiteral("Command1(0)"));
    exitButton->setAutoDefault(false);
    layout->addWidget(exitButton);
    return row;
}

void MiscAreaWindow::createMenu()
{
    addAreaMenuItems({{ProgramState::Home, QStringLiteral("&Home")},
                      {ProgramState::SecurityRule, QStringLiteral("&The Security Rule")},
                      {ProgramState::OfficeActionArea, QStringLiteral("Office Action Area")},
                      {ProgramState::ExitProgram, QStringLiteral("&Exit Program")}});
    areaSeparator = addSeparator(optionsMenu, QStringLiteral("mO1"));
    gridBackground = new GridBackgroundSelector(optionsMenu, DisplaySettings::MiscGridPicture);
    gridBackground->setParent(this);
    gridMenuAction = gridBackground->gridMenu->menuAction();
    gridMenuAction->setObjectName(QStringLiteral("MOgrid"));
    gridSeparator = addSeparator(optionsMenu, QStringLiteral("mO7"));
    deleteItemAction =
        addMenuItem(optionsMenu, QStringLiteral("mODel"), QStringLiteral("&Delete Item from Grid"));
    clearGridAction = addMenuItem(optionsMenu, QStringLiteral("mOCl"), QStringLiteral("&Clear Grid"));
    insertRowAction = addMenuItem(optionsMenu, QStringLiteral("mOIN"), QStringLiteral("&Insert Row"));
    printAction = addMenuItem(optionsMenu, QStringLiteral("mOPrt"), QStringLiteral("&Print"));
    saveAction = addMenuItem(optionsMenu, QStringLiteral("mOS"), QStringLiteral("&Save"));
    spellAction = addMenuItem(optionsMenu, QStringLiteral("mOSpell"), QStringLiteral("Spell Chec&k"));
    spellSeparator = addSeparator(optionsMenu, QStringLiteral("mO2"));
    exitAction = addMenuItem(optionsMenu, QStringLiteral("mOEx"), QStringLiteral("E&xit"));
}

QList<QAction *> MiscAreaWindow::gridItems() const
{
    return {areaSeparator,   gridMenuAction, gridSeparator, deleteItemAction, clearGridAction,
            insertRowAction, printAction,    saveAction,    spellAction};
}

void MiscAreaWindow::connectControls()
{
    connect(sectionTabs, &QTabWidget::currentChanged, this, &MiscAreaWindow::sectionTabClicked);
    for (int i = 0; i < webLinks.size(); ++i)
        connect(webLinks[i], &WebLinkLabel::clicked, this, [this, i] { webLinkClicked(i); });
    connect(exitButton, &QPushButton::clicked, this, &MiscAreaWindow::exitClicked);
    connect(exitAction, &QAction::triggered, this, &MiscAreaWindow::exitClicked);
    connect(gridBackground, &GridBackgroundSelector::pictureChanged, this, &MiscAreaWindow::setGridPicture);
    connect(optionsMenu, &QMenu::aboutToShow, this, [this] { m_todo->hideCalendar(); });
    connect(helpMenu, &QAction::triggered, this, [this] { m_todo->hideCalendar(); });

    QList<QWidget *> popups{areaTabs,     sectionTabs, todoArea,      webLinksHeading,
                            webLinksNote, dateLabel,   exitButton};
    for (WebLinkLabel *link : std::as_const(webLinks))
        popups << link;
    watchRightClicks(popups);
}

void MiscAreaWindow::watchRightClicks(const QList<QWidget *> &widgets)
{
    for (QWidget *w : widgets)
        w->installEventFilter(this);
}

bool MiscAreaWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A right-button release over a watched control pops up the Options menu, unless the preview is up.
    if (event->type() == QEvent::MouseButtonRelease && watched != this) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            if (!previewPanel->isVisible()) {
                m_todo->optionsMenuRequested();
                optionsMenu->popup(mouse->globalPosition().toPoint());
            }
            return true;
        }
    }
    return AreaWindow::eventFilter(watched, event);
}
