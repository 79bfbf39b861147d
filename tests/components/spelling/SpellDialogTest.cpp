#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/widgets/SpellDialog.h"

namespace {

const SpellQuestion question{QStringLiteral("teh"), QStringLiteral("Check teh backups."), 6,
                             {QStringLiteral("the"), QStringLiteral("tech")}};

// Works the dialog once it is shown, as the user would.
SpellAnswer askAndThen(SpellDialog &dialog, const std::function<void()> &user)
{
    QTimer::singleShot(0, &dialog, user);
    return dialog.ask(question);
}

TEST(SpellDialog, ShowsTheWordInItsSentenceWithTheFirstSuggestionReady)
{
    SpellDialog dialog;
    dialog.present(question);
    EXPECT_EQ(dialog.findChild<QTextEdit *>("NotInDictionary")->toPlainText(), "Check teh backups.");
    EXPECT_EQ(dialog.findChild<QLineEdit *>("ChangeTo")->text(), "the");
    EXPECT_EQ(dialog.findChild<QListWidget *>("Suggestions")->count(), 2);

    dialog.present({QStringLiteral("zorblat"), QStringLiteral("zorblat"), 0, {}});
    EXPECT_EQ(dialog.findChild<QLineEdit *>("ChangeTo")->text(), "zorblat");
}

TEST(SpellDialog, EachButtonGivesItsAnswerWithTheChosenWord)
{
    SpellDialog dialog;
    const QList<std::pair<const char *, SpellAnswer::Action>> buttons{
        {"Change", SpellAnswer::Change},       {"ChangeAll", SpellAnswer::ChangeAll},
        {"Ignore", SpellAnswer::Ignore},       {"IgnoreAll", SpellAnswer::IgnoreAll},
        {"Add", SpellAnswer::Add},             {"AutoCorrect", SpellAnswer::AutoCorrect},
        {"Cancel", SpellAnswer::Cancel}};
    for (const auto &[name, action] : buttons) {
        const SpellAnswer answer = askAndThen(dialog, [&dialog, name = name] {
            dialog.findChild<QListWidget *>("Suggestions")->setCurrentRow(1);
            dialog.findChild<QPushButton *>(QLatin1String(name))->click();
        });
        EXPECT_EQ(answer.action, action) << name;
        EXPECT_EQ(answer.replacement, "tech") << name;
    }
}

TEST(SpellDialog, AccessKeysReachTheListsAndButtons)
{
    SpellDialog dialog;
    const SpellAnswer answer = askAndThen(dialog, [&dialog] {
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        auto *suggestions = dialog.findChild<QListWidget *>("Suggestions");
        QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), suggestions);
        QTest::keyClick(suggestions, Qt::Key_Down);
        QTest::keyClick(&dialog, Qt::Key_L, Qt::AltModifier); // Change All, clicked after a short animation
        if (!QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }))
            dialog.reject();
    });
    EXPECT_EQ(answer.action, SpellAnswer::ChangeAll);
    EXPECT_EQ(answer.replacement, "tech");
}

TEST(SpellDialog, HelpKeepsTheDialogOpenAndEscapeCancels)
{
    SpellDialog dialog;
    QSignalSpy help(&dialog, &SpellDialog::helpRequested);
    const SpellAnswer answer = askAndThen(dialog, [&dialog] {
        dialog.findChild<QPushButton *>("Help")->click();
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(help.count(), 1);
    EXPECT_EQ(answer.action, SpellAnswer::Cancel);
}

} // namespace
