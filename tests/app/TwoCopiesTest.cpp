#include <QAction>
#include <QApplication>
#include <QMap>
#include <functional>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSysInfo>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "core/workbook/ProgramState.h"
#include "ui/start/StartScreen.h"
#include "ui/start/WorkbookSession.h"
#include "core/files/QuotedLineFile.h"
#include "core/files/RecordFile.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/misc/MiscAreaWindow.h"
#include "core/todo/TodoGridModel.h"
#include "ui/todo/TodoPanel.h"
#include "ui/todo/TodoPanelHooks.h"
#include "support/ComboPick.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "ui/workarea/StatusBox.h"
#include "ui/workarea/WorkAreaWindow.h"

namespace {

const QString entryFile = QStringLiteral("Action0.Fil");
const QByteArray entryBytes = "{\\rtf1\\ansi Risk analysis done in March.\\par}";
const QString inUse = QStringLiteral("Workbook in Use");
const QString changedCaption = QStringLiteral("File Changed");

QLabel *readOnlyNote(QWidget *window)
{
    return window->findChild<QLabel *>(QStringLiteral("readOnlyNote"));
}

TodoPanel *todoPanel(MiscAreaWindow &w)
{
    return static_cast<TodoPanelHooks &>(w.todoList()).panel();
}

// One folder, copies of the program started on it one after another in this process.
class TwoCopies : public ::testing::Test
{
protected:
    TwoCopies()
    {
        ProgramState::reset();
        ProgramState::WorkbookFolder = folder.path();
        folder.write(entryFile, entryBytes);
        folder.write(QStringLiteral("TODOActv.FIL"), "\"Review access logs\"\r\n");
    }
    ~TwoCopies() override { ProgramState::WorkbookFolder.clear(); }

    std::unique_ptr<StartScreen> startCopy()
    {
        auto copy = std::make_unique<StartScreen>();
        copy->showSplash = [] {};
        copy->load();
        return copy;
    }
    // Opens area `area` from the copy's Options menu, runs `script` in the area window, then closes it.
    template <typename Window>
    void inArea(StartScreen &copy, int area, const std::function<void(Window &)> &script)
    {
        bool ran = false;
        copy.showArea = [&](int opened) {
            ASSERT_EQ(opened, area);
            Window window(&copy);
            window.show();
            QApplication::processEvents();
            script(window);
            ran = true;
        };
        copy.areaItemClicked(area - 1);
        QApplication::processEvents();
        EXPECT_TRUE(ran);
    }
    QList<ScriptedDialogs::Message> messagesCaptioned(const QString &caption) const
    {
        QList<ScriptedDialogs::Message> found;
        for (const auto &m : dialogs.messages)
            if (m.caption == caption)
                found.append(m);
        return found;
    }
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> all;
        for (const QString &name : QDir(folder.path()).entryList(QDir::Files))
            if (name != QStringLiteral("Tessarel.lock"))
                all.insert(name, folder.read(name));
        return all;
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
};

TEST_F(TwoCopies, SecondCopyIsToldWhoHoldsTheWorkbookAndCanOnlyReadIt)
{
    auto first = startCopy();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Tessarel"));
    EXPECT_EQ(readOnlyNote(first.get()), nullptr);
    // A save of the first copy under way: the second must leave its temporary file alone.
    folder.write(QStringLiteral("Action0.Fil.Ab12Cd"), "half");
    const auto before = files();

    dialogs.answer(Dialogs::Yes);
    auto second = startCopy();
    ASSERT_EQ(messagesCaptioned(inUse).size(), 1);
    const QString told = messagesCaptioned(inUse).first().text;
    EXPECT_TRUE(told.startsWith(QStringLiteral("This workbook is in use by another copy of Tessarel: ")));
    EXPECT_TRUE(told.contains(QStringLiteral(" on %1, process %2 ")
                                  .arg(QSysInfo::machineHostName())
                                  .arg(QCoreApplication::applicationPid())))
        << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("Open it read-only?")));
    EXPECT_FALSE(second->isUnloaded());
    EXPECT_TRUE(second->workbook().isReadOnly());
    EXPECT_FALSE(first->workbook().isReadOnly());

    second->show();
    EXPECT_EQ(second->windowTitle(), QStringLiteral("Tessarel (read-only)"));
    ASSERT_NE(readOnlyNote(second.get()), nullptr);
    EXPECT_TRUE(readOnlyNote(second.get())->isVisible());
    EXPECT_TRUE(readOnlyNote(second.get())->text().startsWith(QStringLiteral("Read-only: in use by ")));
    EXPECT_FALSE(second->optionsMenu->findChild<QAction *>(QStringLiteral("mORestore"))->isEnabled());
    EXPECT_TRUE(first->optionsMenu->findChild<QAction *>(QStringLiteral("mORestore"))->isEnabled());

    inArea<WorkAreaWindow>(*second, ProgramState::OfficeActionArea, [&](WorkAreaWindow &w) {
        EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral(" (read-only)")));
        EXPECT_NE(readOnlyNote(&w), nullptr);
        w.sectionTabs->setCurrentIndex(1);
        w.innerTabs[0]->setCurrentIndex(0);
        w.actionTakenOption->click();
        const QString shown = w.entryEditor->Text();
        EXPECT_TRUE(shown.startsWith(QStringLiteral("Risk analysis done in March.")));
        w.entryEditor->setFocus();
        QTest::keyClicks(w.entryEditor, QStringLiteral(" FROM-B"));
        EXPECT_EQ(w.entryEditor->Text(), shown);
        for (QObject *command :
             QList<QObject *>{w.saveButton, w.statusBox, w.spellButton, w.alignmentFrame}) {
            auto *control = qobject_cast<QWidget *>(command);
            control->setEnabled(true); // whatever the window enables later stays off
            EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
        }
        for (QAction *action : {w.saveAction, w.spellAction, w.fontAction, w.gridMenuAction}) {
            action->setEnabled(true);
            EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
        }
        // Even a save that reaches the file layer writes nothing, and says why.
        w.saveClicked();
        ASSERT_FALSE(dialogs.messages.isEmpty());
        EXPECT_EQ(dialogs.messages.last().caption, QStringLiteral("Save Failed"));
        EXPECT_TRUE(dialogs.messages.last().text.contains(QStringLiteral("the workbook is open read-only (in use by ")));
        dialogs.answer(Dialogs::No); // the save prompt on leaving: the text in the window is the file's
        w.closeArea();
    });

    inArea<MiscAreaWindow>(*second, ProgramState::Miscellaneous, [&](MiscAreaWindow &w) {
        w.sectionTabs->setCurrentIndex(MiscAreaWindow::ToDoList);
        TodoPanel *panel = todoPanel(w);
        EXPECT_EQ(panel->grid->cell(1, 1), QStringLiteral("Review access logs"));
        for (int i : {1, 2, 3, 5, 6})
            EXPECT_FALSE(panel->listButtons[i]->isEnabled()) << i;
        EXPECT_TRUE(panel->listButtons[4]->isEnabled()) << "printing stays";
        EXPECT_FALSE(panel->entryBox->isEnabled());
        EXPECT_FALSE(w.saveAction->isEnabled());
        // Clicks and typing on the grid change nothing; it still scrolls.
        const QModelIndex cell = panel->grid->index(0, 1);
        QTest::mouseDClick(panel->gridView->viewport(), Qt::LeftButton, {},
                           panel->gridView->visualRect(cell).center());
        QTest::keyClicks(panel->gridView, QStringLiteral("x"));
        QTest::keyClick(panel->gridView, Qt::Key_Delete);
        EXPECT_EQ(panel->grid->cell(1, 1), QStringLiteral("Review access logs"));
        EXPECT_FALSE(panel->gridChanged);
        QTest::keyClick(panel->gridView, Qt::Key_PageDown);
        EXPECT_GT(panel->gridView->currentIndex().row(), 0);
        w.closeArea();
    });
    EXPECT_EQ(files(), before) << "the read-only copy wrote nothing";
}

TEST_F(TwoCopies, SecondCopyThatIsNotToOpenTheWorkbookEnds)
{
    auto first = startCopy();
    const auto before = files();
    dialogs.answer(Dialogs::No);
    auto second = startCopy();
    EXPECT_EQ(messagesCaptioned(inUse).size(), 1);
    EXPECT_TRUE(second->isUnloaded());
    EXPECT_EQ(files(), before);

    // The first copy keeps the workbook; once it ends, the next copy gets it without a word.
    second.reset();
    first.reset();
    auto third = startCopy();
    EXPECT_EQ(messagesCaptioned(inUse).size(), 1);
    EXPECT_FALSE(third->workbook().isReadOnly());
}

TEST_F(TwoCopies, EntryChangedByAnotherProgramIsAskedAboutAndBothVersionsKept)
{
    auto copy = startCopy();
    WorkAreaWindow w(copy.get());
    w.show();
    w.sectionTabs->setCurrentIndex(1);
    w.innerTabs[0]->setCurrentIndex(0);
    w.actionTakenOption->click();
    w.entryEditor->setFocus();
    QTest::keyClick(w.entryEditor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(w.entryEditor, QStringLiteral(" FROM-A"));

    const QByteArray theirs = "{\\rtf1\\ansi Written elsewhere.\\par}";
    folder.write(entryFile, theirs);
    dialogs.answer(Dialogs::Yes);
    w.saveButton->click();
    ASSERT_EQ(messagesCaptioned(changedCaption).size(), 1);
    const QString question = messagesCaptioned(changedCaption).first().text;
    const QStringList kept = QDir(folder.path()).entryList({QStringLiteral("Action0 (changed elsewhere *).Fil")});
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(question.contains(QStringLiteral("\"%1\"").arg(kept.first()))) << question.toStdString();
    EXPECT_EQ(folder.read(kept.first()), theirs);
    EXPECT_EQ(folder.read(entryFile), w.entryEditor->TextRTF());
    EXPECT_TRUE(w.entryEditor->Text().contains(QStringLiteral("March.")));
    EXPECT_TRUE(w.entryEditor->Text().endsWith(QStringLiteral(" FROM-A")));

    // Changed again, and this time not saved over: theirs stays, ours stays in the window, unsaved.
    QTest::keyClicks(w.entryEditor, QStringLiteral(" AGAIN"));
    const QByteArray later = "{\\rtf1\\ansi Written elsewhere once more.\\par}";
    folder.write(entryFile, later);
    dialogs.answer(Dialogs::No);
    w.saveButton->click();
    EXPECT_EQ(messagesCaptioned(changedCaption).size(), 2);
    EXPECT_EQ(dialogs.messages.last().caption, QStringLiteral("Save Failed"));
    EXPECT_EQ(folder.read(entryFile), later);
    EXPECT_TRUE(w.entryEditor->Text().endsWith(QStringLiteral("FROM-A AGAIN")));
    EXPECT_EQ(w.EntryChanged, 1);
}

TEST_F(TwoCopies, StatusAndToDoFilesChangedByAnotherProgramKeepBothVersions)
{
    auto copy = startCopy();
    {
        WorkAreaWindow w(copy.get());
        w.show();
        QApplication::setActiveWindow(&w);
        w.sectionTabs->setCurrentIndex(1);
        w.innerTabs[0]->setCurrentIndex(0);
        QByteArray theirs;
        ASSERT_TRUE(RecordFile::encodeRecord(theirs, 2, QStringLiteral("Review")));
        folder.write(QStringLiteral("Stat1.Fil"), theirs);
        dialogs.answer(Dialogs::Yes);
        pickFromDroppedList(w.statusBox, 3); // Completed
        QByteArray ours = theirs;
        ASSERT_TRUE(RecordFile::encodeRecord(ours, 1, QStringLiteral("Completed")));
        EXPECT_EQ(folder.read(QStringLiteral("Stat1.Fil")), ours);
        const QStringList kept = QDir(folder.path()).entryList({QStringLiteral("Stat1 (changed elsewhere *).Fil")});
        ASSERT_EQ(kept.size(), 1);
        EXPECT_EQ(folder.read(kept.first()), theirs);
    }
    MiscAreaWindow w(copy.get());
    w.show();
    QCoreApplication::processEvents();
    w.sectionTabs->setCurrentIndex(MiscAreaWindow::ToDoList);
    TodoPanel *panel = todoPanel(w);
    panel->entryBox->setText(QStringLiteral("Sign BA contracts"));
    panel->listButtons[2]->click();
    const QByteArray theirs = "\"Their row\"\r\n";
    folder.write(QStringLiteral("TODOActv.FIL"), theirs);
    dialogs.answer(Dialogs::Yes);
    panel->listButtons[5]->click();
    EXPECT_FALSE(panel->gridChanged);
    EXPECT_EQ(folder.read(QStringLiteral("TODOActv.FIL")), QuotedLineFile::format(panel->grid->grid().fileFields()));
    const QStringList kept = QDir(folder.path()).entryList({QStringLiteral("TODOActv (changed elsewhere *).FIL")});
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(folder.read(kept.first()), theirs);
    EXPECT_EQ(messagesCaptioned(changedCaption).size(), 2);
}

} // namespace
