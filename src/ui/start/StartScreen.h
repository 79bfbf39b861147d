#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "ui/shell/Areas.h"
#include "core/home/Place.h"

class HomePage;
class KeyPreview;
class QLabel;
class QMenu;
class QTabWidget;
class RightClickMenu;
class WorkbookSession;

// The start screen: the hub between the three areas, loaded for the whole run.
class StartScreen : public QMainWindow
{
    Q_OBJECT

  public:
    explicit StartScreen(QWidget *parent = nullptr);
    ~StartScreen() override;

    // Opens area 1, 2 or 3 modally over the start screen and returns when it has closed.
    // Tests replace it; the default builds the area window and runs it.
    std::function<void(int area)> showArea;
    // Opens an area window with extras (going to a place, hearing of saves) and returns when it has closed.
    // Tests replace it; the default builds the area window and runs it.
    std::function<void(int area, const AreaExtras &extras)> showAreaWith;
    // Shows the splash modally; the default runs `SplashScreen`.
    std::function<void()> showSplash;
    // Shows the about box.
    std::function<void()> showAbout;

    QTabWidget *areaTabs = nullptr;
    QLabel *titlePanel = nullptr;
    QLabel *ruleTitle = nullptr;
    QLabel *hintLabel = nullptr;
    // Names the workbook folder that is open.
    QLabel *workbookFolderLabel = nullptr;
    QMenu *optionsMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QAction *searchEverything = nullptr;
    // The Home page's figures and the search across everything.
    HomePage *home = nullptr;

    void load();
    void windowActivated();
    void areaTabClicked();
    void areaItemClicked(int index);
    void exitProgramClicked();
    void helpContentsClicked();
    void programOverviewClicked();
    void aboutClicked();
    void webSiteClicked();
    // Runs the area window a place lies in and takes it there; back on Home once it has closed.
    void openPlace(const Place &place);

    bool isUnloaded() const { return m_unloaded; }
    const WorkbookSession &workbook() const { return *m_workbook; }

  signals:
    // The start screen has unloaded: the program ends.
    void unloaded();

  protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    void buildMenus();
    void buildHomePage();
    void placeTitlePanel();
    void showWorkbookFolder();
    void recordSize();
    void askExit();
    void unload();
    // Takes the workbook folder for this copy, or read-only; false when it is not to be opened.
    bool openWorkbook(const QString &folder);
    void runArea(int area);
    bool keyPressed(QKeyEvent *event);

    bool m_activatedOnce = false;
    bool m_unloaded = false;
    RightClickMenu *m_popup = nullptr;
    KeyPreview *m_keys = nullptr;
    std::unique_ptr<WorkbookSession> m_workbook;
};
