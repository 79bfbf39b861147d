#include "ui/shell/AreaWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/shell/AreaTabs.h"
#include "core/workbook/ProgramState.h"
#include "ui/shell/KeyPreview.h"
#include "ui/shell/ReadOnlyGate.h"
#include "ui/shell/RightClickMenu.h"
#include "ui/shell/WindowPlace.h"
#include "ui/widgets/Dialogs.h"
#include "core/files/WorkbookAccess.h"

AreaWindow::AreaWindow(int ownArea, const QString &caption, QWidget *startScreen)
    : QDialog(startScreen), m_ownArea(ownArea)
{
    setWindowTitle(caption);
    setModal(true);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_menuBar = new QMenuBar(this);
    m_layout->setMenuBar(m_menuBar);
    optionsMenu = m_menuBar->addMenu(QStringLiteral("&Options"));
    optionsMenu->setObjectName(QStringLiteral("mO"));
    // A command of the menu bar itself: a click opens the help at once, with no empty menu left open.
    helpMenu = m_menuBar->addAction(QStringLiteral("&Help"));
    helpMenu->setObjectName(QStringLiteral("mH"));
    connect(helpMenu, &QAction::triggered, this, &AreaWindow::helpClicked);

    areaTabs = AreaTabs::create(this);
    m_layout->addWidget(areaTabs);
    m_popup = new RightClickMenu(optionsMenu, this);
    m_keys = new KeyPreview(this, [this](QKeyEvent *e) { return keyPressed(e); });
    load(startScreen);
    ReadOnlyGate::attach(this, m_menuBar);
    // Queued: a tab chosen from outside (the accessibility bus) returns before the save prompt is asked.
    connect(areaTabs, &QTabWidget::currentChanged, this, &AreaWindow::areaTabClicked, Qt::QueuedConnection);
}

QWidget *AreaWindow::ownPage() const
{
    return areaTabs->widget(m_ownArea);
}

void AreaWindow::load(QWidget *startScreen)
{
    // The first time laid exactly over the start screen, later as the user left it; never smaller than
    // the start screen's first size.
    if (startScreen)
        WindowPlace::restore(this, placeKey(), startScreen->geometry(), startScreen->minimumSize());
    areaTabs->setCurrentIndex(m_ownArea);
}

QString AreaWindow::placeKey() const
{
    return QStringLiteral("Area%1").arg(m_ownArea);
}

void AreaWindow::done(int result)
{
    if (isVisible())
        WindowPlace::save(this, placeKey());
    QDialog::done(result);
}

void AreaWindow::areaTabClicked()
{
    const int tab = areaTabs->currentIndex();
    if (tab == m_ownArea || m_leaving)
        return;
    if (!confirmLeave()) {
        const QSignalBlocker block(areaTabs);
        areaTabs->setCurrentIndex(m_ownArea);
        return;
    }
    ProgramState::PendingArea = static_cast<qint16>(tab);
    m_leaving = true;
    done(QDialog::Accepted);
}

void AreaWindow::closeArea()
{
    if (m_leaving || !confirmLeave())
        return;
    m_leaving = true;
    done(QDialog::Rejected);
}

void AreaWindow::addAreaMenuItems(const QList<QPair<int, QString>> &items)
{
    for (const auto &[area, caption] : items) {
        QAction *action = addMenuItem(optionsMenu, QStringLiteral("mOTab(%1)").arg(area), caption);
        connect(action, &QAction::triggered, this, [this, tab = area] { areaTabs->setCurrentIndex(tab); });
    }
}

QAction *AreaWindow::addMenuItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QAction *AreaWindow::addSeparator(QMenu *menu, const QString &name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

void AreaWindow::holdWhileReadOnly(const QList<QObject *> &commands)
{
    if (ReadOnlyGate *gate = ReadOnlyGate::of(this))
        gate->hold(commands);
}

bool AreaWindow::workbookReadOnly()
{
    return WorkbookAccess::current().isReadOnly();
}

void AreaWindow::popupOver(const QList<QWidget *> &widgets)
{
    for (QWidget *w : widgets)
        m_popup->watch(w);
}

void AreaWindow::helpClicked()
{
    Dialogs::current().showHelp(helpFile(), Dialogs::HelpTopic, helpTopic());
}

bool AreaWindow::keyPressed(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        escapePressed();
        return true;
    }
    if (event->key() == Qt::Key_F1) {
        helpClicked();
        return true;
    }
    return keyPreview(event);
}

void AreaWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_activated) {
        m_activated = true;
        windowActivated();
        emit firstActivationHandled();
    }
}

void AreaWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ProgramState::busyOff();
}

void AreaWindow::closeEvent(QCloseEvent *event)
{
    // The close box: the window's own prompt decides, nothing is pending afterwards.
    if (!m_leaving && !confirmLeave()) {
        event->ignore();
        return;
    }
    m_leaving = true;
    event->accept();
    if (isVisible())
        done(QDialog::Rejected);
}

void AreaWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        optionsMenu->popup(event->globalPosition().toPoint());
    QDialog::mouseReleaseEvent(event);
}

void AreaWindow::reject()
{
    // Esc reaches the window through its key preview; other rejects close it as Exit does.
    closeArea();
}
