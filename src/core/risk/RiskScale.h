#pragma once

#include <QString>
#include <QStringList>

// The rating scales of a risk: likelihood and impact from 1 to 5, their product the score, and the level
// the score falls in.
namespace RiskScale {

constexpr int Lowest = 1;
constexpr int Highest = 5;

enum class Level { Low, Moderate, High, Critical };
constexpr int LevelCount = 4;

struct Step {
    const char *word;
    const char *meaning;
};

bool isRating(int value);
// Steps 1..5; outside the scale a step with empty texts.
const Step &likelihood(int value);
const Step &impact(int value);

int score(int likelihood, int impact);
// The level of a rating on the scales: scores 1-4 Low, 5-9 Moderate, 10-16 High, 20-25 Critical.
// Ratings outside 1..5 have none (false).
bool levelOf(int likelihood, int impact, Level &level);
Level levelOfScore(int score);
QString levelName(Level level);
// "Low", "Moderate", ...; false for any other text (case matters).
bool levelFromName(const QString &name, Level &level);
QStringList levelNames();

enum class Response { Reduce, Accept, Transfer, Avoid };
QString responseName(Response response);
bool responseFromName(const QString &name, Response &response);
QStringList responseNames();

} // namespace RiskScale
