#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/reader/SearchPanel.h"
#include "support/ScriptedDialogs.h"

namespace {

const QString endMessage = QStringLiteral("Search has reached the end of the document.");

// A page with its search panel open, searched step by step as the user does with "&Search".
class Search : public ::testing::Test
{
protected:
    Search()
    {
        window.resize(600, 400);
        page.setGeometry(0, 0, 600, 300);
        panel.setGeometry(0, 300, 600, 60);
        window.show();
    }
    void open(const QString &text)
    {
        page.setText(text);
        panel.toggle();
    }
    void look(const QString &words) { panel.searchText->setText(words); }
    int step()
    {
        const qsizetype before = dialogs.messages.size();
        panel.searchButton->click();
        return dialogs.messages.size() > before ? -1 : panel.FoundPosition;
    }

    ScriptedDialogs dialogs;
    QWidget window;
    RichTextBox page{&window};
    SearchPanel panel{page, &window};
};

} // namespace

TEST_F(Search, FindsEachWholeWordInOrderThenEndsAndStartsOver)
{
    const QString text = QStringLiteral("Security rule text. The rules say the rule applies; rulemaking aside, this rule stands.");
    open(text);
    EXPECT_EQ(panel.SearchStart, 1);
    EXPECT_TRUE(panel.searchText->text().isEmpty());
    look(QStringLiteral("rule"));
    const int first = int(text.indexOf(QStringLiteral("rule text")));
    const int second = int(text.indexOf(QStringLiteral("rule applies")));
    const int third = int(text.indexOf(QStringLiteral("rule stands")));

    EXPECT_EQ(step(), first);
    EXPECT_EQ(page.SelStart(), first);
    EXPECT_EQ(page.SelLength(), 4);
    EXPECT_EQ(panel.SearchStart, first + 4);
    EXPECT_EQ(step(), second) << "\"rules\" is not the word";
    EXPECT_EQ(step(), third) << "nor is \"rulemaking\"";
    EXPECT_EQ(page.SelText(), "rule");
    EXPECT_FALSE(page.HideSelection()) << "the match shows while the button has the focus";

    EXPECT_EQ(step(), -1);
    EXPECT_EQ(dialogs.messages.last().text, endMessage);
    EXPECT_EQ(dialogs.messages.last().caption, "Search Document");
    EXPECT_EQ(dialogs.messages.last().style, 64);
    EXPECT_EQ(panel.SearchStart, 1);
    EXPECT_EQ(page.SelStart(), 1);
    EXPECT_EQ(step(), first);
}

TEST_F(Search, LetterCaseIsIgnoredAndPhrasesAreSearchedAsTyped)
{
    open(QStringLiteral("The Security Rule sets security standards for health plans."));
    look(QStringLiteral("SECURITY"));
    EXPECT_EQ(step(), 4);
    EXPECT_EQ(page.SelText(), "Security");
    EXPECT_EQ(step(), 23);

    look(QStringLiteral("security standards"));
    EXPECT_EQ(step(), 23);
    look(QStringLiteral("security  standards"));
    EXPECT_EQ(step(), -1) << "the text is not trimmed or squeezed";
    look(QString());
    EXPECT_EQ(step(), -1);
    EXPECT_EQ(dialogs.messages.last().text, endMessage);
}

TEST_F(Search, AMatchAtTheFirstCharacterIsNeverReported)
{
    open(QStringLiteral("Rule one. Rule two."));
    look(QStringLiteral("rule"));
    EXPECT_EQ(step(), 10);
    EXPECT_EQ(step(), -1);
    EXPECT_EQ(step(), 10);
}

TEST_F(Search, EditingTheTextOrClickingThePageMovesTheStart)
{
    const QString text = QStringLiteral("A plan. The plan here. Another plan there. Last plan.");
    open(text);
    look(QStringLiteral("plan"));
    EXPECT_EQ(step(), 2);
    EXPECT_EQ(step(), 12);
    panel.searchText->setFocus();
    QTest::keyClick(panel.searchText, Qt::Key_S);
    QTest::keyClick(panel.searchText, Qt::Key_Backspace);
    EXPECT_EQ(panel.SearchStart, 1);
    EXPECT_EQ(step(), 2);

    // A click just before "there" starts the next step from it.
    const int there = int(text.indexOf(QStringLiteral("there")));
    QTextCursor at = page.textCursor();
    at.setPosition(there);
    const QPoint point = page.cursorRect(at).center() + QPoint(1, 0);
    QTest::mouseClick(page.viewport(), Qt::LeftButton, {}, point);
    EXPECT_EQ(panel.SearchStart, page.SelStart());
    EXPECT_GE(panel.SearchStart, there - 1);
    EXPECT_LE(panel.SearchStart, there + 1);
    EXPECT_EQ(step(), int(text.lastIndexOf(QStringLiteral("plan"))));
}

TEST_F(Search, ClosingAndReopeningStartsAnEmptySearchFromOne)
{
    open(QStringLiteral("One rule, two rule."));
    look(QStringLiteral("rule"));
    step();
    panel.closeButton->click();
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(page.HideSelection());
    EXPECT_EQ(panel.SearchStart, 8) << "closing keeps the start";
    panel.toggle();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.SearchStart, 1);
    EXPECT_TRUE(panel.searchText->text().isEmpty());
    panel.toggle();
    EXPECT_FALSE(panel.isVisible());
}
