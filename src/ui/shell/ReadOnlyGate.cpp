#include "ui/shell/ReadOnlyGate.h"

#include <QAbstractItemView>
#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>

#include "core/files/WorkbookAccess.h"

ReadOnlyGate *ReadOnlyGate::attach(QWidget *window, QMenuBar *menuBar)
{
    if (!WorkbookAccess::current().isReadOnly())
        return nullptr;
    if (ReadOnlyGate *existing = of(window))
        return existing;
    return new ReadOnlyGate(window, menuBar);
}

ReadOnlyGate *ReadOnlyGate::of(const QWidget *window)
{
    return window ? window->findChild<ReadOnlyGate *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

ReadOnlyGate::ReadOnlyGate(QWidget *window, QMenuBar *menuBar) : QObject(window), m_window(window)
{
    const QString reason = WorkbookAccess::current().readOnlyReason();
    m_note = new QLabel(QStringLiteral("Read-only: %1").arg(reason), menuBar);
    m_note->setObjectName(QStringLiteral("readOnlyNote"));
    m_note->setAccessibleName(QStringLiteral("Read-only workbook"));
    m_note->setToolTip(QStringLiteral("Nothing can be changed or saved while the workbook is open read-only."));
    m_note->setStyleSheet(QStringLiteral("QLabel { color: #a00000; font-weight: bold; padding: 0 6px; }"));
    menuBar->setCornerWidget(m_note, Qt::TopRightCorner);
    m_note->show();
    window->installEventFilter(this);
    if (!window->windowTitle().endsWith(QLatin1String(TitleSuffix)))
        window->setWindowTitle(window->windowTitle() + QLatin1String(TitleSuffix));
}

void ReadOnlyGate::hold(const QList<QObject *> &commands)
{
    for (QObject *command : commands) {
        if (auto *widget = qobject_cast<QWidget *>(command))
            holdWidget(widget);
        else if (auto *action = qobject_cast<QAction *>(command))
            holdAction(action);
    }
}

void ReadOnlyGate::holdWidget(QWidget *widget)
{
    widget->setEnabled(false);
    widget->installEventFilter(this);
    m_widgets.append(widget);
}

void ReadOnlyGate::holdAction(QAction *action)
{
    action->setEnabled(false);
    connect(action, &QAction::enabledChanged, this, [action](bool enabled) {
        if (enabled)
            action->setEnabled(false);
    });
}

void ReadOnlyGate::holdView(QAbstractItemView *view)
{
    for (QObject *part : QList<QObject *>{view, view->viewport()}) {
        part->installEventFilter(this);
        m_viewParts.append(part);
    }
    for (auto *header : view->findChildren<QHeaderView *>()) {
        header->viewport()->installEventFilter(this);
        m_viewParts.append(header->viewport());
    }
}

bool ReadOnlyGate::isViewInput(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress: {
        // Keys that only move through the view pass.
        static const QList<int> moves{Qt::Key_Up,   Qt::Key_Down,     Qt::Key_Left,     Qt::Key_Right,
                                      Qt::Key_Home, Qt::Key_End,      Qt::Key_PageUp,   Qt::Key_PageDown,
                                      Qt::Key_Tab,  Qt::Key_Backtab,  Qt::Key_Escape,   Qt::Key_F1};
        return !moves.contains(static_cast<QKeyEvent *>(event)->key());
    }
    default:
        return false;
    }
}

bool ReadOnlyGate::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::WindowTitleChange) {
        if (!m_window->windowTitle().endsWith(QLatin1String(TitleSuffix)))
            m_window->setWindowTitle(m_window->windowTitle() + QLatin1String(TitleSuffix));
        return false;
    }
    if (event->type() == QEvent::EnabledChange) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && m_widgets.contains(widget) && !widget->testAttribute(Qt::WA_ForceDisabled))
            widget->setEnabled(false);
        return false;
    }
    return m_viewParts.contains(watched) && isViewInput(event);
}
