#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "TodoPanelDriver.h"
#include "core/workbook/ProgramState.h"
#include "ui/misc/MiscAreaWindow.h"
#include "ui/todo/TodoPanelHooks.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedSpelling.h"
#include "support/SteppedClock.h"
#include "support/TempFolder.h"

namespace {

using namespace TodoDriver;

const QString ItemFirst = QStringLiteral("Please, enter an Item before any dates.");

const QList<QStringList> FourRows{{"Audit logs", "Mon - Dec 7, 26", "", "", "Fri - Jan 1, 27"},
                                  {"Patch servers", "Tue - Dec 8, 26"},
                                  {"Train staff", "Wed - Dec 9, 26"},
                                  {"Test backups", "Thu - Dec 10, 26", "Fri - Dec 11, 26"}};

// The misc window opened on its "To Do List" tab on Tuesday 8 December 2026, with rows (and names) on file;
// spelling questions are answered from a script.
class TodoKeysInMiscArea : public ::testing::Test
{
  public:
    void open(const QList<QStringList> &rows, const QStringList &names = {})
    {
        folder.write("TODOActv.FIL", gridFile(rows));
        if (!names.isEmpty())
            folder.write("TODONAME.FIL", quotedLines(names));
        ProgramState::PendingArea = 0;
        w = std::make_unique<MiscAreaWindow>(nullptr, [this](MiscAreaWindow &window) {
            return std::make_unique<TodoPanelHooks>(window, &speller);
        });
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        QCoreApplication::processEvents();
        w->sectionTabs->setCurrentIndex(MiscAreaWindow::ToDoList);
        panel = static_cast<TodoPanelHooks &>(w->todoList()).panel();
    }
    // A key as the user presses it: to whichever control has the focus.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    QString cell(int row, int column) const { return panel->grid->cell(row, column); }
    QByteArray savedGrid()
    {
        QTest::mouseClick(panel->listButtons[5], Qt::LeftButton);
        return folder.read("TODOActv.FIL");
    }
    void TestBody() override {}

    TempFolder folder;
    SteppedClock clock{QDateTime(QDate(2026, 12, 8), QTime(9, 0))};
    ScriptedDialogs dialogs;
    ScriptedSpellAsker speller;
    std::unique_ptr<MiscAreaWindow> w;
    TodoPanel *panel = nullptr;
};

} // namespace

TEST(TodoKeysInMiscAreaDelete, ClearsTheCurrentCellWhereverTheKeysMovedIt)
{
    struct Case
    {
        int row, column;
        QList<Qt::Key> keys;
        int clearedRow, clearedColumn;
    };
    const QList<Case> cases{
        {1, 1, {Qt::Key_Down, Qt::Key_Down}, 3, 1},
        {2, 1, {}, 2, 1},
        {2, 1, {Qt::Key_Right}, 2, 2},
        {4, 3, {Qt::Key_Up, Qt::Key_Left}, 3, 2},
        {1, 1, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}, 1, 5},
    };
    for (const Case &c : cases) {
        TodoKeysInMiscArea run;
        run.open(FourRows);
        const auto label = testing::Message()
                           << "click " << c.row << "," << c.column << " then " << c.keys.size() << " keys";
        click(run.panel, c.row, c.column);
        for (Qt::Key key : c.keys)
            TodoKeysInMiscArea::press(key);
        ASSERT_EQ(QApplication::focusWidget(), run.panel->gridView) << label;
        TodoKeysInMiscArea::press(Qt::Key_Delete);
        QList<QStringList> expected = FourRows;
        expected[c.clearedRow - 1].resize(TodoGrid::Columns);
        expected[c.clearedRow - 1][c.clearedColumn - 1].clear();
        EXPECT_EQ(run.savedGrid(), gridFile(expected)) << label;
        EXPECT_TRUE(run.dialogs.messages.isEmpty()) << label;
    }
}

TEST_F(TodoKeysInMiscArea, DeleteAfterASortClearsTheCellNowCurrent)
{
    open({{"Patch servers"}, {"Audit logs"}, {"Train staff"}});
    click(panel, 1, 1);
    clickHeading(panel, 1);
    ASSERT_EQ(cell(1, 1), "Audit logs");
    press(Qt::Key_Down);
    press(Qt::Key_Delete);
    EXPECT_EQ(savedGrid(), gridFile({{"Audit logs"}, {}, {"Train staff"}}));
}

TEST_F(TodoKeysInMiscArea, DeleteInTheEntryBoxAndThePickerEditsTheirText)
{
    open(FourRows);
    click(panel, 2, 1);
    QTest::mouseClick(panel->namePicker->lineEdit(), Qt::LeftButton);
    QTest::keyClicks(panel->namePicker->lineEdit(), "Audxit");
    for (int i = 0; i < 3; ++i)
        press(Qt::Key_Left);
    press(Qt::Key_Delete);
    EXPECT_EQ(panel->namePicker->currentText(), "Audit");

    type(panel, "Encrypt");
    press(Qt::Key_Home);
    press(Qt::Key_Delete);
    EXPECT_EQ(panel->entryBox->text(), "ncrypt");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(panel->gridChanged);

    // An empty entry box still offers the chosen row for deletion, as its Delete key always did.
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_Backspace);
    dialogs.answer(Dialogs::No);
    press(Qt::Key_Delete);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "Delete Activity and Dates for - \nPatch servers, Tue - Dec 8, 26?");
    EXPECT_FALSE(panel->gridChanged);
    EXPECT_EQ(folder.read("TODOActv.FIL"), gridFile(FourRows));
}

TEST_F(TodoKeysInMiscArea, TypedTextSurvivesTheLeadingColumnAndARefusedDate)
{
    open({{"Audit logs", "Mon - Dec 7, 26"}});
    type(panel, "Encrypt laptops");
    click(panel, 3, 0);
    EXPECT_EQ(panel->entryBox->text(), "Encrypt laptops");
    click(panel, 3, 2);
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages.value(0).text, ItemFirst);
    EXPECT_TRUE(cell(3, 2).isEmpty());
    EXPECT_EQ(panel->entryBox->text(), "Encrypt laptops");
    EXPECT_EQ(panel->gridView->currentIndex(), at(panel, 2, 1)) << "the first free item row";
    EXPECT_FALSE(panel->calendar->isVisible());

    click(panel, 2, 1);
    click(panel, 2, 3);
    EXPECT_EQ(savedGrid(),
              gridFile({{"Audit logs", "Mon - Dec 7, 26"}, {"Encrypt laptops", "", "Tue - Dec 8, 26"}}));
    EXPECT_EQ(folder.read("TODONAME.FIL"), quotedLines({"Encrypt laptops"}));
}

TEST_F(TodoKeysInMiscArea, TheCalendarRefusesADateOnceTheRowsItemIsGone)
{
    open({{"Audit logs", "Mon - Dec 7, 26"}});
    click(panel, 1, 2);
    ASSERT_TRUE(panel->calendar->isVisible());
    press(Qt::Key_Left);
    press(Qt::Key_F2);
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_Backspace);
    press(Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_TRUE(cell(1, 1).isEmpty());
    ASSERT_TRUE(panel->calendar->isVisible());

    QWidget *days = panel->calendar->findChild<QWidget *>("qt_calendar_calendarview");
    days->setFocus();
    press(Qt::Key_Right);
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages.value(0).text, ItemFirst);
    EXPECT_EQ(cell(1, 2), "Mon - Dec 7, 26");
    EXPECT_FALSE(panel->calendar->isVisible());
}

TEST(TodoKeysInMiscAreaCalendar, KeepsToTheYearsTwoDigitsCanHold)
{
    struct Case
    {
        QString shown;
        Qt::Key key;
        QString picked;
    };
    const QList<Case> cases{{"Sat - Jan 1, 00", Qt::Key_Left, "Sat - Jan 1, 00"},
                            {"Thu - Dec 31, 99", Qt::Key_Right, "Thu - Dec 31, 99"},
                            {"Tue - Dec 8, 26", Qt::Key_Right, "Wed - Dec 9, 26"},
                            {"Mon - Jan 3, 00", Qt::Key_Left, "Sun - Jan 2, 00"}};
    for (const Case &c : cases) {
        TodoKeysInMiscArea run;
        run.open({{"Audit logs", c.shown}});
        click(run.panel, 1, 2);
        EXPECT_TRUE(run.panel->calendar->toolTip().contains("2000 to 2099")) << c.shown.toStdString();
        QWidget *days = run.panel->calendar->findChild<QWidget *>("qt_calendar_calendarview");
        days->setFocus();
        TodoKeysInMiscArea::press(c.key);
        TodoKeysInMiscArea::press(Qt::Key_Return);
        EXPECT_EQ(run.savedGrid(), gridFile({{"Audit logs", c.picked}})) << c.shown.toStdString();
    }
}

TEST_F(TodoKeysInMiscArea, SpellingCheckButtonSitsWithTheCommandsAndAnswersItsAccessKey)
{
    open({{"Reveiw logs"}, {"Sign BA contracts"}}, {"Reveiw logs", "Sign BA contracts"});
    QPushButton *spelling = panel->spellingButton;
    EXPECT_EQ(spelling->objectName(), "Command6");
    EXPECT_EQ(spelling->text(), "Spelling Chec&k");
    EXPECT_EQ(spelling->geometry().top(), panel->listButtons[5]->geometry().top());
    EXPECT_EQ(spelling->height(), panel->listButtons[5]->height());
    EXPECT_GT(spelling->x(), panel->listButtons[5]->geometry().right());

    QStringList withK;
    for (QAbstractButton *button : w->findChildren<QAbstractButton *>())
        if (button->text().contains("&k", Qt::CaseInsensitive))
            withK.append(button->objectName());
    for (QLabel *label : w->findChildren<QLabel *>())
        if (label->text().contains("&k", Qt::CaseInsensitive))
            withK.append(label->objectName());
    for (QTabBar *bar : w->findChildren<QTabBar *>())
        for (int i = 0; i < bar->count(); ++i)
            if (bar->tabText(i).contains("&k", Qt::CaseInsensitive))
                withK.append(bar->tabText(i));
    EXPECT_EQ(withK, QStringList{"Command6"}) << "Alt+K belongs to one control";
    EXPECT_EQ(QKeySequence::mnemonic(spelling->text()), QKeySequence(Qt::ALT | Qt::Key_K));
    speller.answer(SpellAnswer::Change, QStringLiteral("Review"));
    QTest::mouseClick(spelling, Qt::LeftButton);
    ASSERT_EQ(speller.questions.size(), 1);
    EXPECT_EQ(folder.read("TODONAME.FIL"), quotedLines({"Sign BA contracts", "Review logs"}));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text,
              "Spelling Check has been canceled or has reached the end of your entries");
    EXPECT_EQ(savedGrid(), gridFile({{"Review logs"}, {"Sign BA contracts"}}));
}
