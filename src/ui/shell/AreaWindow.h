#pragma once

#include <QDialog>

class KeyPreview;
class QAction;
class QKeyEvent;
class QMenu;
class QMenuBar;
class QTabWidget;
class QVBoxLayout;
class RightClickMenu;

// An area window: opened modally over the start screen, laid exactly over it, carrying the area tab strip.
// Picking another area sets PendingArea and closes the window; its Exit closes it with nothing pending.
class AreaWindow : public QDialog
{
    Q_OBJECT

public:
    AreaWindow(int ownArea, const QString &caption, QWidget *startScreen);

    QTabWidget *areaTabs = nullptr;
    QMenu *optionsMenu = nullptr;
    QAction *helpMenu = nullptr;

    int ownArea() const { return m_ownArea; }
    // The page of the window's own tab, which holds its contents.
    QWidget *ownPage() const;

    // Tab change on the area tab strip.
    void areaTabClicked();
    // Leaves the window with PendingArea left as it is.
    void closeArea();
    // Keeps the window's size and place before it closes.
    void done(int result) override;

signals:
    // The first activation has been handled: the window shows its opening state.
    void firstActivationHandled();

protected:
    // Adds `mOTab`(i) items for the given areas, each selecting that tab.
    void addAreaMenuItems(const QList<QPair<int, QString>> &items);
    QAction *addMenuItem(QMenu *menu, const QString &name, const QString &caption);
    QAction *addSeparator(QMenu *menu, const QString &name);
    // Keeps these commands (widgets or actions) disabled while the workbook is open read-only.
    void holdWhileReadOnly(const QList<QObject *> &commands);
    template <typename Command> void holdAllWhileReadOnly(const QList<Command *> &commands)
    {
        holdWhileReadOnly(QList<QObject *>(commands.cbegin(), commands.cend()));
    }
    static bool workbookReadOnly();
    // Registers controls over which a right-button release pops up the Options menu.
    void popupOver(const QList<QWidget *> &widgets);

    // Asked before the window leaves for another area or closes; false keeps it open.
    virtual bool confirmLeave() { return true; }
    // Esc pressed anywhere in the window (the key is swallowed).
    virtual void escapePressed() { closeArea(); }
    // Any other key reaching the window first; true swallows it.
    virtual bool keyPreview(QKeyEvent *) { return false; }
    // Help topic of the window's current place.
    virtual int helpTopic() const = 0;
    virtual QString helpFile() const = 0;
    void helpClicked();
    // The window's first activation; message boxes and dialogs handing the activation back don't count.
    virtual void windowActivated() {}

    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void reject() override;

    QVBoxLayout *m_layout = nullptr;

private:
    bool keyPressed(QKeyEvent *event);
    void load(QWidget *startScreen);
    QString placeKey() const;

    int m_ownArea;
    bool m_leaving = false;
    bool m_activated = false;
    QMenuBar *m_menuBar = nullptr;
    RightClickMenu *m_popup = nullptr;
    KeyPreview *m_keys = nullptr;
};
