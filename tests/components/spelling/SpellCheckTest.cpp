#include <QSignalSpy>
#include <QTextCursor>
#include <gtest/gtest.h>

#include "core/spelling/SpellCheck.h"
#include "core/spelling/SpellChecker.h"
#include "support/ScriptedSpelling.h"
#include "support/TempFolder.h"

namespace {

using A = SpellAnswer;

class Check : public ::testing::Test
{
protected:
    QString run(const QString &text)
    {
        SpellCheck check(checker, asker);
        check.setText(text);
        code = check.check();
        changes = check.changeCount();
        return check.text();
    }

    TempFolder folder;
    SpellChecker checker;
    ScriptedSpellAsker asker;
    int code = 99;
    int changes = -1;
};

TEST_F(Check, AsksAboutEachMisspelledWordInItsSentence)
{
    asker.answer(A::Change, QStringLiteral("the"));
    EXPECT_EQ(run(QStringLiteral("HIPAA says so. Check teh backups of ePHI per 164.308(a)(1)! Next.")),
              QStringLiteral("HIPAA says so. Check the backups of ePHI per 164.308(a)(1)! Next."));
    ASSERT_EQ(asker.questions.size(), 1);
    const SpellQuestion &q = asker.questions.first();
    EXPECT_EQ(q.word, "teh");
    EXPECT_EQ(q.sentence, "Check teh backups of ePHI per 164.308(a)(1)!");
    EXPECT_EQ(q.wordInSentence, 6);
    EXPECT_EQ(q.suggestions.value(0), "the");
    EXPECT_EQ(code, SpellCheck::Finished);
    EXPECT_EQ(changes, 1);
}

TEST_F(Check, EmptyOrCorrectTextEndsWithoutQuestions)
{
    EXPECT_EQ(run(QString()), QString());
    EXPECT_EQ(run(QStringLiteral("The plan covers the backups.")), "The plan covers the backups.");
    EXPECT_TRUE(asker.questions.isEmpty());
    EXPECT_EQ(code, SpellCheck::Finished);
    EXPECT_EQ(changes, 0);
}

TEST_F(Check, ChangeAllAndIgnoreAllSettleLaterOccurrences)
{
    asker.answer(A::ChangeAll, QStringLiteral("the"));
    asker.answer(A::IgnoreAll);
    EXPECT_EQ(run(QStringLiteral("teh zorblat teh zorblat\nteh")), "the zorblat the zorblat\nthe");
    EXPECT_EQ(asker.questions.size(), 2);
    EXPECT_EQ(changes, 3);
    run(QStringLiteral("zorblat"));
    EXPECT_EQ(asker.questions.size(), 2); // still ignored by the same checker
}

TEST_F(Check, CancelStopsAndKeepsCorrectionsMadeSoFar)
{
    asker.answer(A::Change, QStringLiteral("the"));
    asker.answer(A::Cancel);
    EXPECT_EQ(run(QStringLiteral("teh zorblat wrold")), "the zorblat wrold");
    EXPECT_EQ(asker.questions.size(), 2);
    EXPECT_EQ(code, SpellCheck::Cancelled);
}

TEST_F(Check, AddAndAutoCorrectChangeTheCheckersLists)
{
    SpellCheck check(checker, asker);
    QSignalSpy autoCorrect(&check, &SpellCheck::autoCorrectChanged);
    QSignalSpy found(&check, &SpellCheck::misspellingFound);
    asker.answer(A::Add);
    asker.answer(A::AutoCorrect, QStringLiteral("world"));
    check.setText(QStringLiteral("zorblat wrold"));
    check.check();
    EXPECT_EQ(check.text(), "zorblat world");
    EXPECT_EQ(found.count(), 2);
    ASSERT_EQ(autoCorrect.count(), 1);
    EXPECT_EQ(autoCorrect.first().value(0).toInt(), 1);
    EXPECT_EQ(checker.autoCorrectCount(), 1);
    EXPECT_EQ(checker.autoCorrectCorrection(0), "world");
    EXPECT_TRUE(checker.isCorrect(QStringLiteral("zorblat")));
}

TEST_F(Check, CorrectsAnAttachedDocumentInPlaceKeepingFormatAndRange)
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("one teh two\nthree wrold"));
    QTextCursor bold(&doc);
    bold.setPosition(4);
    bold.setPosition(7, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    bold.mergeCharFormat(format);

    SpellCheck check(checker, asker);
    QList<std::pair<int, int>> reported;
    QObject::connect(&check, &SpellCheck::wordReported, [&](int start, int length) {
        reported.append({start, length});
        EXPECT_EQ(check.wordStart(), start);
    });
    check.attach(&doc);
    check.setCheckRange(0, 11); // the first line only
    asker.answer(A::Change, QStringLiteral("these"));
    check.check();
    EXPECT_EQ(doc.toPlainText(), "one these two\nthree wrold");
    EXPECT_EQ(reported, (QList<std::pair<int, int>>{{4, 3}}));
    QTextCursor after(&doc);
    after.setPosition(6);
    EXPECT_EQ(after.charFormat().fontWeight(), QFont::Bold);
}

} // namespace
