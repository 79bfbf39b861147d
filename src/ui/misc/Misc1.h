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
class SSPanel80;
class WebLinkLabel;

// The Miscellaneous area: the information pages, the to-do list and the reference web sites.
class Misc1 : public AreaWindow
{
    Q_OBJECT

public:
    // Tabs of the inner tab strip SSTab2.
    enum InnerTab { ProgramInformation, Disclaimer, AddressableSafeguards, PrivacyVersesSecurity, ToDoList,
                    WebLinks, AdditionalInformation };
    static constexpr int PageCount = 5;

    // Makes the to-do list placed into Panel3D1, once the window's controls and menu exist.
    using TodoListFactory = std::function<std::unique_ptr<TodoListHooks>(Misc1 &)>;

    explicit Misc1(QWidget *startScreen, const TodoListFactory &todoList = {});
    ~Misc1() override;

    // Controls.
    QTabWidget *SSTab2 = nullptr;
    QList<RichTextBox *> RText1;          // the information pages Misc1.Dat .. Misc5.Dat
    PicturePanel *Panel3D1 = nullptr;     // the to-do list's panel
    QLabel *Label1 = nullptr;             // heading of the web links
    QLabel *Label3 = nullptr;             // note above the web links
    QList<WebLinkLabel *> Label4;         // the web links
    QLabel *Label7 = nullptr;             // today's date
    QPushButton *Command1[1] = {nullptr}; // "E&xit"
    SSPanel80 *previewPanel = nullptr;
    GridBackgroundSelector *gridBackground = nullptr;

    // Options menu. The grid items show on the "To Do List" tab only.
    QAction *mO1 = nullptr, *MOgrid = nullptr, *mO7 = nullptr, *mODel = nullptr, *mOCl = nullptr;
    QAction *mOIN = nullptr, *mOPrt = nullptr, *mOS = nullptr, *mOSpell = nullptr, *mO2 = nullptr;
    QAction *mOEx = nullptr;
    QList<QAction *> gridItems() const;

    // The page file shown in RText1(i): "Misc<i + 1>.Dat".
    static QString pageFile(int index);
    // "Date: " and the date as "December 7, 2026", in English whatever the machine's language.
    static QString dateCaption(const QDate &date);

    TodoListHooks &todoList() const { return *m_todo; }

    // Handlers.
    void SSTab2_Click();
    void Label4_Click(int index);
    void Command1_Click() { closeArea(); }

protected:
    int helpTopic() const override;
    QString helpFile() const override;
    void escapePressed() override;
    bool confirmLeave() override;
    void Form_Activate() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Layout (Misc1Layout.cpp).
    void createControls();
    QWidget *createWebLinksPage();
    QWidget *createBottomRow();
    void createMenu();
    void connectControls();
    void watchRightClicks(const QList<QWidget *> &widgets);

    // The to-do list placed into Panel3D1 when no factory is given.
    std::unique_ptr<TodoListHooks> createTodoList();
    void holdTodoListWhileReadOnly();
    void Form_Load();
    void loadPages();
    // The save prompt of the to-do list; true lets the caller go on.
    bool askToSaveTodoList();
    void showInnerTab(int tab);
    void setGridPicture(const QImage &picture);

    std::unique_ptr<TodoListHooks> m_todo;
    int m_shownTab = 0;
};
