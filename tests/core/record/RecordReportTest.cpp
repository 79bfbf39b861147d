#include <gtest/gtest.h>

#include <algorithm>

#include "core/record/EntryHistory.h"
#include "core/record/RecordDatabase.h"
#include "core/record/RecordReport.h"
#include "core/record/Reviews.h"
#include "core/record/StatusHistory.h"
#include "support/TempFolder.h"

namespace {

const QDateTime monday(QDate(2026, 12, 7), QTime(9, 30), Qt::UTC);

} // namespace

TEST(RecordReport, EachItemWithStatusDecisionReviewAndVersions)
{
    TempFolder folder;
    Result<RecordDatabase::Opened> opened = RecordDatabase::open(folder.path(), RecordDatabase::Access::Write);
    ASSERT_TRUE(opened && opened->database);
    RecordDatabase &db = *opened->database;
    const Decision decision{Decision::NotReasonable, QStringLiteral("One <small> office & one PC."), {},
                            QStringLiteral("Ann Lee"), QDate(2026, 11, 30), monday};
    ASSERT_TRUE(Decisions(db).record(6, decision));
    ASSERT_TRUE(StatusHistory(db).record(6, {}, QStringLiteral("Working"), QStringLiteral("Ann"), monday));
    ASSERT_TRUE(EntryHistory(db).recordSave(6, 3, {}, {}, "{\\rtf1 a}", QStringLiteral("Ann"), monday));
    ASSERT_TRUE(EntryHistory(db).recordSave(6, 5, {}, {}, "{\\rtf1 b}", QStringLiteral("Ann"), monday));
    ASSERT_TRUE(Reviews(db).recordReview(6, 3, QDate(2026, 12, 1), QStringLiteral("Bo"), monday));
    ASSERT_TRUE(Reviews(db).recordReview(6, 5, QDate(2026, 6, 1), QStringLiteral("Cy"), monday));
    std::array<QString, 51> statuses;
    statuses[6] = QStringLiteral("Working");

    const Result<QList<RecordReport::ItemRecord>> rows = RecordReport::items(db, statuses);
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->size(), 45) << "every item with a specification";
    const auto found = std::find_if(rows->begin(), rows->end(), [](const auto &r) { return r.item == 6; });
    ASSERT_NE(found, rows->end());
    EXPECT_TRUE(found->addressable);
    EXPECT_EQ(found->decision, decision);
    EXPECT_EQ(found->statusSince, QDate(2026, 12, 7));
    EXPECT_EQ(found->lastReviewed, QDate(2026, 12, 1));
    EXPECT_EQ(found->reviewedBy, QStringLiteral("Bo"));
    EXPECT_EQ(found->nextDue, QDate(2027, 6, 1)) << "the earliest of its entries";
    EXPECT_EQ(found->versions, 2);

    const QString html = RecordReport::complianceHtml(rows.value(), monday);
    EXPECT_TRUE(html.contains(QStringLiteral("Working<br>since Dec 7, 2026")));
    EXPECT_TRUE(html.contains(QStringLiteral("Reasons: One &lt;small&gt; office &amp; one PC.")));
    EXPECT_TRUE(html.contains(QStringLiteral("Dec 1, 2026 (Bo)")));

    const auto undecided = RecordReport::registerRows(Decisions(db).current().value(), true);
    EXPECT_EQ(undecided.size(), 21);
    EXPECT_TRUE(std::none_of(undecided.begin(), undecided.end(), [](const auto &r) { return r.first == 6; }));
}
