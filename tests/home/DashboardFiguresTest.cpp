#include <QDir>
#include <gtest/gtest.h>

#include "core/home/DashboardModel.h"
#include "core/home/RecordFigures.h"
#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"
#include "core/risk/RiskTestDatabase.h"
#include "core/home/WorkbookFigures.h"
#include "core/todo/TodoDate.h"
#include "core/todo/TodoGridFile.h"
#include "support/TempFolder.h"
#include "core/workbook/StatusStore.h"

namespace {

const QDate today(2026, 12, 8);

// A workbook half worked through: statuses written as the work area writes them.
void seedStatuses(const TempFolder &folder)
{
    const StatusStore store(folder.file(QStringLiteral("Stat1.Fil")));
    const std::pair<int, const char *> statuses[] = {
        {1, "Completed"},  {2, "Completed"},  {3, "Working"},    {4, "Pending"},    {5, "Review"},
        {6, "Completed"},  {24, "Completed"}, {25, "Working"},   {34, "Completed"}, {35, "Completed"},
        {36, "Completed"}, {43, "Pending"},   {46, "Completed"}, {47, "Completed"}, {30, "no such status"}};
    for (const auto &[number, status] : statuses)
        ASSERT_TRUE(store.write(number, QString::fromLatin1(status))) << number;
}

TEST(DashboardFigures, CountsEachCategoryByStatusFromTheStatusFile)
{
    TempFolder folder;
    seedStatuses(folder);
    DashboardModel model;
    WorkbookFigures::addTo(model, folder.path(), [] { return today; });
    const QList<FigureGroup> groups = model.refresh();
    ASSERT_EQ(groups.size(), 2);
    ASSERT_EQ(groups[0].source, "Statuses");
    const QList<Figure> &bars = groups[0].figures;
    ASSERT_EQ(bars.size(), 5);

    struct Row
    {
        const char *caption;
        int items;
        QList<int> byStatus; // no status, Pending, Working, Completed, Review
        const char *note;
    };
    const Row expected[] = {
        {"Administrative Safeguards", 23, {17, 1, 1, 3, 1}, "13 % Completed"},
        {"Physical Safeguards", 10, {8, 0, 1, 1, 0}, "10 % Completed"},
        {"Technical Safeguards", 9, {6, 0, 0, 3, 0}, "33 % Completed"},
        {"Organizational Requirements", 3, {2, 1, 0, 0, 0}, "0 % Completed"},
        {"Policies and Procedures and Documentation Requirements", 2, {0, 0, 0, 2, 0}, "100 % Completed"},
    };
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(expected[i].caption);
        EXPECT_EQ(bars[i].caption, expected[i].caption);
        EXPECT_EQ(bars[i].count, expected[i].items);
        QList<int> counts;
        for (const auto &part : bars[i].parts)
            counts.append(part.second);
        EXPECT_EQ(counts, expected[i].byStatus);
        EXPECT_EQ(bars[i].note, expected[i].note);
        EXPECT_EQ(bars[i].place.kind, Place::WorkCategory);
        EXPECT_EQ(bars[i].place.category, i + 1);
    }
}

TEST(DashboardFigures, AMissingStatusFileCountsNothingAndIsNotMade)
{
    TempFolder folder;
    DashboardModel model;
    WorkbookFigures::addTo(model, folder.path(), [] { return today; });
    const QList<FigureGroup> groups = model.refresh();
    EXPECT_EQ(groups[0].figures[0].parts[0], std::make_pair(QStringLiteral("No status"), 23));
    EXPECT_FALSE(folder.exists(QStringLiteral("Stat1.Fil")));
}

TEST(DashboardFigures, ToDoRowsPastTheirDateAreThoseWithAnItemAnEarlierDateAndNoActualDate)
{
    struct Row
    {
        const char *item;
        QDate due;
        const char *actual;
        bool overdue;
    };
    const Row rows[] = {
        {"Renew the firewall licence", today.addDays(-1), "", true},
        {"Train new staff", today, "", false},
        {"Review access lists", today.addDays(-30), "Mon - Dec 7, 26", false},
        {"   ", today.addDays(-5), "", false},
        {"Test the backup", today.addDays(-400), "", true},
        {"Call the vendor", QDate(), "", false},
        {"Replace badges", today.addDays(3), "", false},
    };
    TodoGrid grid;
    for (int i = 0; i < int(std::size(rows)); ++i) {
        grid.setCell(i + 1, 1, QString::fromLatin1(rows[i].item));
        if (rows[i].due.isValid())
            grid.setCell(i + 1, 2, TodoDate::cellText(rows[i].due));
        grid.setCell(i + 1, 3, QString::fromLatin1(rows[i].actual));
    }
    TempFolder folder;
    ASSERT_TRUE(TodoGridFile(folder.file(QStringLiteral("TODOActv.FIL"))).save(grid));

    DashboardModel model;
    WorkbookFigures::addTo(model, folder.path(), [] { return today; });
    const Figure todo = model.refresh().at(1).figures.at(0);
    EXPECT_EQ(todo.caption, "To-do items past their date");
    EXPECT_EQ(todo.count, 2);
    EXPECT_EQ(todo.place.kind, Place::TodoList);
    EXPECT_EQ(todo.place.row, 1);
    EXPECT_EQ(WorkbookFigures::overdueTodoRows(grid, today), (QList<int>{1, 5}));
}

TEST(DashboardFigures, ASourceAddedAgainUnderItsNameReplacesTheFirst)
{
    DashboardModel model;
    model.addSource(QStringLiteral("Risks"), [] {
        return QList<Figure>{Figure{QStringLiteral("old"), 1, {}, {}, {}}};
    });
    model.addSource(QStringLiteral("Decisions"), [] { return QList<Figure>{}; });
    model.addSource(QStringLiteral("Risks"), [] {
        return QList<Figure>{Figure{QStringLiteral("new"), 2, {}, {}, {}}};
    });
    const QList<FigureGroup> groups = model.refresh();
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(groups[0].source, "Risks");
    EXPECT_EQ(groups[0].figures[0].caption, "new");
    EXPECT_TRUE(model.hasSource(QStringLiteral("Decisions")));
}

// The captions and counts of the record's figures, in order.
QStringList recordCounts(const QList<FigureGroup> &groups)
{
    QStringList counts;
    for (const FigureGroup &group : groups)
        for (const Figure &figure : group.figures)
            counts.append(QStringLiteral("%1: %2").arg(figure.caption).arg(figure.count));
    return counts;
}

TEST(DashboardFigures, TheRecordGivesUndecidedItemsReviewsDueAndOpenHighOrCriticalRisks)
{
    RiskTestDatabase record;
    const QDateTime at(today, QTime(9, 0));
    const Decision decided{Decision::AsSpecified, {}, {}, QStringLiteral("Ann"), today, at};
    for (int item : RecordItems::addressable().mid(0, 3))
        ASSERT_TRUE(Decisions(record.record()).record(item, decided));
    // Reviewed a year ago and 5 days more (overdue), 20 days less (due within 30 days), 40 less (not due).
    Reviews reviews(record.record());
    ASSERT_TRUE(reviews.recordReview(1, 3, today.addYears(-1).addDays(-5), QStringLiteral("Ann"), at));
    ASSERT_TRUE(reviews.recordReview(2, 3, today.addYears(-1).addDays(20), QStringLiteral("Ann"), at));
    ASSERT_TRUE(reviews.recordReview(2, 4, today.addYears(-1).addDays(40), QStringLiteral("Ann"), at));
    struct Rated
    {
        int likelihood, impact;
        bool open;
    };
    // High (4×3), Critical (5×5), Critical but closed, Moderate (2×3).
    for (const Rated &r : {Rated{4, 3, true}, Rated{5, 5, true}, Rated{5, 5, false}, Rated{2, 3, true}}) {
        Risk risk = sampleRisk(1);
        risk.rating = {today, r.likelihood, r.impact};
        risk.open = r.open;
        ASSERT_TRUE(record.store().add(risk));
    }

    DashboardModel model;
    RecordFigures::addTo(model, [&record] { return &record.record(); }, [] { return today; });
    const QList<FigureGroup> groups = model.refresh();
    EXPECT_EQ(recordCounts(groups), (QStringList{"Addressable items without a decision: 19", "Reviews overdue: 1",
                                                 "Reviews due within 30 days: 1", "Open High or Critical risks: 2"}));
    const Place risks = groups.last().figures.first().place;
    EXPECT_EQ(risks.kind, Place::RiskRegister);
    EXPECT_EQ(risks.filter, "High or Critical");
    EXPECT_EQ(groups.first().figures.first().place.kind, Place::DecisionRegister);
}

TEST(DashboardFigures, AWorkbookWithoutItsRecordCountsEveryAddressableItemUndecidedAndMakesNoFile)
{
    TempFolder folder;
    Result<RecordDatabase::Opened> opened = RecordDatabase::open(folder.path(), RecordDatabase::Access::Write);
    ASSERT_TRUE(opened && opened->database);
    for (RecordDatabase *record : {static_cast<RecordDatabase *>(nullptr), opened->database.get()}) {
        DashboardModel model;
        RecordFigures::addTo(model, [record] { return record; }, [] { return today; });
        EXPECT_EQ(recordCounts(model.refresh()),
                  (QStringList{"Addressable items without a decision: 22", "Reviews overdue: 0",
                               "Reviews due within 30 days: 0", "Open High or Critical risks: 0"}));
    }
    EXPECT_FALSE(folder.exists(QStringLiteral("Tessarel.sqlite")));
}

} // namespace
