#include <QImage>
#include <gtest/gtest.h>

#include "RiskTestDatabase.h"
#include "core/risk/RiskHeatMapPainter.h"
#include "core/risk/RiskTableModel.h"

namespace {

Risk rated(int likelihood, int impact, const QString &owner, bool open = true)
{
    Risk risk = sampleRisk(1);
    risk.rating = {QDate(2026, 1, 1), likelihood, impact};
    risk.owner = owner;
    risk.open = open;
    return risk;
}

} // namespace

TEST(RiskHeatMap, CountsEachCellUnderTheOtherFilters)
{
    const QList<Risk> risks{rated(1, 1, QStringLiteral("A")), rated(5, 5, QStringLiteral("A")),
                            rated(5, 5, QStringLiteral("B")), rated(5, 5, QStringLiteral("B"), false),
                            rated(2, 4, QStringLiteral("A"))};
    RiskFilter filter;
    RiskHeatCounts counts = RiskHeatCounts::of(risks, filter);
    EXPECT_EQ(counts.count(5, 5), 3);
    EXPECT_EQ(counts.count(2, 4), 1);
    EXPECT_EQ(counts.count(4, 2), 0);
    EXPECT_EQ(counts.total(), 5);

    filter.status = RiskFilter::Status::Open;
    filter.likelihood = 5; // the selected cell does not empty the others
    filter.impact = 5;
    counts = RiskHeatCounts::of(risks, filter);
    EXPECT_EQ(counts.count(5, 5), 2);
    EXPECT_EQ(counts.count(1, 1), 1);

    RiskTableModel model;
    model.setRisks(risks);
    RiskFilterModel shown(&model);
    shown.setFilter(filter);
    EXPECT_EQ(shown.rowCount(), 2);
    filter.owner = QStringLiteral("B");
    shown.setFilter(filter);
    EXPECT_EQ(shown.rowCount(), 1);
    filter = {};
    filter.level = RiskScale::Level::Moderate;
    shown.setFilter(filter);
    EXPECT_EQ(shown.rowCount(), 1); // 2 x 4 = 8
    filter.levelOrAbove = true; // and the three Critical 5 x 5, one of them closed
    shown.setFilter(filter);
    EXPECT_EQ(shown.rowCount(), 4);
    filter.level = RiskScale::Level::High;
    filter.status = RiskFilter::Status::Open;
    shown.setFilter(filter);
    EXPECT_EQ(shown.rowCount(), 2);
}

TEST(RiskHeatMap, CellsMapBothWaysAndLevelsDifferInGrey)
{
    const RiskHeatMapPainter map(QRectF(0, 0, 500, 500));
    for (int likelihood = 1; likelihood <= 5; ++likelihood)
        for (int impact = 1; impact <= 5; ++impact) {
            int l = 0, i = 0;
            ASSERT_TRUE(map.cellAt(map.cell(likelihood, impact).center(), l, i));
            EXPECT_EQ(l, likelihood);
            EXPECT_EQ(i, impact);
        }
    int l = 0, i = 0;
    EXPECT_FALSE(map.cellAt(QPointF(1, 499), l, i));
    int previousGrey = 300; // the first level only has to be a colour at all
    for (int level = 0; level < RiskScale::LevelCount; ++level) {
        const int grey = qGray(RiskHeatMapPainter::colour(RiskScale::Level(level)).rgb());
        EXPECT_LT(grey, previousGrey - 30) << level; // each level clearly darker in grey print
        previousGrey = grey;
    }
    RiskHeatCounts counts;
    const QImage picture = RiskHeatMapPainter::image(counts, QSize(400, 400));
    EXPECT_EQ(picture.pixel(map.cell(5, 5).center().toPoint() * 0.8),
              RiskHeatMapPainter::colour(RiskScale::Level::Critical).rgb());
}
