#include <gtest/gtest.h>

#include "core/risk/RiskScale.h"
#include "core/risk/ThreatList.h"

using RiskScale::Level;

struct LevelCase {
    int likelihood;
    int impact;
    bool rated;
    Level level;
};

TEST(RiskScale, LevelMatrixAtItsEdges)
{
    const LevelCase cases[] = {
        {1, 1, true, Level::Low},       {1, 4, true, Level::Low},       {4, 1, true, Level::Low},
        {2, 2, true, Level::Low},       {1, 5, true, Level::Moderate},  {5, 1, true, Level::Moderate},
        {2, 3, true, Level::Moderate},  {3, 3, true, Level::Moderate},  {2, 5, true, Level::High},
        {5, 2, true, Level::High},      {4, 4, true, Level::High},      {3, 5, true, Level::High},
        {4, 5, true, Level::Critical},  {5, 4, true, Level::Critical},  {5, 5, true, Level::Critical},
        {0, 3, false, Level::Low},      {3, 0, false, Level::Low},      {6, 1, false, Level::Low},
        {1, 6, false, Level::Low},      {-1, -1, false, Level::Low},
    };
    for (const LevelCase &c : cases) {
        Level level = Level::Low;
        EXPECT_EQ(RiskScale::levelOf(c.likelihood, c.impact, level), c.rated) << c.likelihood << "x" << c.impact;
        if (c.rated) {
            EXPECT_EQ(level, c.level) << c.likelihood << "x" << c.impact;
        }
    }
}

TEST(RiskScale, EveryStepHasAWordAndAMeaningAndNamesReadBack)
{
    for (int step = RiskScale::Lowest; step <= RiskScale::Highest; ++step) {
        EXPECT_STRNE(RiskScale::likelihood(step).word, "");
        EXPECT_STRNE(RiskScale::impact(step).meaning, "");
    }
    EXPECT_STREQ(RiskScale::likelihood(6).word, "");
    for (const QString &name : RiskScale::levelNames()) {
        Level level;
        ASSERT_TRUE(RiskScale::levelFromName(name, level));
        EXPECT_EQ(RiskScale::levelName(level), name);
    }
    RiskScale::Response response;
    EXPECT_FALSE(RiskScale::responseFromName(QStringLiteral("Ignore"), response));
}

TEST(ThreatList, FiveGroupsAndUserThreatsAddOnlyOnce)
{
    ThreatList list;
    EXPECT_EQ(ThreatList::groups().size(), 5);
    for (const QString &group : ThreatList::groups())
        EXPECT_TRUE(std::any_of(list.all().begin(), list.all().end(),
                                [&](const ThreatList::Threat &t) { return t.group == group; }));
    EXPECT_TRUE(list.add(QStringLiteral("Raccoons"), QStringLiteral("Environmental")));
    EXPECT_FALSE(list.add(QStringLiteral("raccoons"), QStringLiteral("Environmental")));
    EXPECT_FALSE(list.add(QStringLiteral("Flood"), QStringLiteral("Technical")));
    EXPECT_FALSE(list.add(QStringLiteral("Gremlins"), QStringLiteral("Supernatural")));
    EXPECT_FALSE(list.add(QStringLiteral("  "), QStringLiteral("Technical")));
    EXPECT_EQ(list.groupOf(QStringLiteral("RACCOONS")), QStringLiteral("Environmental"));
}
