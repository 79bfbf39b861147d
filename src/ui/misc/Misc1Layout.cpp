#include "ui/misc/Misc1.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/workbook/HINFO1.h"
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
    explicit NarrowTabStyle(QObject *owner)
    {
        setParent(owner);
    }
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 12;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

void Misc1::createControls()
{
    auto *page = new QVBoxLayout(ownPage());
    page->setContentsMargins(6, 6, 6, 6);
    // A row tab strip: its tabs tell assistive technology which one is selected.
    SSTab2 = new TabStrip(ownPage());
    SSTab2->setObjectName(QStringLiteral("SSTab2"));
    SSTab2->setAccessibleName(QStringLiteral("Miscellaneous pages"));
    // Seven tabs share one row at 800 pixels.
    SSTab2->tabBar()->setFont(QFont(QStringLiteral("Arial"), 9));
    SSTab2->tabBar()->setStyle(new NarrowTabStyle(SSTab2->tabBar()));
    const QStringList captions{QStringLiteral("Program Information"), QStringLiteral("Disclaimer"),
                               QStringLiteral("Addressable Safeguards"), QStringLiteral("Privacy verses Security"),
                               QStringLiteral("To Do List"), QStringLiteral("HIPAA Web Links"),
                               QStringLiteral("Additional Information")};
    for (int tab = 0; tab < captions.size(); ++tab) {
        QWidget *content = nullptr;
        if (tab == ToDoList) {
            Panel3D1 = new PicturePanel(SSTab2);
            Panel3D1->setObjectName(QStringLiteral("Panel3D1"));
            Panel3D1->setAccessibleName(captions[tab]);
            new QVBoxLayout(Panel3D1);
            content = Panel3D1;
        } else if (tab == WebLinks) {
            content = createWebLinksPage();
        } else {
            auto *box = new RichTextBox(SSTab2);
            box->setObjectName(QStringLiteral("RText1(%1)").arg(RText1.size()));
            box->setBaseFont(QFont(pageFont, 12));
            box->document()->setDocumentMargin(10);
            box->setLocked(true);
            box->setAccessibleName(captions[tab]);
            RText1.append(box);
            content = box;
        }
        SSTab2->addTab(content, captions[tab]);
    }
    page->addWidget(SSTab2, 1);
    page->addWidget(createBottomRow());
    previewPanel = new SSPanel80(SSPanel80::MiscArea, ownPage());
}

QWidget *Misc1::createWebLinksPage()
{
    auto *tab = new QWidget(SSTab2);
    tab->setObjectName(QStringLiteral("webLinksPage"));
    tab->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(24, 0, 24, 12);
    Label1 = label(QStringLiteral("Label1"), QString(), tab);
    Label1->setFont(QFont(pageFont, 16, QFont::Bold));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setAutoFillBackground(true);
    layout->addWidget(Label1);
    Label3 = label(QStringLiteral("Label3"),
                   QStringLiteral("    The following websites may contain additional HIPPA information that may be of use "
                                  "to you.  If your internet provider is running in the background, just click on the "
                                  "link and you will be taken to that site."),
                   tab);
    Label3->setFont(QFont(pageFont, 12));
    Label3->setWordWrap(true);
    layout->addWidget(Label3);
    layout->addSpacing(12);
    for (int i = 0; i < WebSites::Count; ++i) {
        const WebSites::Site &site = WebSites::site(i);
        auto *link = new WebLinkLabel(site.caption, site.address, tab);
        link->setObjectName(QStringLiteral("Label4(%1)").arg(i));
        link->setFont(QFont(pageFont, 13));
        layout->addWidget(link, 0, Qt::AlignLeft);
        layout->addSpacing(6);
        Label4.append(link);
    }
    layout->addStretch();
    return tab;
}

QWidget *Misc1::createBottomRow()
{
    auto *row = new QWidget(ownPage());
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    Label7 = label(QStringLiteral("Label7"), QStringLiteral("Date: "), row);
    Label7->setFont(QFont(pageFont, 11, QFont::Bold));
    layout->addWidget(Label7);
    layout->addStretch();
    Command1[0] = new QPushButton(QStringLiteral("E&xit"), row);
    Command1[0]->setObjectName(QStringLiteral("Command1(0)"));
    Command1[0]->setAutoDefault(false);
    layout->addWidget(Command1[0]);
    return row;
}

void Misc1::createMenu()
{
    addAreaMenuItems({{HINFO1::Home, QStringLiteral("&Home")},
                      {HINFO1::SecurityRule, QStringLiteral("&The Security Rule")},
                      {HINFO1::OfficeActionArea, QStringLiteral("Office Action Area")},
                      {HINFO1::ExitProgram, QStringLiteral("&Exit Program")}});
    mO1 = addSeparator(mO, QStringLiteral("mO1"));
    gridBackground = new GridBackgroundSelector(mO, DisplaySettings::MiscGridPicture);
    gridBackground->setParent(this);
    MOgrid = gridBackground->mOGrid->menuAction();
    MOgrid->setObjectName(QStringLiteral("MOgrid"));
    mO7 = addSeparator(mO, QStringLiteral("mO7"));
    mODel = addMenuItem(mO, QStringLiteral("mODel"), QStringLiteral("&Delete Item from Grid"));
    mOCl = addMenuItem(mO, QStringLiteral("mOCl"), QStringLiteral("&Clear Grid"));
    mOIN = addMenuItem(mO, QStringLiteral("mOIN"), QStringLiteral("&Insert Row"));
    mOPrt = addMenuItem(mO, QStringLiteral("mOPrt"), QStringLiteral("&Print"));
    mOS = addMenuItem(mO, QStringLiteral("mOS"), QStringLiteral("&Save"));
    mOSpell = addMenuItem(mO, QStringLiteral("mOSpell"), QStringLiteral("Spell Chec&k"));
    mO2 = addSeparator(mO, QStringLiteral("mO2"));
    mOEx = addMenuItem(mO, QStringLiteral("mOEx"), QStringLiteral("E&xit"));
}

QList<QAction *> Misc1::gridItems() const
{
    return {mO1, MOgrid, mO7, mODel, mOCl, mOIN, mOPrt, mOS, mOSpell};
}

void Misc1::connectControls()
{
    connect(SSTab2, &QTabWidget::currentChanged, this, &Misc1::SSTab2_Click);
    for (int i = 0; i < Label4.size(); ++i)
        connect(Label4[i], &WebLinkLabel::clicked, this, [this, i] { Label4_Click(i); });
    connect(Command1[0], &QPushButton::clicked, this, &Misc1::Command1_Click);
    connect(mOEx, &QAction::triggered, this, &Misc1::Command1_Click);
    connect(gridBackground, &GridBackgroundSelector::pictureChanged, this, &Misc1::setGridPicture);
    connect(mO, &QMenu::aboutToShow, this, [this] { m_todo->hideCalendar(); });
    connect(mH, &QAction::triggered, this, [this] { m_todo->hideCalendar(); });

    QList<QWidget *> popups{SSTab1, SSTab2, Panel3D1, Label1, Label3, Label7, Command1[0]};
    for (WebLinkLabel *link : std::as_const(Label4))
        popups << link;
    watchRightClicks(popups);
}

void Misc1::watchRightClicks(const QList<QWidget *> &widgets)
{
    for (QWidget *w : widgets)
        w->installEventFilter(this);
}

bool Misc1::eventFilter(QObject *watched, QEvent *event)
{
    // A right-button release over a watched control pops up the Options menu, unless the preview is up.
    if (event->type() == QEvent::MouseButtonRelease && watched != this) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            if (!previewPanel->isVisible()) {
                m_todo->optionsMenuRequested();
                mO->popup(mouse->globalPosition().toPoint());
            }
            return true;
        }
    }
    return AreaWindow::eventFilter(watched, event);
}
