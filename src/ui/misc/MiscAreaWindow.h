#pragma once

#include <QList>
#include <functional>
#include <memory>

#include "ui/shell/AreaWindow.h"
#include "ui/misc/PicturePanel.h"
#include "ui/todo/TodoListHooks.h"

class GridBackgroundSelector;
class QLabel;
class QPushButton;
class RichTextBox;
class PreviewPanel;
class WebLinkLabel;

// The Miscellaneous area: the information pages, the to-do list and the reference web sites.
class MiscAreaWindow : public AreaWindow
{
    Q_OBJECT

  public:
    // Tabs of the inner tab strip sectionTabs.
    enum InnerTab {
        ProgramInformation,
        Disclaimer,
        AddressableSafeguards,
        PrivacyVersesSecurity,
        ToDoList,
        WebLinks,
        AdditionalInformation
    };
    static constexpr int PageCount = 5;

    // Makes the to-do list placed into todoArea, once the window's controls and menu exist.
    using TodoListFactory = std::function<std::unique_ptr<TodoListHooks>(MiscAreaWindow &)>;

    explicit MiscAreaWindow(QWidget *startScreen, const TodoListFactory &todoList = {});
    ~MiscAreaWindow() override;

    // Controls.
    QTabWidget *sectionTabs = nullptr;
    QList<RichTextBox *> pageBoxes;          // the information pages Misc1.Dat .. Misc5.Dat
    PicturePanel *todoArea = nullptr;        // the to-do list's panel
    QLabel *webLinksHeading = nullptr;       // heading of the web links
    QLabel *webLinksNote = nullptr;          // note above the web links
    QList<WebLinkLabel *> webLinks;          // the web links
    QLabel *dateLabel = nullptr;             // today's date
    QPushButton *exitButton = nullptr; // "E&xit"
    PreviewPanel *previewPanel = nullptr;
    GridBackgroundSelector *gridBackground = nullptr;

    // Options menu. The grid items show on the "To Do List" tab only.
    QAction *areaSeparator = nullptr, *gridMenuAction = nullptr, *gridSeparator = nullptr,
            *deleteItemAction = nullptr, *clearGridAction = nullptr;
    QAction *insertRowAction = nullptr, *printAction = nullptr, *saveAction = nullptr, *spellAction = nullptr,
            *spellSeparator = nullptr;
    QAction *exitAction = nullptr;
    QList<QAction *> gridItems() const;

    // The page file shown in pageBoxes(i): "Misc<i + 1>.Dat".
    static QString pageFile(int index);
    // "Date: " and the date as "December 7, 2026", in English whatever the machine's language.
    static QString dateCaption(const QDate &date);

    TodoListHooks &todoList() const { return *m_todo; }

    // Handlers.
    void sectionTabClicked();
    void webLinkClicked(int index);
    void exitClicked() { closeArea(); }

  protected:
    int helpTopic() const override;
    QString helpFile() const override;
    void escapePressed() override;
    bool confirmLeave() override;
    void windowActivated() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    // Layout (MiscAreaWindowLayout.cpp).
    void createControls();
    QWidget *createWebLinksPage();
    QWidget *createBottomRow();
    void createMenu();
    void connectControls();
    void watchRightClicks(const QList<QWidget *> &widgets);

    // The to-do list placed into todoArea when no factory is given.
    std::unique_ptr<TodoListHooks> createTodoList();
    void holdTodoListWhileReadOnly();
    void load();
    void loadPages();
    // The save prompt of the to-do list; true lets the caller go on.
    bool askToSaveTodoList();
    void showInnerTab(int tab);
    void setGridPicture(const QImage &picture);

    std::unique_ptr<TodoListHooks> m_todo;
    int m_shownTab = 0;
};
