#include <gtest/gtest.h>

#include <QSqlQuery>

#include "core/record/Decisions.h"
#include "core/record/EntryHistory.h"
#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"
#include "core/record/Reviews.h"
#include "core/record/StatusHistory.h"
#include "support/TempFolder.h"

namespace {

const QDateTime monday(QDate(2026, 12, 7), QTime(9, 30), Qt::UTC);

std::unique_ptr<RecordDatabase> openRecord(const TempFolder &folder)
{
    Result<RecordDatabase::Opened> opened = RecordDatabase::open(folder.path(), RecordDatabase::Access::Write);
    EXPECT_TRUE(opened && opened->database) << opened.error().toStdString();
    return opened ? std::move(opened.value().database) : nullptr;
}

Decision decision(Decision::Choice choice, const QString &reasons = {}, const QString &alternative = {})
{
    return {choice, reasons, alternative, QStringLiteral("Ann Lee"), QDate(2026, 12, 7), monday};
}

} // namespace

TEST(EntryHistory, KeepsEachChangingSaveAndNothingForAnUnchangedOne)
{
    const struct {
        const char *name;
        QByteArray before, after;
        int added;
        QStringList savedBy; // of the versions added, oldest first
    } steps[] = {
        {"new entry", {}, "{\\rtf1 one}", 1, {QStringLiteral("Ann")}},
        {"unchanged save", "{\\rtf1 one}", "{\\rtf1 one}", 0, {}},
        {"changed", "{\\rtf1 one}", "{\\rtf1 two}", 1, {QStringLiteral("Ann")}},
        {"changed elsewhere first", "{\\rtf1 other}", "{\\rtf1 three}", 2, {QString(), QStringLiteral("Ann")}},
    };
    TempFolder folder;
    auto db = openRecord(folder);
    EntryHistory history(*db);
    int total = 0;
    for (const auto &step : steps) {
        SCOPED_TRACE(step.name);
        ASSERT_TRUE(history.recordSave(7, 5, step.before, monday.addDays(-1), step.after, QStringLiteral("Ann"),
                                       monday.addSecs(total)));
        const Result<QList<EntryVersion>> versions = history.versions(7, 5);
        ASSERT_TRUE(versions);
        ASSERT_EQ(versions->size(), total + step.added);
        for (int i = 0; i < step.added; ++i)
            EXPECT_EQ(versions->at(total + i).savedBy, step.savedBy[i]);
        total += step.added;
        if (step.added) {
            const EntryVersion &last = versions->last();
            EXPECT_EQ(last.size, step.after.size());
            EXPECT_EQ(*history.content(last.id), step.after);
        }
    }
    EXPECT_EQ(*history.count(7), 4);
    EXPECT_EQ(*history.count(8), 0);
    EXPECT_EQ(history.versions(7, 4)->size(), 0);
}

TEST(EntryHistory, VersionWhoseTextNoLongerMatchesItsHashIsRefused)
{
    TempFolder folder;
    auto db = openRecord(folder);
    EntryHistory history(*db);
    ASSERT_TRUE(history.recordSave(1, 3, {}, {}, "{\\rtf1 kept}", QStringLiteral("Ann"), monday));
    ASSERT_TRUE(db->run(QStringLiteral("UPDATE entry_versions SET content = ?"), {qCompress("{\\rtf1 altered}")}));
    const Result<QByteArray> read = history.content(history.versions(1, 3)->first().id);
    ASSERT_FALSE(read);
    EXPECT_TRUE(read.error().contains(QStringLiteral("SHA-256")));
}

TEST(StatusHistory, EachChangeIsDatedWithBothValues)
{
    TempFolder folder;
    auto db = openRecord(folder);
    StatusHistory statuses(*db);
    ASSERT_TRUE(statuses.record(12, QString(), QStringLiteral("Pending"), QStringLiteral("Ann"), monday));
    ASSERT_TRUE(statuses.record(12, QStringLiteral("Pending"), QStringLiteral("Pending"), QStringLiteral("Ann"),
                                monday.addDays(1)));
    ASSERT_TRUE(statuses.record(12, QStringLiteral("Pending"), QStringLiteral("Completed"), QStringLiteral("Bo"),
                                monday.addDays(2)));
    const Result<QList<StatusChange>> changes = statuses.changes(12);
    ASSERT_TRUE(changes);
    ASSERT_EQ(changes->size(), 2);
    EXPECT_EQ(changes->at(1).from, QStringLiteral("Pending"));
    EXPECT_EQ(changes->at(1).to, QStringLiteral("Completed"));
    EXPECT_EQ(changes->at(1).at, monday.addDays(2));
    EXPECT_EQ(changes->at(1).by, QStringLiteral("Bo"));
}

TEST(Decisions, IncompleteDecisionsAreRefusedWithWhatIsMissing)
{
    const struct {
        Decision given;
        const char *missing; // empty when complete
    } cases[] = {
        {decision(Decision::Undecided), "Choose a decision."},
        {decision(Decision::AsSpecified), ""},
        {decision(Decision::NotReasonable), "Give the reasons"},
        {decision(Decision::NotReasonable, QStringLiteral("  ")), "Give the reasons"},
        {decision(Decision::NotReasonable, QStringLiteral("Two workstations, one room.")), ""},
        {decision(Decision::Alternative, QStringLiteral("Cost.")), "Describe the equivalent alternative"},
        {decision(Decision::Alternative, QStringLiteral("Cost."), QStringLiteral("Locked room.")), ""},
        {{Decision::AsSpecified, {}, {}, {}, QDate(2026, 12, 7), monday}, "Give the name"},
        {{Decision::AsSpecified, {}, {}, QStringLiteral("Ann"), QDate(), monday}, "Give the date"},
    };
    TempFolder folder;
    auto db = openRecord(folder);
    Decisions decisions(*db);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.missing);
        EXPECT_TRUE(c.given.missing().startsWith(QLatin1String(c.missing)));
        EXPECT_EQ(bool(decisions.record(6, c.given)), QByteArray(c.missing).isEmpty());
    }
}

TEST(Decisions, ChangedDecisionKeepsThePreviousAndSurvivesARestart)
{
    TempFolder folder;
    const Decision first = decision(Decision::AsSpecified);
    Decision second = decision(Decision::Alternative, QStringLiteral("Small office."), QStringLiteral("Sign-in log."));
    second.recordedAt = monday.addDays(3);
    {
        auto db = openRecord(folder);
        Decisions decisions(*db);
        ASSERT_TRUE(decisions.record(10, first));
        Decision again = first;
        again.recordedAt = monday.addDays(1);
        ASSERT_TRUE(decisions.record(10, again)); // the same decision: nothing added
        ASSERT_TRUE(decisions.record(10, second));
        ASSERT_TRUE(decisions.record(12, first));
    }
    auto db = openRecord(folder);
    Decisions decisions(*db);
    const Result<QMap<int, Decision>> current = decisions.current();
    ASSERT_TRUE(current);
    EXPECT_EQ(current->keys(), (QList<int>{10, 12}));
    EXPECT_EQ(current->value(10), second);
    EXPECT_EQ(*decisions.history(10), (QList<Decision>{first, second}));
}

TEST(Reviews, NextDueFollowsTheLastReviewOrTheFirstSaveAndTheInterval)
{
    const QDate today(2026, 12, 8);
    const struct {
        const char *name;
        QDate reviewed;   // invalid: never reviewed
        QDate firstSaved; // invalid: never saved
        int months;       // 0: the default
        QDate nextDue;
        bool listed;
    } cases[] = {
        {"reviewed a year ago", QDate(2025, 12, 1), {}, 0, QDate(2026, 12, 1), true},
        {"reviewed lately", QDate(2026, 11, 1), {}, 0, QDate(2027, 11, 1), false},
        {"due in 30 days", QDate(2026, 7, 7), {}, 6, QDate(2027, 1, 7), true},
        {"due in 31 days", QDate(2026, 7, 8), {}, 6, QDate(2027, 1, 8), false},
        {"never reviewed, saved long ago", {}, QDate(2025, 1, 1), 0, QDate(2026, 1, 1), true},
        {"never reviewed, saved lately", {}, QDate(2026, 6, 1), 0, QDate(2027, 6, 1), false},
        {"review beats first save", QDate(2026, 10, 1), QDate(2020, 1, 1), 3, QDate(2027, 1, 1), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        auto db = openRecord(folder);
        Reviews reviews(*db);
        if (c.firstSaved.isValid()) {
            ASSERT_TRUE(EntryHistory(*db).recordSave(3, 5, {}, {}, "{\\rtf1 x}", QStringLiteral("Ann"),
                                                     QDateTime(c.firstSaved, QTime(12, 0), Qt::UTC)));
        }
        if (c.reviewed.isValid()) {
            ASSERT_TRUE(reviews.recordReview(3, 5, c.reviewed, QStringLiteral("Ann"), monday));
        }
        if (c.months) {
            ASSERT_TRUE(reviews.setInterval(3, 5, c.months));
        }
        const Result<ReviewState> state = reviews.state(3, 5);
        ASSERT_TRUE(state);
        EXPECT_EQ(state->nextDue, c.nextDue);
        EXPECT_EQ(state->months, c.months ? c.months : Reviews::DefaultMonths);
        EXPECT_EQ(reviews.due(today)->size(), c.listed ? 1 : 0);
    }
}

TEST(Reviews, RefusesAReviewWithoutNameAndIntervalsOutOfRange)
{
    TempFolder folder;
    auto db = openRecord(folder);
    Reviews reviews(*db);
    EXPECT_FALSE(reviews.recordReview(3, 5, QDate(2026, 12, 7), QStringLiteral(" "), monday));
    EXPECT_FALSE(reviews.setInterval(3, 5, 0));
    EXPECT_FALSE(reviews.setInterval(3, 5, 121));
    EXPECT_TRUE(reviews.setInterval(3, 5, 120));
}

TEST(RecordItems, TwentyTwoAddressableItems)
{
    EXPECT_EQ(RecordItems::addressable().size(), 22);
    EXPECT_TRUE(RecordItems::isAddressable(6));
    EXPECT_FALSE(RecordItems::isAddressable(1));
    EXPECT_EQ(RecordItems::title(6), QStringLiteral("164.308(a)(3) Authorization and/or Supervision (A)"));
}
