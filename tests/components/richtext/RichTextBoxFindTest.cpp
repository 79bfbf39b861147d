#include <QCoreApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "ui/widgets/richtext/RichTextBox.h"

namespace {

constexpr int WholeWord = RichTextBox::FindWholeWord;

// Finds every whole-word occurrence of `word` from position 0 on, as a caller stepping through them.
QList<int> findAll(RichTextBox &box, const QString &word)
{
    QList<int> found;
    for (int at = box.Find(word, 0, -1, WholeWord); at >= 0; at = box.Find(word, at + 1, -1, WholeWord))
        found << at;
    return found;
}

TEST(RichTextBoxFind, WholeWordsOnlyAndLetterCaseIgnored)
{
    RichTextBox box;
    box.setText(QStringLiteral("Rules and rulemaking.\r\nThe RULE applies.\r\nEach rule, each rules."));
    EXPECT_EQ(findAll(box, QStringLiteral("rule")), (QList<int>{26, 45}));
    EXPECT_EQ(findAll(box, QStringLiteral("RULES")), (QList<int>{0, 56}));
    EXPECT_EQ(box.Find(QStringLiteral("rule"), 0, -1, 0), 0) << "without the option, parts of words match";
    EXPECT_EQ(box.Find(QStringLiteral("regulation"), 0, -1, WholeWord), -1);
}

TEST(RichTextBoxFind, SelectsTheMatchAtPositionsThatAgreeWithTheText)
{
    RichTextBox box;
    box.setText(QStringLiteral("First paragraph\nsecond one\r\n\r\nthird: the Security rule\rlast rule"));
    const QString text = box.Text();
    for (int at : findAll(box, QStringLiteral("rule"))) {
        box.Find(QStringLiteral("rule"), at, -1, WholeWord);
        EXPECT_EQ(box.SelStart(), at);
        EXPECT_EQ(box.SelLength(), 4);
        EXPECT_EQ(box.SelText(), QStringLiteral("rule"));
        EXPECT_EQ(text.mid(at, 4), QStringLiteral("rule"));
    }
    EXPECT_EQ(findAll(box, QStringLiteral("rule")).size(), 2);
    const int security = box.Find(QStringLiteral("SECURITY"), 0, -1, WholeWord);
    EXPECT_EQ(security, text.indexOf(QStringLiteral("Security")));
    EXPECT_EQ(box.SelText(), QStringLiteral("Security"));
}

TEST(RichTextBoxFind, StartAndEndBoundTheSearch)
{
    RichTextBox box;
    box.setText(QStringLiteral("rule one\nrule two\nrule three"));
    EXPECT_EQ(box.Find(QStringLiteral("rule"), 1, -1, WholeWord), 9);
    EXPECT_EQ(box.Find(QStringLiteral("rule"), 9, -1, WholeWord), 9);
    EXPECT_EQ(box.Find(QStringLiteral("rule"), 10, 21, WholeWord), -1);
    EXPECT_EQ(box.Find(QStringLiteral("rule"), 10, 22, WholeWord), 18);
    EXPECT_EQ(box.Find(QStringLiteral("rule"), 19, -1, WholeWord), -1);
}

TEST(RichTextBoxFind, NoMatchLeavesTheSelectionAlone)
{
    RichTextBox box;
    box.setText(QStringLiteral("alpha beta gamma"));
    box.setSelStart(6);
    box.setSelLength(4);
    EXPECT_EQ(box.Find(QStringLiteral("delta"), 0, -1, WholeWord), -1);
    EXPECT_EQ(box.Find(QString(), 0, -1, WholeWord), -1);
    EXPECT_EQ(box.SelStart(), 6);
    EXPECT_EQ(box.SelText(), QStringLiteral("beta"));
}

TEST(RichTextBoxFind, FollowsEditsButNotFormatChanges)
{
    RichTextBox box;
    box.setText(QStringLiteral("a rule here\nand a rule there"));
    ASSERT_EQ(box.Find(QStringLiteral("rule"), 0, -1, WholeWord), 2);

    // Highlighting every match, as the reference reports do, keeps positions valid.
    box.setSelBold(true);
    box.setSelUnderline(true);
    EXPECT_EQ(box.Find(QStringLiteral("rule"), 3, -1, WholeWord), 18);

    box.setSelStart(0);
    box.setSelText(QStringLiteral("Now "));
    EXPECT_EQ(box.Find(QStringLiteral("rule"), 0, -1, WholeWord), 6);

    // A replacement of the same length is a change of text, not of format.
    box.setSelText(QStringLiteral("rain"));
    EXPECT_EQ(box.Text(), QStringLiteral("Now a rain here\nand a rule there"));
    EXPECT_EQ(box.Find(QStringLiteral("rule"), 0, -1, WholeWord), 22);

    // Changes made straight on the document, as the spelling checker does, count too.
    QTextCursor cursor(box.document());
    cursor.setPosition(22);
    cursor.setPosition(26, QTextCursor::KeepAnchor);
    cursor.insertText(QStringLiteral("ruby"));
    EXPECT_EQ(box.Find(QStringLiteral("rule"), 0, -1, WholeWord), -1);
}

TEST(RichTextBoxFind, SteppingPastTheLastMatchOneCharacterAtATime)
{
    // The reference reports step on by one character after a miss until the end of the text.
    RichTextBox box;
    QString text = QStringLiteral("The one rule\n");
    for (int i = 0; i < 400; ++i)
        text += QStringLiteral("paragraph %1 about the rules of integrity\n").arg(i);
    box.setText(text);
    int matches = 0;
    for (int p = 1; p < box.Text().size();) {
        const int found = box.Find(QStringLiteral("rule"), p, -1, WholeWord);
        if (found > 0) {
            ++matches;
            box.setSelBold(true);
            p = found + 4;
        } else {
            ++p;
        }
    }
    EXPECT_EQ(matches, 1);
    EXPECT_TRUE(box.SelBold());
    EXPECT_EQ(box.SelText(), QStringLiteral("rule"));
}

TEST(RichTextBoxFind, TheEditorShowsTheMatchOnceTheEventLoopRuns)
{
    RichTextBox box;
    box.setText(QStringLiteral("one rule, two rules, three rule"));
    QSignalSpy moved(&box, &QTextEdit::cursorPositionChanged);
    ASSERT_EQ(box.Find(QStringLiteral("rule"), 0, -1, WholeWord), 4);
    ASSERT_EQ(box.Find(QStringLiteral("rule"), 5, -1, WholeWord), 27);
    EXPECT_EQ(box.textCursor().selectedText(), QStringLiteral("rule"));
    EXPECT_EQ(box.textCursor().selectionStart(), 27);

    box.Find(QStringLiteral("one"), 0, -1, WholeWord);
    QTextEdit &editor = box;
    QCoreApplication::processEvents();
    EXPECT_EQ(editor.textCursor().selectionStart(), 0);
    EXPECT_EQ(editor.textCursor().selectedText(), QStringLiteral("one"));
    EXPECT_GE(moved.count(), 1);
}

TEST(RichTextBoxFind, ANewerMoveThroughTheEditorWins)
{
    RichTextBox box;
    box.setText(QStringLiteral("one rule"));
    box.Find(QStringLiteral("rule"), 0, -1, WholeWord);
    box.selectAll();
    QCoreApplication::processEvents();
    EXPECT_EQ(box.SelText(), QStringLiteral("one rule"));
}

TEST(RichTextBoxFind, TheMatchFollowsEditsBeforeItIsShown)
{
    RichTextBox box;
    box.setText(QStringLiteral("one rule here"));
    box.Find(QStringLiteral("rule"), 0, -1, WholeWord);
    QTextCursor(box.document()).insertText(QStringLiteral("Number "));
    EXPECT_EQ(box.SelStart(), 11);
    EXPECT_EQ(box.SelText(), QStringLiteral("rule"));
    box.setSelBold(true);
    EXPECT_EQ(box.SelText(), QStringLiteral("rule"));
    box.setSelStart(12);
    EXPECT_TRUE(box.SelBold());
    box.setSelStart(9);
    EXPECT_FALSE(box.SelBold());
}

} // namespace
