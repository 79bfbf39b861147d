#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAbstractItemView;
class QAction;
class QLabel;
class QMenuBar;
class QWidget;

// Shows in a window that the workbook is open read-only, and why: after the window's title and at the
// right of its menu bar. Keeps the window's commands that write disabled whatever the window enables
// later, and lets grids be read and scrolled but not changed.
class ReadOnlyGate : public QObject
{
    Q_OBJECT

public:
    static constexpr auto TitleSuffix = " (read-only)";

    // A gate for `window` when the current workbook is read-only; null when it is writable.
    static ReadOnlyGate *attach(QWidget *window, QMenuBar *menuBar);
    // The window's gate, if it has one.
    static ReadOnlyGate *of(const QWidget *window);

    // Widgets and actions; anything else is ignored.
    void hold(const QList<QObject *> &commands);
    // Moving through the view and scrolling it stay; clicks, typing and heading clicks do not reach it.
    void holdView(QAbstractItemView *view);

    QLabel *note() const { return m_note; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ReadOnlyGate(QWidget *window, QMenuBar *menuBar);
    void holdWidget(QWidget *widget);
    void holdAction(QAction *action);
    static bool isViewInput(QEvent *event);

    QWidget *m_window;
    QLabel *m_note = nullptr;
    QList<QPointer<QWidget>> m_widgets;
    QList<QObject *> m_viewParts;
};
