#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QTableView>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "core/workbook/ProgramState.h"
#include "ui/misc/MiscAreaWindow.h"
#include "core/todo/TodoGridModel.h"
#include "ui/todo/TodoPanel.h"
#include "ui/todo/TodoPanelHooks.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace {

const QString Prompt = QStringLiteral("Save changes made to To Do Grid before exiting?");

enum class Moment { OtherArea, OtherInnerTab, Exit, CloseBox };

// The misc window on its "To Do List" tab with one item added and not saved.
class TodoInMiscArea : public ::testing::Test
{
  public:
    TodoInMiscArea()
    {
        ProgramState::PendingArea = 0;
        w.show();
        QCoreApplication::processEvents(); // the window's first activation, as a user meets it
        w.sectionTabs->setCurrentIndex(MiscAreaWindow::ToDoList);
        panel()->entryBox->setText(QStringLiteral("Sign BA contracts"));
        panel()->listButtons[2]->click();
    }
    TodoPanel *panel() { return static_cast<TodoPanelHooks &>(w.todoList()).panel(); }
    void leave(Moment moment)
    {
        switch (moment) {
        case Moment::OtherArea:
            w.areaTabs->setCurrentIndex(ProgramState::SecurityRule);
            QCoreApplication::processEvents();
            break;
        case Moment::OtherInnerTab:
            w.sectionTabs->setCurrentIndex(MiscAreaWindow::Disclaimer);
            break;
        case Moment::Exit:
            w.exitButton->click();
            break;
        case Moment::CloseBox:
            w.close();
            break;
        }
    }
    bool saved() const { return folder.read("TODOActv.FIL").startsWith("\"Sign BA contracts\"\r\n"); }

    TempFolder folder;
    ScriptedDialogs dialogs;
    MiscAreaWindow w{nullptr};
};

} // namespace

TEST_F(TodoInMiscArea, ThePanelSitsInPanel3D1WithTheWindowsCommands)
{
    EXPECT_EQ(panel()->parentWidget(), w.todoArea);
    EXPECT_EQ(panel()->listButtons[0], w.exitButton);
    EXPECT_TRUE(panel()->gridChanged);
    EXPECT_TRUE(w.saveAction->isEnabled());
    w.saveAction->trigger();
    EXPECT_TRUE(saved());
    EXPECT_FALSE(panel()->gridChanged);

    panel()->gridView->setCurrentIndex(panel()->grid->index(4, 2));
    QWidget *cells = panel()->gridView->viewport();
    QTest::mouseRelease(cells, Qt::RightButton, {}, cells->rect().center());
    EXPECT_TRUE(w.optionsMenu->isVisible()) << "the Options menu pops up over the grid";
    EXPECT_EQ(panel()->gridView->currentIndex(), panel()->grid->index(0, 1));
    w.optionsMenu->hide();
}

TEST(TodoInMiscAreaMoments, SavePromptAtEachMoment)
{
    struct Case
    {
        Moment moment;
        int answer;
        bool stays;
        bool written;
    };
    const QList<Case> cases{{Moment::OtherArea, Dialogs::Yes, false, true},
                            {Moment::OtherArea, Dialogs::No, false, false},
                            {Moment::OtherArea, Dialogs::Cancel, true, false},
                            {Moment::OtherInnerTab, Dialogs::Yes, false, true},
                            {Moment::OtherInnerTab, Dialogs::No, false, false},
                            {Moment::OtherInnerTab, Dialogs::Cancel, true, false},
                            {Moment::Exit, Dialogs::Yes, false, true},
                            {Moment::Exit, Dialogs::No, false, false},
                            {Moment::Exit, Dialogs::Cancel, true, false},
                            {Moment::CloseBox, Dialogs::Yes, false, true},
                            {Moment::CloseBox, Dialogs::No, false, false},
                            {Moment::CloseBox, Dialogs::Cancel, true, false}};
    for (const Case &c : cases) {
        struct Run : TodoInMiscArea
        {
            void TestBody() override {}
        } run;
        run.dialogs.answer(c.answer);
        run.leave(c.moment);
        const auto label = testing::Message() << "moment " << int(c.moment) << ", answer " << c.answer;
        ASSERT_EQ(run.dialogs.messages.size(), 1) << label;
        EXPECT_EQ(run.dialogs.messages[0].text, Prompt);
        EXPECT_EQ(run.dialogs.messages[0].caption, "To Do List");
        EXPECT_EQ(run.saved(), c.written) << label;
        EXPECT_EQ(run.panel()->gridChanged, c.stays) << label;
        if (c.moment == Moment::OtherInnerTab) {
            EXPECT_EQ(run.w.sectionTabs->currentIndex(),
                      c.stays ? MiscAreaWindow::ToDoList : MiscAreaWindow::Disclaimer)
                << label;
            continue;
        }
        EXPECT_EQ(run.w.isVisible(), c.stays) << label;
        EXPECT_EQ(run.w.areaTabs->currentIndex(),
                  c.stays ? ProgramState::Miscellaneous : run.w.areaTabs->currentIndex());
        EXPECT_EQ(run.w.sectionTabs->currentIndex(), MiscAreaWindow::ToDoList) << label;
    }
}

TEST_F(TodoInMiscArea, SaveWritesTheGridAsShownAfterNoOnAnInnerTab)
{
    dialogs.answer(Dialogs::No);
    w.sectionTabs->setCurrentIndex(MiscAreaWindow::Disclaimer);
    w.sectionTabs->setCurrentIndex(MiscAreaWindow::ToDoList);
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_FALSE(saved());
    w.saveAction->trigger();
    EXPECT_TRUE(saved());
}

TEST_F(TodoInMiscArea, AFailedSaveOnYesKeepsTheWindowOpen)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("TODOActv.FIL"));
    dialogs.answer(Dialogs::Yes);
    w.exitButton->click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].caption, "Save Failed");
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(panel()->gridChanged);
}
