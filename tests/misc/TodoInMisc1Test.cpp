#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QTableView>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "core/workbook/HINFO1.h"
#include "ui/misc/Misc1.h"
#include "core/todo/TodoGridModel.h"
#include "ui/todo/TodoPanel.h"
#include "ui/todo/TodoPanelHooks.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace {

const QString Prompt = QStringLiteral("Save changes made to To Do Grid before exiting?");

enum class Moment { OtherArea, OtherInnerTab, Exit, CloseBox };

// The misc window on its "To Do List" tab with one item added and not saved.
class TodoInMisc1 : public ::testing::Test
{
public:
    TodoInMisc1()
    {
        HINFO1::PendingArea = 0;
        w.show();
        QCoreApplication::processEvents(); // the window's first activation, as a user meets it
        w.SSTab2->setCurrentIndex(Misc1::ToDoList);
        panel()->Text1_0->setText(QStringLiteral("Sign BA contracts"));
        panel()->Command1[2]->click();
    }
    TodoPanel *panel() { return static_cast<TodoPanelHooks &>(w.todoList()).panel(); }
    void leave(Moment moment)
    {
        switch (moment) {
        case Moment::OtherArea:
            w.SSTab1->setCurrentIndex(HINFO1::SecurityRule);
            QCoreApplication::processEvents();
            break;
        case Moment::OtherInnerTab:
            w.SSTab2->setCurrentIndex(Misc1::Disclaimer);
            break;
        case Moment::Exit:
            w.Command1[0]->click();
            break;
        case Moment::CloseBox:
            w.close();
            break;
        }
    }
    bool saved() const { return folder.read("TODOActv.FIL").startsWith("\"Sign BA contracts\"\r\n"); }

    TempFolder folder;
    ScriptedDialogs dialogs;
    Misc1 w{nullptr};
};

} // namespace

TEST_F(TodoInMisc1, ThePanelSitsInPanel3D1WithTheWindowsCommands)
{
    EXPECT_EQ(panel()->parentWidget(), w.Panel3D1);
    EXPECT_EQ(panel()->Command1[0], w.Command1[0]);
    EXPECT_EQ(panel()->GridChanged, 1);
    EXPECT_TRUE(w.mOS->isEnabled());
    w.mOS->trigger();
    EXPECT_TRUE(saved());
    EXPECT_EQ(panel()->GridChanged, 0);

    panel()->VSGd1->setCurrentIndex(panel()->grid->index(4, 2));
    QWidget *cells = panel()->VSGd1->viewport();
    QTest::mouseRelease(cells, Qt::RightButton, {}, cells->rect().center());
    EXPECT_TRUE(w.mO->isVisible()) << "the Options menu pops up over the grid";
    EXPECT_EQ(panel()->VSGd1->currentIndex(), panel()->grid->index(0, 1));
    w.mO->hide();
}

TEST(TodoInMisc1Moments, SavePromptAtEachMoment)
{
    struct Case {
        Moment moment;
        int answer;
        bool stays;
        bool written;
    };
    const QList<Case> cases{
        {Moment::OtherArea, Dialogs::Yes, false, true},     {Moment::OtherArea, Dialogs::No, false, false},
        {Moment::OtherArea, Dialogs::Cancel, true, false},  {Moment::OtherInnerTab, Dialogs::Yes, false, true},
        {Moment::OtherInnerTab, Dialogs::No, false, false}, {Moment::OtherInnerTab, Dialogs::Cancel, true, false},
        {Moment::Exit, Dialogs::Yes, false, true},          {Moment::Exit, Dialogs::No, false, false},
        {Moment::Exit, Dialogs::Cancel, true, false},       {Moment::CloseBox, Dialogs::Yes, false, true},
        {Moment::CloseBox, Dialogs::No, false, false},      {Moment::CloseBox, Dialogs::Cancel, true, false}};
    for (const Case &c : cases) {
        struct Run : TodoInMisc1 {
            void TestBody() override {}
        } run;
        run.dialogs.answer(c.answer);
        run.leave(c.moment);
        const auto label = testing::Message() << "moment " << int(c.moment) << ", answer " << c.answer;
        ASSERT_EQ(run.dialogs.messages.size(), 1) << label;
        EXPECT_EQ(run.dialogs.messages[0].text, Prompt);
        EXPECT_EQ(run.dialogs.messages[0].caption, "To Do List");
        EXPECT_EQ(run.saved(), c.written) << label;
        EXPECT_EQ(run.panel()->GridChanged, c.stays ? 1 : 0) << label;
        if (c.moment == Moment::OtherInnerTab) {
            EXPECT_EQ(run.w.SSTab2->currentIndex(), c.stays ? Misc1::ToDoList : Misc1::Disclaimer) << label;
            continue;
        }
        EXPECT_EQ(run.w.isVisible(), c.stays) << label;
        EXPECT_EQ(run.w.SSTab1->currentIndex(), c.stays ? HINFO1::Miscellaneous : run.w.SSTab1->currentIndex());
        EXPECT_EQ(run.w.SSTab2->currentIndex(), Misc1::ToDoList) << label;
    }
}

TEST_F(TodoInMisc1, SaveWritesTheGridAsShownAfterNoOnAnInnerTab)
{
    dialogs.answer(Dialogs::No);
    w.SSTab2->setCurrentIndex(Misc1::Disclaimer);
    w.SSTab2->setCurrentIndex(Misc1::ToDoList);
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_FALSE(saved());
    w.mOS->trigger();
    EXPECT_TRUE(saved());
}

TEST_F(TodoInMisc1, AFailedSaveOnYesKeepsTheWindowOpen)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("TODOActv.FIL"));
    dialogs.answer(Dialogs::Yes);
    w.Command1[0]->click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[1].caption, "Save Failed");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(panel()->GridChanged, 1);
}
