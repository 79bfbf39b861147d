#include "ui/misc/Misc1.h"

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
#include "core/workbook/HINFO1.h"
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

Misc1::Misc1(QWidget *startScreen, const TodoListFactory &todoList)
    : AreaWindow(HINFO1::Miscellaneous, QStringLiteral("Miscellaneous"), startScreen)
{
    setObjectName(QStringLiteral("Misc1"));
    createControls();
    createMenu();
    m_todo = todoList ? todoList(*this) : createTodoList();
    connectControls();
    holdWhileReadOnly({mODel, mOCl, mOIN, mOS, mOSpell, MOgrid});
    holdAllWhileReadOnly(previewPanel->SSOption82);
    holdTodoListWhileReadOnly();
    Form_Load();
}

Misc1::~Misc1() = default;

void Misc1::holdTodoListWhileReadOnly()
{
    // The list can be read, scrolled and printed, but not changed.
    ReadOnlyGate *gate = ReadOnlyGate::of(this);
    if (!gate)
        return;
    for (const char *name :
         {"Command1(1)", "Command1(2)", "Command1(3)", "Command1(5)", "Command1(6)", "Text1(0)", "Combo1", "MonthView1"})
        gate->hold({Panel3D1->findChild<QWidget *>(QLatin1String(name))});
    if (auto *grid = Panel3D1->findChild<QAbstractItemView *>(QStringLiteral("VSGd1")))
        gate->holdView(grid);
}

std::unique_ptr<TodoListHooks> Misc1::createTodoList()
{
    return std::make_unique<TodoPanelHooks>(*this);
}

QString Misc1::pageFile(int index)
{
    return QStringLiteral("Misc%1.Dat").arg(index + 1);
}

QString Misc1::dateCaption(const QDate &date)
{
    return QStringLiteral("Date: ") + QLocale(QLocale::English, QLocale::UnitedStates).toString(date, u"MMMM d, yyyy");
}

void Misc1::Form_Load()
{
    const QColor pageColour = RText1[0]->palette().color(QPalette::Base);
    Panel3D1->setBackColour(pageColour);
    Label1->setText(QStringLiteral("\nHIPAA Web Sites"));
    for (QWidget *w : {static_cast<QWidget *>(Label1), SSTab2->widget(WebLinks)}) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, pageColour);
        w->setPalette(palette);
    }
    QCoreApplication::processEvents();
    m_todo->load();

    // Both print options start checked; checking them must not ask for a rendering yet.
    for (QCheckBox *option : {previewPanel->SSCheck80[0], previewPanel->SSCheck81}) {
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

void Misc1::loadPages()
{
    // A missing or unreadable page leaves its box empty, without a message.
    for (int i = 0; i < RText1.size(); ++i)
        RText1[i]->LoadFile(ContentFolder::file(pageFile(i)));
}

void Misc1::Form_Activate()
{
    previewPanel->saveNormalLayout();
    SSTab2->setCurrentIndex(ProgramInformation);
    m_todo->activate();
    Label7->setText(dateCaption(Clock::current().now().date()));
    if (Command1[0]->isEnabled())
        Command1[0]->setFocus();
    HINFO1::busyOff();
}

void Misc1::SSTab2_Click()
{
    const int tab = SSTab2->currentIndex();
    if (tab == m_shownTab)
        return;
    if (!askToSaveTodoList()) {
        const QSignalBlocker block(SSTab2);
        SSTab2->setCurrentIndex(m_shownTab);
        return;
    }
    showInnerTab(tab);
}

void Misc1::showInnerTab(int tab)
{
    m_shownTab = tab;
    if (tab != ToDoList)
        m_todo->hideCalendar();
    for (QAction *item : gridItems())
        item->setVisible(tab == ToDoList);
    setWindowTitle(QStringLiteral("Miscellaneous - ") + SSTab2->tabText(tab));
}

bool Misc1::askToSaveTodoList()
{
    if (!m_todo->changed())
        return true;
    const int answer = Dialogs::current().messageBox(QStringLiteral("Save changes made to To Do Grid before exiting?"),
                                                     Dialogs::YesNoCancel | Dialogs::Question,
                                                     QStringLiteral("To Do List"));
    HINFO1::SharedAnswer = answer;
    if (answer == Dialogs::Yes) {
        HINFO1::busyOn();
        const bool saved = m_todo->save();
        HINFO1::busyOff();
        return saved;
    }
    if (answer == Dialogs::No) {
        m_todo->forgetChanges();
        return true;
    }
    return false;
}

bool Misc1::confirmLeave()
{
    if (askToSaveTodoList())
        return true;
    // Stay with the list in view.
    const QSignalBlocker block(SSTab2);
    SSTab2->setCurrentIndex(m_shownTab);
    return false;
}

void Misc1::setGridPicture(const QImage &picture)
{
    Panel3D1->setPicture(picture);
    m_todo->setGridPicture(picture);
}

void Misc1::Label4_Click(int index)
{
    Dialogs::current().openWebAddress(WebSites::site(index).address);
}

int Misc1::helpTopic() const
{
    if (previewPanel->isVisible())
        return HelpTopics::PrintPreview;
    return SSTab2->currentIndex() == ToDoList ? HelpTopics::TodoList : HelpTopics::MiscArea;
}

QString Misc1::helpFile() const
{
    return Product::helpFile;
}

void Misc1::escapePressed()
{
    if (!previewPanel->handleEscape())
        closeArea();
}
