#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/widgets/ThesaurusDialog.h"

namespace {

TEST(ThesaurusDialog, ReplaceGivesTheChosenSynonymAndCancelGivesNothing)
{
    const Thesaurus thesaurus;
    ThesaurusDialog dialog(thesaurus);
    auto *meanings = dialog.findChild<QListWidget *>("Meanings");
    auto *synonyms = dialog.findChild<QListWidget *>("Synonyms");
    auto *replaceWith = dialog.findChild<QLineEdit *>("ReplaceWith");

    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_EQ(meanings->count(), 3);
        EXPECT_EQ(replaceWith->text(), "policy");
        meanings->setCurrentRow(1);
        EXPECT_EQ(synonyms->count(), 1);
        synonyms->setCurrentRow(0);
        dialog.findChild<QPushButton *>("Replace")->click();
    });
    EXPECT_EQ(dialog.replacementFor(QStringLiteral("policy")), "plan of action");

    QTimer::singleShot(0, &dialog, [&] {
        replaceWith->setText(QStringLiteral("rule"));
        dialog.findChild<QPushButton *>("LookUp")->click();
        EXPECT_GT(meanings->count(), 0);
        dialog.findChild<QPushButton *>("Cancel")->click();
    });
    EXPECT_EQ(dialog.replacementFor(QStringLiteral("policy")), "");
}

} // namespace
