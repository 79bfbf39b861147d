#include "app/Startfrm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>

#include "app/About1.h"
#include "app/AreaTabs.h"
#include "app/Areas.h"
#include "app/DataFiles.h"
#include "app/HINFO1.h"
#include "app/KeyPreview.h"
#include "app/Product.h"
#include "app/ReadOnlyGate.h"
#include "app/RightClickMenu.h"
#include "app/Splash1.h"
#include "app/Twips.h"
#include "app/WebSite.h"
#include "app/WindowPlace.h"
#include "app/WorkbookFolderCommand.h"
#include "app/WorkbookSession.h"
#include "backup/BackupCommands.h"
#include "components/Dialogs.h"
#include "components/files/SafeWrite.h"
#include "ui/home/HomeDashboard.h"
#include "ui/home/HomePage.h"
#include "ui/home/PlaceOpener.h"

namespace {
constexpr int widthTwips = 12000;
constexpr int heightTwips = 9000;
constexpr int panelWidthTwips = 7200;
constexpr int panelHeightTwips = 2400;
constexpr int pageTopMargin = 8;

void processEvents()
{
    QCoreApplication::processEvents();
}
} // namespace

Startfrm::Startfrm(QWidget *parent) : QMainWindow(parent), m_workbook(std::make_unique<WorkbookSession>())
{
    setObjectName(QStringLiteral("Startfrm"));
    SSTab1 = AreaTabs::create(this);
    setCentralWidget(SSTab1);
    buildHomePage();
    buildMenus();
    m_keys = new KeyPreview(this, [this](QKeyEvent *e) { return keyPressed(e); });
    // Queued: a tab chosen from outside (the accessibility bus) returns before the area runs modally.
    connect(SSTab1, &QTabWidget::currentChanged, this, &Startfrm::SSTab1_Click, Qt::QueuedConnection);
    showAreaWith = [this](int area, const AreaExtras &extras) { runAreaWindow(area, this, extras); };
    showArea = [this](int area) { showAreaWith(area, {}); };
    home->openPlace = [this](const Place &place) { openPlace(place); };
    showSplash = [] {
        Splash1 splash;
        splash.run();
    };
    showAbout = [this] {
        About1 about(this);
        about.exec();
    };
}

Startfrm::~Startfrm() = default;

void Startfrm::buildHomePage()
{
    QWidget *home = SSTab1->widget(HINFO1::Home);
    SSPanel1 = new QLabel(home);
    SSPanel1->setObjectName(QStringLiteral("SSPanel1"));
    SSPanel1->setAlignment(Qt::AlignCenter);
    SSPanel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SSPanel1->setLineWidth(2);
    SSPanel1->setAutoFillBackground(true);
    QFont title(QStringLiteral("Times New Roman"));
    title.setPointSize(22);
    title.setBold(true);
    SSPanel1->setFont(title);
    SSPanel1->resize(Twips::toPixels(panelWidthTwips), Twips::toPixels(panelHeightTwips));

    Label1 = new QLabel(QStringLiteral("45 CFR Part 164, Subpart C: Security Standards for the Protection of "
                                       "Electronic Protected Health Information"),
                        home);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label9 = new QLabel(QStringLiteral("Choose an area on the tabs above, or from the Options menu."), home);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setAlignment(Qt::AlignCenter);
    workbookFolderLabel = new QLabel(home);
    workbookFolderLabel->setObjectName(QStringLiteral("workbookFolderLabel"));
    workbookFolderLabel->setAlignment(Qt::AlignCenter);
    workbookFolderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    this->home = new HomePage(home, this);
}

void Startfrm::showWorkbookFolder()
{
    workbookFolderLabel->setText(QStringLiteral("Workbook folder: ") +
                                 QDir::toNativeSeparators(QDir::currentPath()));
}

void Startfrm::buildMenus()
{
    mO = menuBar()->addMenu(QStringLiteral("&Options"));
    mO->setObjectName(QStringLiteral("mO"));
    const QStringList areas{QStringLiteral("&The Security Rule"), QStringLiteral("&Office Action Area"),
                            QStringLiteral("&Miscellaneous")};
    for (int i = 0; i < areas.size(); ++i) {
        QAction *item = mO->addAction(areas[i]);
        item->setObjectName(QStringLiteral("mOTab(%1)").arg(i));
        connect(item, &QAction::triggered, this, [this, i] { mOTab_Click(i); });
    }
    mO->addSeparator()->setObjectName(QStringLiteral("mO6"));
    mO->addSeparator()->setObjectName(QStringLiteral("mO1"));
    WorkbookFolderCommand::addMenuItem(mO, this, m_workbook.get(), [this] { showWorkbookFolder(); });
    BackupCommands::addMenuItems(mO, this);
    QAction *exit = mO->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mOE"));
    connect(exit, &QAction::triggered, this, &Startfrm::mOE_Click);
    mO->addSeparator();
    searchEverything = mO->addAction(QStringLiteral("&Search Everything…"));
    searchEverything->setObjectName(QStringLiteral("mOSearchEverything"));
    connect(searchEverything, &QAction::triggered, home, &HomePage::openSearch);

    mH = menuBar()->addMenu(QStringLiteral("&Help"));
    mH->setObjectName(QStringLiteral("mH"));
    auto add = [this](const QString &name, const QString &caption, void (Startfrm::*slot)()) {
        QAction *item = mH->addAction(caption);
        item->setObjectName(name);
        connect(item, &QAction::triggered, this, slot);
    };
    add(QStringLiteral("mHCont"), QStringLiteral("&Help Contents"), &Startfrm::mHCont_Click);
    add(QStringLiteral("mHI"), QStringLiteral("&Program Overview"), &Startfrm::mHI_Click);
    mH->addSeparator()->setObjectName(QStringLiteral("mO30"));
    add(QStringLiteral("mHA"), QStringLiteral("&About ") + Product::name, &Startfrm::mHA_Click);
    if (!Product::webAddress().isEmpty()) {
        mH->addSeparator()->setObjectName(QStringLiteral("mO21"));
        add(QStringLiteral("mHWeb"), QStringLiteral("&Visit ") + Product::webSiteName,
            &Startfrm::mHWeb_Click);
    }

    m_popup = new RightClickMenu(mO, this);
    for (QWidget *w : {static_cast<QWidget *>(SSTab1), static_cast<QWidget *>(SSPanel1),
                       static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label9)})
        m_popup->watch(w);
    // The tab strip's pages are part of the strip.
    for (int i = 0; i < SSTab1->count(); ++i)
        m_popup->watch(SSTab1->widget(i));
}

void Startfrm::Form_Load()
{
    HINFO1::goToWorkbookFolder();
    if (!openWorkbook(QDir::currentPath())) {
        unload();
        return;
    }
    showWorkbookFolder();
    home->start(QDir::currentPath());
    HINFO1::busyOn();
    processEvents();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize size(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
    const QRect centred(QPoint(screen.left() + (screen.width() - size.width()) / 2,
                               screen.top() + (screen.height() - size.height()) / 2),
                        size);
    WindowPlace::restore(this, objectName(), centred, size);
    recordSize();
    setWindowTitle(Product::name);
    if (HINFO1::SplashShown == 0) {
        if (showSplash)
            showSplash();
        processEvents();
        HINFO1::SplashShown = 99;
    }
    SSTab1->setCurrentIndex(HINFO1::Home);
    SSPanel1->setText(QStringLiteral("HIPAA Security Standards\nFinal Rule\n") + Product::name);
    placeTitlePanel();
    processEvents();
    HINFO1::busyOff();
}

bool Startfrm::openWorkbook(const QString &folder)
{
    if (!m_workbook->open(folder))
        return false;
    if (ReadOnlyGate *gate = ReadOnlyGate::attach(this, menuBar())) {
        gate->hold({mO->findChild<QAction *>(QStringLiteral("mORestore"))});
    } else {
        // Only the copy holding the folder may finish a restore cut short or remove what its own saves left;
        // another copy's are in use.
        BackupCommands::finishInterruptedRestore();
        removeSaveLeftovers(folder, DataFiles::names());
    }
    return true;
}

void Startfrm::placeTitlePanel()
{
    // Centred horizontally at the top of the page, the figures of where the organisation stands below it.
    QWidget *page = SSTab1->widget(HINFO1::Home);
    const QPoint pageOrigin = page->mapTo(this, QPoint(0, 0));
    const int top = pageOrigin.y() + pageTopMargin;
    const int left = width() / 2 - SSPanel1->width() / 2;
    SSPanel1->move(left - pageOrigin.x(), top - pageOrigin.y());
    QPalette palette = SSPanel1->palette();
    palette.setColor(QPalette::Window, SSTab1->palette().color(QPalette::Window));
    SSPanel1->setPalette(palette);

    const int labelWidth = Twips::toPixels(10800);
    const int below = SSPanel1->y() + SSPanel1->height();
    Label1->setGeometry(width() / 2 - labelWidth / 2 - pageOrigin.x(), below + 8, labelWidth, 20);
    Label9->setGeometry(width() / 2 - labelWidth / 2 - pageOrigin.x(), below + 32, labelWidth, 20);
    workbookFolderLabel->setGeometry(width() / 2 - labelWidth / 2 - pageOrigin.x(), below + 56, labelWidth,
                                     20);
    const int dashboardTop = workbookFolderLabel->geometry().bottom() + 8;
    home->dashboard->setGeometry(width() / 2 - labelWidth / 2 - pageOrigin.x(), dashboardTop, labelWidth,
                                 qMax(0, page->height() - dashboardTop - 4));
}

void Startfrm::recordSize()
{
    // A window wider or taller than 32767 twips (2184 pixels) is recorded at the largest size the values
    // hold.
    HINFO1::StartScreenWidth = static_cast<qint16>(qMin(Twips::fromPixels(width()), 32767));
    HINFO1::StartScreenHeight = static_cast<qint16>(qMin(Twips::fromPixels(height()), 32767));
}

void Startfrm::Form_Activate()
{
    // An area that closes asking for another is followed at once by that area, without Home in between.
    while (!m_unloaded) {
        if (HINFO1::PendingArea < 1) {
            setWindowTitle(Product::name);
            processEvents();
            HINFO1::busyOn();
            recordSize();
            HINFO1::goToWorkbookFolder();
            SSTab1->setCurrentIndex(HINFO1::Home);
            home->refresh();
            activateWindow();
            processEvents();
            HINFO1::busyOff();
            HINFO1::SharedAnswer = 0;
            return;
        }
        HINFO1::busyOn();
        const int area = HINFO1::PendingArea;
        if (area >= HINFO1::SecurityRule && area <= HINFO1::Miscellaneous) {
            HINFO1::PendingArea = 0;
            runArea(area);
            HINFO1::busyOff();
            continue;
        }
        if (area == HINFO1::ExitProgram) {
            HINFO1::PendingArea = 0;
            HINFO1::busyOff();
            askExit();
        }
        HINFO1::busyOff();
        return;
    }
}

void Startfrm::SSTab1_Click()
{
    if (HINFO1::PendingArea > 0 || m_unloaded)
        return;
    HINFO1::busyOn();
    const int tab = SSTab1->currentIndex();
    if (tab >= HINFO1::SecurityRule && tab <= HINFO1::Miscellaneous) {
        processEvents();
        runArea(tab);
        HINFO1::busyOff();
        Form_Activate();
    } else if (tab == HINFO1::ExitProgram) {
        HINFO1::busyOff();
        askExit();
    } else {
        HINFO1::busyOff();
    }
}

void Startfrm::runArea(int area)
{
    m_workbook->makeCurrent();
    if (showArea)
        showArea(area);
}

void Startfrm::openPlace(const Place &place)
{
    const int area = PlaceOpener::areaOf(place);
    if (area == 0 || m_unloaded || HINFO1::PendingArea > 0)
        return;
    m_workbook->makeCurrent();
    AreaExtras extras;
    extras.firstActivated = [place](AreaWindow &window) { PlaceOpener::goTo(window, place); };
    if (showAreaWith)
        showAreaWith(area, extras);
    Form_Activate();
}

void Startfrm::askExit()
{
    HINFO1::SharedAnswer =
        Dialogs::current().messageBox(QStringLiteral("Exit ") + Product::name + QStringLiteral("?"),
                                      Dialogs::YesNoCancel | Dialogs::Question, QStringLiteral("Exit"));
    if (HINFO1::SharedAnswer == double(Dialogs::Yes))
        unload();
    else
        SSTab1->setCurrentIndex(HINFO1::Home);
}

void Startfrm::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    WindowPlace::save(this, objectName());
    hide();
    emit unloaded();
}

void Startfrm::mOTab_Click(int index)
{
    SSTab1->setCurrentIndex(index + 1);
}

void Startfrm::mOE_Click()
{
    // Selecting the tab that is already selected would not run the tab handler.
    if (SSTab1->currentIndex() == HINFO1::ExitProgram)
        SSTab1_Click();
    else
        SSTab1->setCurrentIndex(HINFO1::ExitProgram);
}

void Startfrm::mHCont_Click()
{
    Dialogs::current().showHelp(Product::helpFile, Dialogs::HelpContents, 0);
}

void Startfrm::mHI_Click()
{
    Dialogs::current().showHelp(Product::helpFile, Dialogs::HelpTopic, 1000);
}

void Startfrm::mHA_Click()
{
    if (showAbout)
        showAbout();
}

void Startfrm::mHWeb_Click()
{
    HINFO1::busyOff();
    Dialogs::current().openWebAddress(Product::webAddress());
}

bool Startfrm::keyPressed(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        mOE_Click();
        return true;
    }
    if (event->matches(QKeySequence::Find) && SSTab1->currentIndex() == HINFO1::Home) {
        home->openSearch();
        return true;
    }
    if (event->key() == Qt::Key_F1) {
        Dialogs::current().showHelp(Product::helpFile, Dialogs::HelpTopic, 1000);
        return true;
    }
    return false;
}

void Startfrm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    placeTitlePanel(); // the page's place in the window is known once the window is laid out
    if (!m_activatedOnce) {
        m_activatedOnce = true;
        Form_Activate();
    }
}

void Startfrm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (workbookFolderLabel)
        placeTitlePanel();
}

void Startfrm::closeEvent(QCloseEvent *event)
{
    // Closed by the close box: the program ends without asking.
    event->accept();
    unload();
}

void Startfrm::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        mO->popup(event->globalPosition().toPoint());
    QMainWindow::mouseReleaseEvent(event);
}
