#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

#include "ui/widgets/richtext/RichTextBox.h"

namespace {

TEST(RichTextBoxText, LinesOfAssignedTextBecomeParagraphs)
{
    RichTextBox box;
    box.setText(QStringLiteral("one\r\ntwo\nthree\rfour"));
    EXPECT_EQ(box.document()->blockCount(), 4);
    EXPECT_EQ(box.document()->findBlockByNumber(1).text(), QStringLiteral("two"));
    EXPECT_EQ(box.Text(), QStringLiteral("one\ntwo\nthree\nfour"));

    box.setText(QString());
    EXPECT_EQ(box.Text(), QString());
    EXPECT_EQ(box.document()->blockCount(), 1);
}

TEST(RichTextBoxText, AssignedTextIsPlainWhateverTheCaretWasOn)
{
    RichTextBox box;
    box.setText(QStringLiteral("bold"));
    box.selectAll();
    box.setSelBold(true);
    box.setSelColor(Qt::red);
    box.setText(QStringLiteral("<b>plain</b>"));
    EXPECT_EQ(box.Text(), QStringLiteral("<b>plain</b>"));
    box.setSelStart(3);
    EXPECT_FALSE(box.SelBold());
    EXPECT_NE(box.SelColor(), QColor(Qt::red));
}

TEST(RichTextBoxText, SelectionStartLengthAndTextAcrossParagraphs)
{
    RichTextBox box;
    box.setText(QStringLiteral("ab\r\ncd\r\nef"));
    box.setSelStart(1);
    box.setSelLength(5);
    EXPECT_EQ(box.SelStart(), 1);
    EXPECT_EQ(box.SelLength(), 5);
    EXPECT_EQ(box.SelText(), QStringLiteral("b\ncd\n"));

    box.setSelText(QStringLiteral("X\r\nY"));
    EXPECT_EQ(box.Text(), QStringLiteral("aX\nYef"));
    EXPECT_EQ(box.SelStart(), 4);
    EXPECT_EQ(box.SelLength(), 0);

    box.setSelStart(-3);
    EXPECT_EQ(box.SelStart(), 0);
    box.setSelLength(999);
    EXPECT_EQ(box.SelLength(), 6);
    box.setSelStart(999);
    EXPECT_EQ(box.SelStart(), 6);
}

TEST(RichTextBoxFormat, SettingWithoutSelectionFormatsTheTextTypedNext)
{
    RichTextBox box;
    box.setText(QStringLiteral("plain "));
    box.setSelStart(6);
    box.setSelBold(true);
    box.setSelFontName(QStringLiteral("Liberation Mono"));
    box.setSelFontSize(17);
    box.setSelColor(QColor(0, 128, 0));
    EXPECT_EQ(box.Text(), QStringLiteral("plain ")) << "nothing changes before typing";
    QTest::keyClicks(&box, QStringLiteral("typed"));

    box.setSelStart(7);
    EXPECT_TRUE(box.SelBold());
    EXPECT_EQ(box.SelFontName(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(box.SelFontSize(), 17);
    EXPECT_EQ(box.SelColor(), QColor(0, 128, 0));
    box.setSelStart(2);
    EXPECT_FALSE(box.SelBold());
}

TEST(RichTextBoxFormat, SelectionReadsAsItsFirstCharacter)
{
    RichTextBox box;
    box.setText(QStringLiteral("one two three"));
    box.setSelStart(4);
    box.setSelLength(3);
    box.setSelItalic(true);
    box.setSelUnderline(true);
    box.setSelStrikeThru(true);

    box.setSelStart(0);
    box.setSelLength(8);
    EXPECT_FALSE(box.SelItalic()) << "mixed selection starting in plain text";
    box.setSelStart(4);
    box.setSelLength(8);
    EXPECT_TRUE(box.SelItalic());
    EXPECT_TRUE(box.SelUnderline());
    EXPECT_TRUE(box.SelStrikeThru());
}

TEST(RichTextBoxFormat, UnformattedTextReadsAsTheBaseFont)
{
    RichTextBox box;
    QFont base(QStringLiteral("Liberation Serif"), 14);
    base.setUnderline(true);
    box.setBaseFont(base);
    box.setText(QStringLiteral("text"));
    box.selectAll();
    EXPECT_EQ(box.SelFontName(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(box.SelFontSize(), 14);
    EXPECT_TRUE(box.SelUnderline());
    EXPECT_EQ(box.baseFont().family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(box.baseFont().underline());
}

TEST(RichTextBoxFormat, AlignmentCoversTheParagraphsOfTheSelection)
{
    RichTextBox box;
    box.setText(QStringLiteral("one\ntwo\nthree"));
    box.setSelStart(5);
    box.setSelLength(4);
    box.setSelAlignment(2);
    EXPECT_EQ(box.document()->findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
    EXPECT_EQ(box.document()->findBlockByNumber(1).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(box.document()->findBlockByNumber(2).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(box.SelAlignment(), 2);

    box.setSelStart(0);
    box.setSelAlignment(1);
    EXPECT_EQ(box.SelAlignment(), 1);
    box.setSelAlignment(7);
    EXPECT_EQ(box.SelAlignment(), 1) << "unknown codes change nothing";
    box.setSelAlignment(0);
    EXPECT_EQ(box.SelAlignment(), 0);
}

TEST(RichTextBoxUser, LockedBlocksTheUserButNotTheProgram)
{
    RichTextBox box;
    box.setText(QStringLiteral("fixed"));
    box.setLocked(true);
    box.setSelStart(5);
    QTest::keyClicks(&box, QStringLiteral("xyz"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.Text(), QStringLiteral("fixed"));

    QTest::keyClick(&box, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(box.SelText(), QStringLiteral("d")) << "the user can still select";

    box.setText(QStringLiteral("changed"));
    box.setSelStart(7);
    box.setSelText(QStringLiteral("!"));
    EXPECT_EQ(box.Text(), QStringLiteral("changed!"));

    box.setLocked(false);
    QTest::keyClicks(&box, QStringLiteral("?"));
    EXPECT_EQ(box.Text(), QStringLiteral("changed!?"));
}

TEST(RichTextBoxUser, TypingStopsAtTheMaximumLength)
{
    RichTextBox box;
    box.setMaxLength(6);
    QTest::keyClicks(&box, QStringLiteral("abcdefgh"));
    EXPECT_EQ(box.Text(), QStringLiteral("abcdef"));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.Text(), QStringLiteral("abcdef"));

    // Typing over a selection replaces it and stays within the limit.
    box.setSelStart(1);
    box.setSelLength(2);
    QTest::keyClicks(&box, QStringLiteral("XYZ"));
    EXPECT_EQ(box.Text(), QStringLiteral("aXYdef"));

    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.Text(), QStringLiteral("aX\ndef"));

    // The program is not limited.
    box.setText(QStringLiteral("longer than six"));
    EXPECT_EQ(box.Text(), QStringLiteral("longer than six"));
    box.setMaxLength(0);
    QTest::keyClicks(&box, QStringLiteral("++"));
    EXPECT_EQ(box.Text().size(), 17);
}

TEST(RichTextBoxUser, PasteStopsAtTheMaximumLength)
{
    RichTextBox box;
    box.setMaxLength(8);
    box.setText(QStringLiteral("abc"));
    box.setSelStart(3);
    QApplication::clipboard()->setText(QStringLiteral("1234567"));
    box.paste();
    EXPECT_EQ(box.Text(), QStringLiteral("abc12345"));
    box.paste();
    EXPECT_EQ(box.Text(), QStringLiteral("abc12345"));
}

TEST(RichTextBoxNotify, ChangeFollowsEveryChangeOfContent)
{
    RichTextBox box;
    QSignalSpy change(&box, &RichTextBox::Change);
    box.setText(QStringLiteral("by the program"));
    EXPECT_GE(change.count(), 1);

    change.clear();
    box.setSelStart(3);
    box.setSelLength(3);
    EXPECT_EQ(change.count(), 0) << "moving the selection is no change";
    box.setSelBold(true);
    EXPECT_GE(change.count(), 1);

    change.clear();
    box.setSelText(QStringLiteral("x"));
    EXPECT_GE(change.count(), 1);

    change.clear();
    QTest::keyClicks(&box, QStringLiteral("y"));
    EXPECT_GE(change.count(), 1);

    change.clear();
    box.setText(QString());
    EXPECT_GE(change.count(), 1);
}

TEST(RichTextBoxNotify, KeyDownComesFirstAndCanSwallowTheKey)
{
    RichTextBox box;
    QList<int> keys;
    QObject::connect(&box, &RichTextBox::KeyDown, [&](int key, Qt::KeyboardModifiers) {
        keys << key;
        if (key == Qt::Key_Q)
            box.swallowKey();
    });
    QTest::keyClicks(&box, QStringLiteral("aqb"));
    EXPECT_EQ(keys, (QList<int>{Qt::Key_A, Qt::Key_Q, Qt::Key_B}));
    EXPECT_EQ(box.Text(), QStringLiteral("ab"));
}

TEST(RichTextBoxNotify, ClickAndMouseUpAfterTheCaretIsPlaced)
{
    RichTextBox box;
    box.resize(300, 200);
    box.setText(QStringLiteral("first line\nsecond line"));
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    int caretAtClick = -1;
    QObject::connect(&box, &RichTextBox::Click, [&] { caretAtClick = box.SelStart(); });
    QSignalSpy mouseUp(&box, &RichTextBox::MouseUp);

    const QPoint end = box.cursorRect(QTextCursor(box.document()->findBlockByNumber(1))).center();
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, end + QPoint(2, 0));
    EXPECT_EQ(caretAtClick, 11);
    ASSERT_EQ(mouseUp.count(), 1);
    EXPECT_EQ(mouseUp.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);

    caretAtClick = -1;
    QTest::mouseClick(box.viewport(), Qt::RightButton, Qt::ShiftModifier, QPoint(5, 5));
    EXPECT_EQ(caretAtClick, -1) << "the right button is no click";
    ASSERT_EQ(mouseUp.count(), 2);
    EXPECT_EQ(mouseUp.at(1).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(mouseUp.at(1).at(1).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
}

TEST(RichTextBoxNotify, FocusGainedAndLost)
{
    QWidget window;
    auto *box = new RichTextBox(&window);
    auto *other = new QLineEdit(&window);
    other->move(0, 150);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QSignalSpy got(box, &RichTextBox::GotFocus);
    QSignalSpy lost(box, &RichTextBox::LostFocus);
    box->setFocus();
    other->setFocus();
    EXPECT_EQ(got.count(), 1);
    EXPECT_EQ(lost.count(), 1);
}

// What an unfocused box shows of its selection.
QImage unfocusedSelection(RichTextBox &box, int length)
{
    box.setSelStart(0);
    box.setSelLength(length);
    return box.viewport()->grab().toImage();
}

TEST(RichTextBoxSelection, HiddenOrKeptVisibleWithoutTheFocus)
{
    QWidget window;
    auto *box = new RichTextBox(&window);
    box->resize(200, 80);
    box->setText(QStringLiteral("selected words"));
    auto *other = new QLineEdit(&window);
    other->move(0, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    ASSERT_FALSE(box->hasFocus());

    EXPECT_TRUE(box->HideSelection());
    const QImage none = unfocusedSelection(*box, 0);
    EXPECT_EQ(unfocusedSelection(*box, 8), none);

    box->setHideSelection(false);
    EXPECT_NE(unfocusedSelection(*box, 8), none);

    // Kept when the box gets a new palette, as the display settings give it.
    QPalette colours = box->palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Base));
    box->setPalette(colours);
    EXPECT_EQ(box->palette().color(QPalette::Inactive, QPalette::Highlight),
              box->palette().color(QPalette::Active, QPalette::Highlight));
}

} // namespace
