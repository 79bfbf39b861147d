#include "ui/misc/MiscAreaWindow.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include "core/workbook/Clock.h"
#include "core/workbook/ProgramState.h"
#include "core/workbook/Product.h"
#include "ui/shell/ReadOnlyGate.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/todo/TodoPanelHooks.h"
#include "core/workbook/WebSites.h"
#include "ui/preview/GridBackgroundSelector.h"
#include "ui/preview/PreviewPanel.h"
#include "core/files/ContentFolder.h"
#include "core/workbook/HelpTopics.h"

MiscAreaWindow::MiscAreaWindow(QWidget *startScreen, const TodoListFactory &todoList)
    : AreaWindow(ProgramState::Miscellaneous, QStringLiteral("Miscellaneous"), startScreen)
{
    setObjectName(QStringLiteral("Misc1"));
    createControls();
    createMenu();
    m_todo = todoList ? todoList(*this) : createTodoList();
    connectControls();
    holdWhileReadOnly(
        {deleteItemAction, clearGridAction, insertRowAction, saveAction, spellAction, gridMenuAction});
    holdAllWhileReadOnly(previewPanel->guideLineOptions);
    holdTodoListWhileReadOnly();
    load();
}

MiscAreaWindow::~MiscAreaWindow() = default;

void MiscAreaWindow::holdTodoListWhileReadOnly()
{
    // The list can be read, scrolled and printed, but not changed.
    ReadOnlyGate *gate = ReadOnlyGate::of(this);
    if (!gate)
        return;
    for (const char *name : {"Command1(1)", "Command1(2)", "Command1(3)", "Command1(5)", "Command1(6)",
                             "Text1(0)", "Combo1", "MonthView1"})
        gate->hold({todoArea->findChild<QWidget *>(QLatin1String(name))});
    if (auto *grid = todoArea->findChild<QAbstractItemView *>(QStringLiteral("VSGd1")))
        gate->holdView(grid);
}

std::unique_ptr<TodoListHooks> MiscAreaWindow::createTodoList()
{
    return std::make_unique<TodoPanelHooks>(*this);
}

QString MiscAreaWindow::pageFile(int index)
{
    return QStringLiteral("Misc%1.Dat").arg(index + 1);
}

QString MiscAreaWindow::dateCaption(const QDate &date)
{
    return QStringLiteral("Date: ") +
           QLocale(QLocale::English, QLocale::UnitedStates).toString(date, u"MMMM d, yyyy");
}

void MiscAreaWindow::load()
{
    const QColor pageColour = pageBoxes[0]->palette().color(QPalette::Base);
    todoArea->setBackColour(pageColour);
    webLinksHeading->setText(QStringLiteral("\nHIPAA Web Sites"));
    for (QWidget *w : {static_cast<QWidget *>(webLinksHeading), sectionTabs->widget(WebLinks)}) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, pageColour);
        w->setPalette(palette);
    }
    QCoreApplication::processEvents();
    m_todo->load();

    // Both print options start checked; checking them must not ask for a rendering yet.
    for (QCheckBox *option : {previewPanel->printOptions[0], previewPanel->asOfDateOption}) {
        const QSignalBlocker quiet(option);
        option->setChecked(true);
    }
    previewPanel->applyGuideLineSetting();
    gridBackground->applyStored();
    loadPages();
    showInnerTab(ProgramInformation);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void MiscAreaWindow::loadPages()
{
    // A missing or unreadable page leaves its box empty, without a message.
    for (int i = 0; i < pageBoxes.size(); ++i)
        pageBoxes[i]->LoadFile(ContentFolder::file(pageFile(i)));
}

void MiscAreaWindow::windowActivated()
{
    previewPanel->saveNormalLayout();
    sectionTabs->setCurrentIndex(ProgramInformation);
    m_todo->activate();
    dateLabel->setText(dateCaption(Clock::current().now().date()));
    if (exitButton->isEnabled())
        exitButton->setFocus();
    ProgramState::busyOff();
}

void MiscAreaWindow::sectionTabClicked()
{
    const int tab = sectionTabs->currentIndex();
    if (tab == m_shownTab)
        return;
    if (!askToSaveTodoList()) {
        const QSignalBlocker block(sectionTabs);
        sectionTabs->setCurrentIndex(m_shownTab);
        return;
    }
    showInnerTab(tab);
}

void MiscAreaWindow::showInnerTab(int tab)
{
    m_shownTab = tab;
    if (tab != ToDoList)
        m_todo->hideCalendar();
    for (QAction *item : gridItems())
        item->setVisible(tab == ToDoList);
    setWindowTitle(QStringLiteral("Miscellaneous - ") + sectionTabs->tabText(tab));
}

bool MiscAreaWindow::askToSaveTodoList()
{
    if (!m_todo->changed())
        return true;
    const int answer =
        Dialogs::current().messageBox(QStringLiteral("Save changes made to To Do Grid before exiting?"),
                                      Dialogs::YesNoCancel | Dialogs::Question, QStringLiteral("To Do List"));
    ProgramState::SharedAnswer = answer;
    if (answer == Dialogs::Yes) {
        ProgramState::busyOn();
        const bool saved = m_todo->save();
        ProgramState::busyOff();
        return saved;
    }
    if (answer == Dialogs::No) {
        m_todo->forgetChanges();
        return true;
    }
    return false;
}

bool MiscAreaWindow::confirmLeave()
{
    if (askToSaveTodoList())
        return true;
    // Stay with the list in view.
    const QSignalBlocker block(sectionTabs);
    sectionTabs->setCurrentIndex(m_shownTab);
    return false;
}

void MiscAreaWindow::setGridPicture(const QImage &picture)
{
    todoArea->setPicture(picture);
    m_todo->setGridPicture(picture);
}

void MiscAreaWindow::webLinkClicked(int index)
{
    Dialogs::current().openWebAddress(WebSites::site(index).address);
}

int MiscAreaWindow::helpTopic() const
{
    if (previewPanel->isVisible())
        return HelpTopics::PrintPreview;
    return sectionTabs->currentIndex() == ToDoList ? HelpTopics::TodoList : HelpTopics::MiscArea;
}

QString MiscAreaWindow::helpFile() const
{
    return Product::helpFile;
}

void MiscAreaWindow::escapePressed()
{
    if (!previewPanel->handleEscape())
        closeArea();
}
