#include <QCalendarWidget>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolTip>

#include "TodoPanelFixture.h"

namespace {

QList<QStringList> tenRows()
{
    QList<QStringList> rows;
    for (int r = 1; r <= 10; ++r)
        rows.append({QStringLiteral("Item %1").arg(r), QStringLiteral("Mon - Dec %1, 26").arg(r)});
    return rows;
}

} // namespace

TEST_F(TodoPanelTest, FirstRunAddsTypedItemsToTheFirstFreeRowAndTheNameList)
{
    open();
    EXPECT_EQ(panel->grid->rowCount(), 500);
    EXPECT_EQ(panel->grid->headerData(5, Qt::Horizontal).toString(), "Next Review Date");
    EXPECT_FALSE(panel->listButtons[5]->isEnabled());
    EXPECT_FALSE(clearGridAction->isEnabled());
    EXPECT_FALSE(insertRowAction->isEnabled()) << "no row chosen to insert at";
    EXPECT_TRUE(exit->hasFocus());

    type("Review \"backup\" logs");
    EXPECT_EQ(panel->entryBox->text(), "Review backup logs") << "a typed quote is removed";
    EXPECT_EQ(panel->entryBox->cursorPosition(), panel->entryBox->text().size());
    panel->listButtons[2]->click();
    EXPECT_EQ(cell(1, 1), "Review backup logs");
    EXPECT_TRUE(panel->entryBox->text().isEmpty());
    EXPECT_TRUE(panel->gridChanged);
    EXPECT_TRUE(panel->listButtons[5]->isEnabled());
    EXPECT_EQ(folder.read("TODONAME.FIL"), quotedLines({"Review backup logs"}));

    type("rev");
    EXPECT_EQ(panel->namePicker->currentText(), "Review backup logs") << "type-ahead in the picker";
    QTest::mouseDClick(panel->entryBox, Qt::LeftButton);
    EXPECT_EQ(cell(2, 1), "rev");
    EXPECT_EQ(folder.read("TODONAME.FIL"), quotedLines({"Review backup logs", "rev"}));
}

TEST_F(TodoPanelTest, DatesNeedAnItemAndAnEmptyDateCellTakesToday)
{
    folder.write("TODOActv.FIL", gridFile({{"Audit logs"}, {"Train staff", "", "Fri - Jan 1, 27"}}));
    open();
    click(5, 3);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "Please, enter an Item before any dates.");
    EXPECT_EQ(dialogs.messages[0].caption, "Item Grid");
    EXPECT_EQ(dialogs.messages[0].style, Dialogs::Information);
    EXPECT_EQ(panel->gridView->currentIndex(), at(3, 1)) << "the first free item row";
    EXPECT_TRUE(cell(5, 3).isEmpty());
    EXPECT_FALSE(panel->gridChanged);

    click(1, 2);
    EXPECT_EQ(cell(1, 2), "Tue - Dec 8, 26");
    EXPECT_TRUE(panel->gridChanged);
    ASSERT_TRUE(panel->calendar->isVisible());
    EXPECT_EQ(panel->calendar->x(), int(panel->width() * 0.575));
    EXPECT_TRUE(panel->listButtons[4]->hasFocus());

    QWidget *days = panel->calendar->findChild<QWidget *>("qt_calendar_calendarview");
    days->setFocus();
    QTest::keyClick(days, Qt::Key_Right);
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_EQ(cell(1, 2), "Wed - Dec 9, 26") << "a date picked in the calendar replaces it";

    click(2, 3);
    EXPECT_EQ(panel->calendar->selectedDate(), QDate(2027, 1, 1)) << "set from the filled cell";
    EXPECT_EQ(panel->calendar->x(), int(panel->width() * 0.28));
    click(2, 1);
    EXPECT_FALSE(panel->calendar->isVisible());
}

TEST_F(TodoPanelTest, TypedNameGoesIntoAClickedItemCellButNotADateCell)
{
    folder.write("TODOActv.FIL", gridFile({{"Audit logs", "Mon - Dec 7, 26"}}));
    open();
    type("Encrypt laptops");
    click(1, 3);
    EXPECT_TRUE(panel->entryBox->text().isEmpty());
    EXPECT_EQ(cell(1, 1), "Audit logs");
    EXPECT_EQ(cell(1, 3), "Tue - Dec 8, 26");

    type("Encrypt laptops");
    click(1, 1);
    EXPECT_EQ(cell(1, 1), "Encrypt laptops");
    EXPECT_EQ(cell(1, 2), "Mon - Dec 7, 26");
    EXPECT_EQ(folder.read("TODONAME.FIL"), quotedLines({"Encrypt laptops"}));

    click(1, 1);
    panel->entryBox->setFocus();
    QTest::keyClicks(panel->entryBox, "Patch servers");
    QTest::keyClick(panel->entryBox, Qt::Key_Return);
    EXPECT_EQ(cell(1, 1), "Patch servers  ") << "Enter writes the text with two trailing blanks";
    EXPECT_EQ(folder.read("TODONAME.FIL"), quotedLines({"Encrypt laptops", "Patch servers"}));
}

TEST_F(TodoPanelTest, DeletingRowSevenOfTenAsksWithTheRowInRed)
{
    folder.write("TODOActv.FIL", gridFile(tenRows()));
    open();
    click(7, 1);
    EXPECT_TRUE(panel->listButtons[3]->isEnabled());
    dialogs.answer(Dialogs::No);
    panel->listButtons[3]->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "Delete Activity and Dates for - \nItem 7, Mon - Dec 7, 26?");
    EXPECT_EQ(dialogs.messages[0].caption, "Delete Row");
    EXPECT_EQ(dialogs.messages[0].style, Dialogs::YesNoCancel + Dialogs::Question + Dialogs::DefaultButton2);
    EXPECT_EQ(dialogs.redRows, QList<int>({7}));
    EXPECT_EQ(panel->grid->highlightedRow(), 0);
    EXPECT_EQ(cell(7, 1), "Item 7");

    dialogs.answer(Dialogs::Yes);
    deleteItemAction->trigger();
    EXPECT_EQ(dialogs.redRows, QList<int>({7, 7}));
    EXPECT_EQ(panel->grid->highlightedRow(), 0);
    EXPECT_EQ(cell(7, 1), "Item 8");
    EXPECT_EQ(cell(9, 2), "Mon - Dec 10, 26");
    EXPECT_TRUE(cell(10, 1).isEmpty());
    EXPECT_EQ(panel->grid->rowCount(), 500);
    EXPECT_EQ(panel->actionRow, TodoPanel::RowActionDone);
    EXPECT_TRUE(panel->gridChanged);

    panel->listButtons[3]->setFocus();
    panel->listButtons[3]->click();
    EXPECT_EQ(dialogs.messages.size(), 2) << "no row to act on until a cell is clicked again";
    EXPECT_EQ(cell(7, 1), "Item 8");
}

TEST_F(TodoPanelTest, InsertingARowDropsRow500AndIsNoChange)
{
    QList<QStringList> rows = tenRows();
    while (rows.size() < 499)
        rows.append(QStringList());
    rows.append({"Last item"});
    folder.write("TODOActv.FIL", gridFile(rows));
    open();
    click(3, 1);
    insertRowAction->trigger();
    EXPECT_TRUE(cell(3, 1).isEmpty());
    EXPECT_EQ(cell(4, 1), "Item 3");
    EXPECT_TRUE(cell(500, 1).isEmpty());
    EXPECT_FALSE(panel->gridChanged);
    EXPECT_TRUE(exit->hasFocus());
    EXPECT_EQ(panel->actionRow, 0) << "Exit took the focus after the insertion";
}

TEST_F(TodoPanelTest, AscendingSortOnToDoDateClosesTheGaps)
{
    folder.write("TODOActv.FIL", gridFile({{"Audit logs", "Tue - Jan 5, 27"}, {}, {"Backup", "Mon - Dec 7, 26"},
                                           {}, {"Contract", ""}}));
    open();
    clickHeading(2);
    EXPECT_EQ(cell(1, 1), "Contract");
    EXPECT_EQ(cell(2, 1), "Backup");
    EXPECT_EQ(cell(3, 1), "Audit logs");
    EXPECT_TRUE(cell(4, 1).isEmpty());
    EXPECT_EQ(panel->grid->rowCount(), 500);
    EXPECT_TRUE(panel->gridChanged);
    EXPECT_EQ(panel->gridView->currentIndex().column(), 1);

    clickHeading(2);
    EXPECT_EQ(cell(1, 1), "Audit logs") << "a second click sorts descending";
}

TEST_F(TodoPanelTest, PickerAndNameFile)
{
    folder.write("TODONAME.FIL", quotedLines({"Audit logs", "Train staff"}));
    folder.write("TODOActv.FIL", gridFile({{"Audit logs"}}));
    open();
    ASSERT_EQ(panel->namePicker->count(), 2);
    emit panel->namePicker->activated(1);
    EXPECT_EQ(panel->entryBox->text(), "Train staff");
    EXPECT_TRUE(panel->listButtons[1]->isEnabled());
    EXPECT_TRUE(panel->listButtons[2]->isEnabled());
    panel->listButtons[1]->click();
    EXPECT_EQ(folder.read("TODONAME.FIL"), quotedLines({"Audit logs"}));
    EXPECT_EQ(panel->namePicker->count(), 1);
    EXPECT_FALSE(panel->listButtons[1]->isEnabled());

    click(1, 1);
    emit panel->namePicker->activated(0);
    EXPECT_EQ(cell(1, 1), "Audit logs") << "with a cell clicked, the name goes into it";
    EXPECT_EQ(panel->editMode(), 0);
}

TEST_F(TodoPanelTest, DeleteKeyClearsTheClickedCellAndScrollTipNamesTheRow)
{
    folder.write("TODOActv.FIL", gridFile(tenRows()));
    open();
    click(4, 2);
    QTest::keyClick(panel->gridView, Qt::Key_Delete);
    EXPECT_TRUE(cell(4, 2).isEmpty());
    EXPECT_EQ(panel->clickedColumn, 0);
    EXPECT_EQ(panel->editMode(), 0);
    EXPECT_FALSE(panel->calendar->isVisible());

    QScrollBar *bar = panel->gridView->verticalScrollBar();
    bar->setSliderDown(true);
    bar->triggerAction(QAbstractSlider::SliderMove);
    bar->setSliderPosition(5);
    EXPECT_EQ(bar->toolTip(), " Row 6: Item 6 ");
    bar->setSliderDown(false);
}

TEST_F(TodoPanelTest, TypingIntoAClickedItemCellTakes45CharactersAndAddsTheName)
{
    folder.write("TODOActv.FIL", gridFile({{"Audit logs"}}));
    open();
    click(2, 1);
    EXPECT_EQ(panel->editMode(), 1);
    QTest::keyClicks(panel->gridView, "E");
    QWidget *editor = QApplication::focusWidget();
    ASSERT_NE(editor, panel->gridView);
    QTest::keyClicks(editor, "ncrypt every laptop and phone used off the premises");
    EXPECT_TRUE(panel->gridChanged) << "typing marks the change";
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits once the key is handled
    EXPECT_EQ(cell(2, 1), "Encrypt every laptop and phone used off the p");
    EXPECT_EQ(cell(2, 1).size(), 45);
    EXPECT_EQ(panel->editMode(), 0);
    EXPECT_EQ(folder.read("TODONAME.FIL"), quotedLines({"Encrypt every laptop and phone used off the p"}));
}

TEST_F(TodoPanelTest, F2OrTypingEditsTheCurrentCellWithoutAClick)
{
    folder.write("TODOActv.FIL", gridFile({{"Audit logs"}}));
    open();
    panel->gridView->setFocus();
    QTest::keyClick(panel->gridView, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "Audit logs");
    EXPECT_EQ(panel->editMode(), 1);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, " weekly");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(cell(1, 1), "Audit logs weekly");
    EXPECT_EQ(panel->editMode(), 0);

    QTest::keyClick(panel->gridView, Qt::Key_Down);
    QTest::keyClicks(panel->gridView, "B");
    editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "ackups");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(cell(2, 1), "Backups");
    EXPECT_EQ(folder.read("TODONAME.FIL"), quotedLines({"Audit logs weekly", "Backups"}));
    EXPECT_FALSE(panel->calendar->isVisible());

    // A date of a row without an item is refused as a click on it is.
    QTest::keyClick(panel->gridView, Qt::Key_Down);
    QTest::keyClick(panel->gridView, Qt::Key_Right);
    QTest::keyClicks(panel->gridView, "1");
    EXPECT_EQ(texts(), QStringList{"Please, enter an Item before any dates."});
    EXPECT_TRUE(cell(3, 2).isEmpty());
    EXPECT_EQ(panel->gridView->currentIndex(), at(3, 1));
}
