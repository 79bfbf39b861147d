#include <QTest>
#include <QTextList>
#include <QTextTable>
#include <gtest/gtest.h>

#include "ui/widgets/richtext/RichTextBox.h"
#include "components/rtf/RtfStructureSupport.h"
#include "components/rtf/RtfTestSupport.h"
#include "support/TempFolder.h"

namespace {

// Puts the caret right after `text`.
void caretAfter(RichTextBox &box, const QString &text)
{
    const int at = box.Find(text);
    ASSERT_GE(at, 0) << text.toStdString();
    box.setSelStart(at + int(text.size()));
}

// An entry holding a table, lists and tab stops, loaded into a shown box.
void loadConstructs(const TempFolder &folder, RichTextBox &box)
{
    folder.write("Action0.Fil", RtfTest::readFixture("constructs-source.rtf"));
    box.show();
    ASSERT_TRUE(box.LoadFile(folder.file("Action0.Fil")));
}

// The user types in a table cell and continues a numbered list with Enter; both survive a save.
TEST(RichTextBoxStructure, TypingInACellAndEnterInAListSurviveASave)
{
    TempFolder folder;
    RichTextBox box;
    loadConstructs(folder, box);
    caretAfter(box, "Pending");
    QTest::keyClicks(&box, " since May");
    caretAfter(box, "Train the workforce");
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClicks(&box, "Review the policies");
    ASSERT_TRUE(box.SaveFile(folder.file("Action0.Fil")));

    RichTextBox loaded;
    ASSERT_TRUE(loaded.LoadFile(folder.file("Action0.Fil")));
    const QString structure = QString::fromStdString(RtfTest::describeStructure(*loaded.document()));
    EXPECT_TRUE(structure.contains("cell 3,2 [1x1]\n  Pending since May\n")) << structure.toStdString();
    EXPECT_TRUE(structure.contains("item 0 decimal 4: Train the workforce\nitem 0 decimal 5: Review the policies"))
        << structure.toStdString();
}

// Enter on an empty list item ends the list there, as in a word processor.
TEST(RichTextBoxStructure, EnterOnAnEmptyItemEndsTheList)
{
    TempFolder folder;
    RichTextBox box;
    loadConstructs(folder, box);
    caretAfter(box, "Procedures");
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_TRUE(box.textCursor().block().textList());
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_FALSE(box.textCursor().block().textList());
    EXPECT_EQ(box.textCursor().blockFormat().leftMargin(), 0);
    QTest::keyClicks(&box, "Plain");
    EXPECT_EQ(box.textCursor().block().text(), "Plain");
}

} // namespace
