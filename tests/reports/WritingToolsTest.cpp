#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "core/workbook/ProgramState.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/widgets/SpellDialog.h"
#include "ui/workarea/WritingTools.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedSpelling.h"
#include "support/TempFolder.h"

namespace {

const QString endOfDocument = QStringLiteral("Spelling Check has reached the end of your document");

// The work area with the writing tools, the dialogs answered by scripts.
class Tools : public ::testing::Test
{
protected:
    Tools()
    {
        tools->setEditor(w.entryEditor);
        w.sectionTabs->setCurrentIndex(1);
        w.actionTakenOption->click(); // Action Taken
    }
    void write(const QString &text)
    {
        w.entryEditor->setText(text);
        w.EntryChanged = 0;
    }
    void select(int start, int length)
    {
        w.entryEditor->setSelStart(start);
        w.entryEditor->setSelLength(length);
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    ScriptedSpellAsker speller;
    ScriptedThesaurus thesaurus;
    std::shared_ptr<WritingTools> tools = std::make_shared<WritingTools>(&speller, &thesaurus);
    WorkAreaWindow w{nullptr, WritingTools::addHooks({}, tools)};
};

TEST_F(Tools, EnabledForEntriesOnlyAsTheViewsSay)
{
    const QList<std::pair<QPushButton *, QAction *>> tools{
        {w.fontButton, w.fontAction}, {w.thesaurusButton, w.thesaurusAction}, {w.spellButton, w.spellAction}};
    for (const auto &[button, item] : tools) {
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        EXPECT_TRUE(item->isEnabled());
    }
    w.ruleReferencesOption->click(); // references in the rule
    for (const auto &[button, item] : tools) {
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
        EXPECT_FALSE(item->isEnabled());
    }
}

TEST_F(Tools, SpellCheckSelectsEachWordCorrectsInPlaceAndMarksTheEntryChanged)
{
    write(QStringLiteral("HIPAA under 164.308(a)(1): Check teh backups"));
    QList<std::tuple<QString, bool, int>> seen;
    speller.onAsk = [&](const SpellQuestion &) {
        seen.append({w.entryEditor->SelText(), w.entryEditor->HideSelection(), ProgramState::mousePointer()});
    };
    speller.answer(SpellAnswer::Change, QStringLiteral("the"));
    w.spellButton->click();
    EXPECT_EQ(seen, (QList<std::tuple<QString, bool, int>>{{"teh", false, 0}}));
    EXPECT_EQ(w.entryEditor->Text(), "HIPAA under 164.308(a)(1): Check the backups");
    EXPECT_EQ(w.EntryChanged, 1);
    EXPECT_TRUE(w.entryEditor->HideSelection());
    EXPECT_EQ(ProgramState::mousePointer(), 0);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, endOfDocument);
    EXPECT_EQ(dialogs.messages[0].caption, "Spelling Check");
    EXPECT_EQ(dialogs.messages[0].style, Dialogs::Information);
    EXPECT_EQ(w.entryEditor->SelStart(), 1);
}

TEST_F(Tools, AWordThatCannotBeAddedToTheUserListIsReported)
{
    QDir(folder.path()).mkdir(QStringLiteral("CustomDict1.dct"));
    write(QStringLiteral("zorblat"));
    speller.answer(SpellAnswer::Add);
    w.spellButton->click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("CustomDict1.dct")));
    EXPECT_EQ(dialogs.messages[0].style, Dialogs::Exclamation);
    EXPECT_EQ(dialogs.messages[1].text, endOfDocument);
}

TEST_F(Tools, SpellCheckOfAnEmptyEntryStillEndsWithTheMessage)
{
    write(QString());
    w.spellAction->trigger();
    EXPECT_TRUE(speller.questions.isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, endOfDocument);
    EXPECT_EQ(w.EntryChanged, 0);
}

TEST_F(Tools, SpellCheckOfALockedSampleEntryChangesNothing)
{
    w.sectionTabs->setCurrentIndex(6);
    w.actionTakenOption->click();
    const QString sample = w.entryEditor->Text();
    speller.answer(SpellAnswer::ChangeAll, QStringLiteral("zzz"));
    w.entryEditor->setText(sample + QStringLiteral(" teh"));
    w.spellButton->click();
    // The check ran over the sample, asked about the misspelling and reached the end, changing nothing.
    ASSERT_FALSE(speller.questions.isEmpty());
    EXPECT_EQ(speller.questions.last().word, QStringLiteral("teh"));
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_EQ(dialogs.messages.last().text, endOfDocument);
    EXPECT_EQ(w.entryEditor->Text(), sample + QStringLiteral(" teh"));
}

TEST(ToolsDialog, HelpInTheSpellingDialogOpensItsTopicAndCancelStillEndsWithTheMessage)
{
    TempFolder folder;
    ScriptedDialogs dialogs;
    auto tools = std::make_shared<WritingTools>();
    WorkAreaWindow w{nullptr, WritingTools::addHooks({}, tools)};
    tools->setEditor(w.entryEditor);
    w.sectionTabs->setCurrentIndex(1);
    w.actionTakenOption->click();
    w.entryEditor->setText(QStringLiteral("Check teh backups"));
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<SpellDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton *>("Help")->click();
        dialog->findChild<QPushButton *>("Cancel")->click();
    });
    w.spellButton->click();
    ASSERT_EQ(dialogs.helps.size(), 1);
    EXPECT_EQ(dialogs.helps[0].file, "TESSAREL.hlp");
    EXPECT_EQ(dialogs.helps[0].context, 5050);
    EXPECT_EQ(w.entryEditor->Text(), "Check teh backups");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, endOfDocument);
}

TEST_F(Tools, ThesaurusNeedsASelection)
{
    write(QStringLiteral("The policy, as written."));
    for (const auto &[start, length] : QList<std::pair<int, int>>{{4, 0}, {10, 2}}) {
        select(start, length);
        w.thesaurusButton->click();
    }
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0].text, "Please highlight word you desire to look up!");
    EXPECT_EQ(dialogs.messages[0].caption, "Thesaurus");
    EXPECT_EQ(dialogs.messages[0].style, Dialogs::Question);
    EXPECT_TRUE(thesaurus.words.isEmpty());
}

TEST_F(Tools, ThesaurusReplacesTheWordAndKeepsTheDelimitersAfterIt)
{
    write(QStringLiteral("The policy, as written."));
    select(4, 8); // "policy, "
    thesaurus.answer(QStringLiteral("plan of action"));
    w.thesaurusAction->trigger();
    EXPECT_EQ(thesaurus.words, QStringList{"policy"});
    EXPECT_EQ(w.entryEditor->Text(), "The plan of action, as written.");
    EXPECT_EQ(w.EntryChanged, 1);
}

TEST_F(Tools, ThesaurusCancelledLeavesTheTextWithTheTrimmedSelection)
{
    write(QStringLiteral("The policy, as written."));
    select(4, 8);
    w.thesaurusButton->click();
    EXPECT_EQ(w.entryEditor->Text(), "The policy, as written.");
    EXPECT_EQ(w.entryEditor->SelText(), "policy");
    EXPECT_EQ(w.EntryChanged, 0);
}

TEST_F(Tools, ThesaurusNeverCutsALongEntry)
{
    const QString tail = QString(3200, QLatin1Char('x'));
    write(QStringLiteral("The policy ") + tail);
    select(4, 6);
    thesaurus.answer(QStringLiteral("plan of action"));
    w.thesaurusButton->click();
    EXPECT_EQ(w.entryEditor->Text(), QStringLiteral("The plan of action ") + tail);
}

TEST_F(Tools, FontSelectPresetsFromTheSelectionAndAppliesFontAndColour)
{
    write(QStringLiteral("Alpha beta"));
    select(6, 4);
    w.entryEditor->setSelBold(true);
    w.entryEditor->setSelColor(Qt::darkGreen);
    QFont chosen(QStringLiteral("Liberation Sans"));
    chosen.setPointSizeF(16);
    chosen.setItalic(true);
    chosen.setStrikeOut(true);
    dialogs.answerFont(chosen, Qt::red);
    w.fontButton->click();

    ASSERT_EQ(dialogs.fontFlags, QList<int>{8450});
    EXPECT_TRUE(dialogs.fontPresets[0].bold());
    EXPECT_EQ(dialogs.colourPresets[0], QColor(Qt::darkGreen));
    EXPECT_EQ(w.entryEditor->SelStart(), 6);
    EXPECT_EQ(w.entryEditor->SelLength(), 4);
    EXPECT_EQ(w.entryEditor->SelFontName(), "Liberation Sans");
    EXPECT_EQ(w.entryEditor->SelFontSize(), 16);
    EXPECT_TRUE(w.entryEditor->SelItalic());
    EXPECT_TRUE(w.entryEditor->SelStrikeThru());
    EXPECT_FALSE(w.entryEditor->SelBold());
    EXPECT_EQ(w.entryEditor->SelColor(), QColor(Qt::red));
    EXPECT_EQ(w.EntryChanged, 1);
}

TEST_F(Tools, FontSelectWithoutASelectionStartsFromTheBaseFontAndSetsTheTextTypedNext)
{
    write(QStringLiteral("Alpha"));
    w.entryEditor->setSelStart(5);
    QFont chosen(QStringLiteral("Liberation Mono"));
    chosen.setPointSizeF(9);
    dialogs.answerFont(chosen, Qt::blue);
    w.fontAction->trigger();
    EXPECT_EQ(dialogs.fontPresets[0].family(), "Liberation Serif"); // standing in for Times New Roman
    EXPECT_EQ(dialogs.fontPresets[0].pointSizeF(), 12);
    QTest::keyClicks(w.entryEditor, QStringLiteral("Z"));
    w.entryEditor->setSelStart(5);
    w.entryEditor->setSelLength(1);
    EXPECT_EQ(w.entryEditor->SelText(), "Z");
    EXPECT_EQ(w.entryEditor->SelFontName(), "Liberation Mono");
    EXPECT_EQ(w.entryEditor->SelColor(), QColor(Qt::blue));
}

TEST_F(Tools, FontSelectCancelledRestoresTheSelectionAndChangesNothing)
{
    write(QStringLiteral("Alpha beta"));
    select(2, 5);
    const QByteArray before = w.entryEditor->TextRTF();
    dialogs.cancelNextFont();
    w.fontButton->click();
    EXPECT_EQ(w.entryEditor->TextRTF(), before);
    EXPECT_EQ(w.entryEditor->SelStart(), 2);
    EXPECT_EQ(w.entryEditor->SelLength(), 5);
    EXPECT_EQ(w.EntryChanged, 0);
    EXPECT_TRUE(w.entryEditor->HideSelection());
}

} // namespace
