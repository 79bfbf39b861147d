#include "ui/start/StartScreen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>

#include "ui/start/AboutBox.h"
#include "ui/shell/AreaTabs.h"
#include "ui/shell/Areas.h"
#include "core/files/DataFiles.h"
#include "core/workbook/ProgramState.h"
#include "ui/shell/KeyPreview.h"
#include "core/workbook/Product.h"
#include "ui/shell/ReadOnlyGate.h"
#include "ui/shell/RightClickMenu.h"
#include "ui/start/SplashScreen.h"
#include "core/workbook/Twips.h"
#include "core/workbook/WebSite.h"
#include "ui/shell/WindowPlace.h"
#include "ui/start/WorkbookFolderCommand.h"
#include "ui/start/WorkbookSession.h"
#include "ui/start/BackupCommands.h"
#include "ui/widgets/Dialogs.h"
#include "ui/risk/RiskRegisterCommand.h"
#include "core/files/SafeWrite.h"
#include "core/workbook/HelpTopics.h"
#include "ui/home/HomeDashboard.h"
#include "ui/home/HomePage.h"
#include "ui/home/PlaceOpener.h"
#include "ui/home/RegisterOpener.h"

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

StartScreen::StartScreen(QWidget *parent)
    : QMainWindow(parent), m_workbook(std::make_unique<WorkbookSession>())
{
    setObjectName(QStringLiteral("Startfrm"));
    areaTabs = AreaTabs::create(this);
    setCentralWidget(areaTabs);
    buildHomePage();
    buildMenus();
    m_keys = new KeyPreview(this, [this](QKeyEvent *e) { return keyPressed(e); });
    // Queued: a tab chosen from outside (the accessibility bus) returns before the area runs modally.
    connect(areaTabs, &QTabWidget::currentChanged, this, &StartScreen::areaTabClicked, Qt::QueuedConnection);
    showAreaWith = [this](int area, const AreaExtras &extras) { runAreaWindow(area, this, extras); };
    showArea = [this](int area) { showAreaWith(area, {}); };
    home->openPlace = [this](const Place &place) { openPlace(place); };
    showSplash = [] {
        SplashScreen splash;
        splash.run();
    };
    showAbout = [this] {
        AboutBox about(this);
        about.exec();
    };
}

StartScreen::~StartScreen() = default;

void StartScreen::buildHomePage()
{
    QWidget *home = areaTabs->widget(ProgramState::Home);
    titlePanel = new QLabel(home);
    titlePanel->setObjectName(QStringLiteral("SSPanel1"));
    titlePanel->setAlignment(Qt::AlignCenter);
    titlePanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    titlePanel->setLineWidth(2);
    titlePanel->setAutoFillBackground(true);
    QFont title(QStringLiteral("Times New Roman"));
    title.setPointSize(22);
    title.setBold(true);
    titlePanel->setFont(title);
    titlePanel->resize(Twips::toPixels(panelWidthTwips), Twips::toPixels(panelHeightTwips));

    ruleTitle =
        new QLabel(QStringLiteral("45 CFR Part 164, Subpart C: Security Standards for the Protection of "
                                  "Electronic Protected Health Information"),
                   home);
    ruleTitle->setObjectName(QStringLiteral("Label1"));
    ruleTitle->setAlignment(Qt::AlignCenter);
    hintLabel =
        new QLabel(QStringLiteral("Choose an area on the tabs above, or from the Options menu."), home);
    hintLabel->setObjectName(QStringLiteral("Label9"));
    hintLabel->setAlignment(Qt::AlignCenter);
    workbookFolderLabel = new QLabel(home);
    workbookFolderLabel->setObjectName(QStringLiteral("workbookFolderLabel"));
    workbookFolderLabel->setAlignment(Qt::AlignCenter);
    workbookFolderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    this->home = new HomePage(home, this);
}

void StartScreen::showWorkbookFolder()
{
    workbookFolderLabel->setText(QStringLiteral("Workbook folder: ") +
                                 QDir::toNativeSeparators(QDir::currentPath()));
}

void StartScreen::buildMenus()
{
    optionsMenu = menuBar()->addMenu(QStringLiteral("&Options"));
    optionsMenu->setObjectName(QStringLiteral("mO"));
    const QStringList areas{QStringLiteral("&The Security Rule"), QStringLiteral("&Office Action Area"),
                            QStringLiteral("&Miscellaneous")};
    for (int i = 0; i < areas.size(); ++i) {
        QAction *item = optionsMenu->addAction(areas[i]);
        item->setObjectName(QStringLiteral("mOTab(%1)").arg(i));
        connect(item, &QAction::triggered, this, [this, i] { areaItemClicked(i); });
    }
    RiskRegisterCommand::addMenuItem(optionsMenu, this, [this](QWidget *window) {
        connect(window, &QObject::destroyed, home, &HomePage::refresh);
    });
    optionsMenu->addSeparator()->setObjectName(QStringLiteral("mO6"));
    optionsMenu->addSeparator()->setObjectName(QStringLiteral("mO1"));
    WorkbookFolderCommand::addMenuItem(optionsMenu, this, m_workbook.get(), [this] { showWorkbookFolder(); });
    BackupCommands::addMenuItems(optionsMenu, this);
    // A restore brings back other statuses, entries and records: Home reads them again afterwards.
    if (auto *restoreItem = optionsMenu->findChild<QAction *>(QStringLiteral("mORestore")))
        connect(restoreItem, &QAction::triggered, home, &HomePage::refresh);
    QAction *exit = optionsMenu->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mOE"));
    connect(exit, &QAction::triggered, this, &StartScreen::exitProgramClicked);
    optionsMenu->addSeparator()->setObjectName(QStringLiteral("mOSearchSep"));
    searchEverything = optionsMenu->addAction(QStringLiteral("&Search Everything…"));
    searchEverything->setObjectName(QStringLiteral("mOSearchEverything"));
    connect(searchEverything, &QAction::triggered, home, &HomePage::openSearch);

    helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    helpMenu->setObjectName(QStringLiteral("mH"));
    auto add = [this](const QString &name, const QString &caption, void (StartScreen::*slot)()) {
        QAction *item = helpMenu->addAction(caption);
        item->setObjectName(name);
        connect(item, &QAction::triggered, this, slot);
    };
    add(QStringLiteral("mHCont"), QStringLiteral("&Help Contents"), &StartScreen::helpContentsClicked);
    add(QStringLiteral("mHI"), QStringLiteral("&Program Overview"), &StartScreen::programOverviewClicked);
    helpMenu->addSeparator()->setObjectName(QStringLiteral("mO30"));
    add(QStringLiteral("mHA"), QStringLiteral("&About ") + Product::name, &StartScreen::aboutClicked);
    if (!Product::webAddress().isEmpty()) {
        helpMenu->addSeparator()->setObjectName(QStringLiteral("mO21"));
        add(QStringLiteral("mHWeb"), QStringLiteral("&Visit ") + Product::webSiteName,
            &StartScreen::webSiteClicked);
    }

    m_popup = new RightClickMenu(optionsMenu, this);
    for (QWidget *w : {static_cast<QWidget *>(areaTabs), static_cast<QWidget *>(titlePanel),
                       static_cast<QWidget *>(ruleTitle), static_cast<QWidget *>(hintLabel)})
        m_popup->watch(w);
    // The tab strip's pages are part of the strip.
    for (int i = 0; i < areaTabs->count(); ++i)
        m_popup->watch(areaTabs->widget(i));
}

void StartScreen::load()
{
    ProgramState::goToWorkbookFolder();
    if (!openWorkbook(QDir::currentPath())) {
        unload();
        return;
    }
    showWorkbookFolder();
    home->start(QDir::currentPath());
    ProgramState::busyOn();
    processEvents();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize size(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
    const QRect centred(QPoint(screen.left() + (screen.width() - size.width()) / 2,
                               screen.top() + (screen.height() - size.height()) / 2),
                        size);
    WindowPlace::restore(this, objectName(), centred, size);
    recordSize();
    setWindowTitle(Product::name);
    if (ProgramState::SplashShown == 0) {
        if (showSplash)
            showSplash();
        processEvents();
        ProgramState::SplashShown = 99;
    }
    areaTabs->setCurrentIndex(ProgramState::Home);
    titlePanel->setText(QStringLiteral("HIPAA Security Standards\nFinal Rule\n") + Product::name);
    placeTitlePanel();
    processEvents();
    ProgramState::busyOff();
}

bool StartScreen::openWorkbook(const QString &folder)
{
    if (!m_workbook->open(folder))
        return false;
    if (ReadOnlyGate *gate = ReadOnlyGate::attach(this, menuBar())) {
        gate->hold({optionsMenu->findChild<QAction *>(QStringLiteral("mORestore"))});
    } else {
        // Only the copy holding the folder may finish a restore cut short or remove what its own saves left;
        // another copy's are in use.
        BackupCommands::finishInterruptedRestore();
        removeSaveLeftovers(folder, DataFiles::names());
    }
    m_workbook->openRecord();
    return true;
}

void StartScreen::placeTitlePanel()
{
    // Centred horizontally at the top of the page, the figures of where the organisation stands below it.
    QWidget *page = areaTabs->widget(ProgramState::Home);
    const QPoint pageOrigin = page->mapTo(this, QPoint(0, 0));
    const int top = pageOrigin.y() + pageTopMargin;
    const int left = width() / 2 - titlePanel->width() / 2;
    titlePanel->move(left - pageOrigin.x(), top - pageOrigin.y());
    QPalette palette = titlePanel->palette();
    palette.setColor(QPalette::Window, areaTabs->palette().color(QPalette::Window));
    titlePanel->setPalette(palette);

    const int labelWidth = Twips::toPixels(10800);
    const int below = titlePanel->y() + titlePanel->height();
    ruleTitle->setGeometry(width() / 2 - labelWidth / 2 - pageOrigin.x(), below + 8, labelWidth, 20);
    hintLabel->setGeometry(width() / 2 - labelWidth / 2 - pageOrigin.x(), below + 32, labelWidth, 20);
    workbookFolderLabel->setGeometry(width() / 2 - labelWidth / 2 - pageOrigin.x(), below + 56, labelWidth,
                                     20);
    const int dashboardTop = workbookFolderLabel->geometry().bottom() + 8;
    home->dashboard->setGeometry(width() / 2 - labelWidth / 2 - pageOrigin.x(), dashboardTop, labelWidth,
                                 qMax(0, page->height() - dashboardTop - 4));
}

void StartScreen::recordSize()
{
    // A window wider or taller than 32767 twips (2184 pixels) is recorded at the largest size the values
    // hold.
    ProgramState::StartScreenWidth = static_cast<qint16>(qMin(Twips::fromPixels(width()), 32767));
    ProgramState::StartScreenHeight = static_cast<qint16>(qMin(Twips::fromPixels(height()), 32767));
}

void StartScreen::windowActivated()
{
    // An area that closes asking for another is followed at once by that area, without Home in between.
    while (!m_unloaded) {
        if (ProgramState::PendingArea < 1) {
            setWindowTitle(Product::name);
            processEvents();
            ProgramState::busyOn();
            recordSize();
            ProgramState::goToWorkbookFolder();
            areaTabs->setCurrentIndex(ProgramState::Home);
            home->refresh();
            activateWindow();
            processEvents();
            ProgramState::busyOff();
            ProgramState::SharedAnswer = 0;
            return;
        }
        ProgramState::busyOn();
        const int area = ProgramState::PendingArea;
        if (area >= ProgramState::SecurityRule && area <= ProgramState::Miscellaneous) {
            ProgramState::PendingArea = 0;
            runArea(area);
            ProgramState::busyOff();
            continue;
        }
        if (area == ProgramState::ExitProgram) {
            ProgramState::PendingArea = 0;
            ProgramState::busyOff();
            askExit();
        }
        ProgramState::busyOff();
        return;
    }
}

void StartScreen::areaTabClicked()
{
    if (ProgramState::PendingArea > 0 || m_unloaded)
        return;
    ProgramState::busyOn();
    const int tab = areaTabs->currentIndex();
    if (tab >= ProgramState::SecurityRule && tab <= ProgramState::Miscellaneous) {
        processEvents();
        runArea(tab);
        ProgramState::busyOff();
        windowActivated();
    } else if (tab == ProgramState::ExitProgram) {
        ProgramState::busyOff();
        askExit();
    } else {
        ProgramState::busyOff();
    }
}

void StartScreen::runArea(int area)
{
    m_workbook->makeCurrent();
    if (showArea)
        showArea(area);
}

void StartScreen::openPlace(const Place &place)
{
    if (m_unloaded || ProgramState::PendingArea > 0)
        return;
    if (RegisterOpener::isRegister(place)) {
        m_workbook->makeCurrent();
        // What was decided, reviewed or rated there shows on Home once the window closes.
        if (QWidget *window = RegisterOpener::open(place, this))
            connect(window, &QObject::destroyed, home, &HomePage::refresh);
        return;
    }
    const int area = PlaceOpener::areaOf(place);
    if (area == 0)
        return;
    m_workbook->makeCurrent();
    AreaExtras extras;
    extras.firstActivated = [place](AreaWindow &window) { PlaceOpener::goTo(window, place); };
    if (showAreaWith)
        showAreaWith(area, extras);
    windowActivated();
}

void StartScreen::askExit()
{
    ProgramState::SharedAnswer =
        Dialogs::current().messageBox(QStringLiteral("Exit ") + Product::name + QStringLiteral("?"),
                                      Dialogs::YesNoCancel | Dialogs::Question, QStringLiteral("Exit"));
    if (ProgramState::SharedAnswer == double(Dialogs::Yes))
        unload();
    else
        areaTabs->setCurrentIndex(ProgramState::Home);
}

void StartScreen::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    WindowPlace::save(this, objectName());
    hide();
    emit unloaded();
}

void StartScreen::areaItemClicked(int index)
{
    areaTabs->setCurrentIndex(index + 1);
}

void StartScreen::exitProgramClicked()
{
    // Selecting the tab that is already selected would not run the tab handler.
    if (areaTabs->currentIndex() == ProgramState::ExitProgram)
        areaTabClicked();
    else
        areaTabs->setCurrentIndex(ProgramState::ExitProgram);
}

void StartScreen::helpContentsClicked()
{
    Dialogs::current().showHelp(Product::helpFile, Dialogs::HelpContents, 0);
}

void StartScreen::programOverviewClicked()
{
    Dialogs::current().showHelp(Product::helpFile, Dialogs::HelpTopic, HelpTopics::StartScreen);
}

void StartScreen::aboutClicked()
{
    if (showAbout)
        showAbout();
}

void StartScreen::webSiteClicked()
{
    ProgramState::busyOff();
    Dialogs::current().openWebAddress(Product::webAddress());
}

bool StartScreen::keyPressed(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        exitProgramClicked();
        return true;
    }
    if (event->matches(QKeySequence::Find) && areaTabs->currentIndex() == ProgramState::Home) {
        home->openSearch();
        return true;
    }
    if (event->key() == Qt::Key_F1) {
        Dialogs::current().showHelp(Product::helpFile, Dialogs::HelpTopic, HelpTopics::StartScreen);
        return true;
    }
    return false;
}

void StartScreen::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    placeTitlePanel(); // the page's place in the window is known once the window is laid out
    if (!m_activatedOnce) {
        m_activatedOnce = true;
        windowActivated();
    }
}

void StartScreen::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (workbookFolderLabel)
        placeTitlePanel();
}

void StartScreen::closeEvent(QCloseEvent *event)
{
    // Closed by the close box: the program ends without asking.
    event->accept();
    unload();
}

void StartScreen::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        optionsMenu->popup(event->globalPosition().toPoint());
    QMainWindow::mouseReleaseEvent(event);
}
