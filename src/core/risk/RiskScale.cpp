#include "core/risk/RiskScale.h"

#include <array>

namespace RiskScale {
namespace {

constexpr std::array<Step, 5> likelihoodSteps{{
    {"Rare", "Not expected in the next five years; it has not happened here or at similar practices."},
    {"Unlikely", "Could happen once in five years; it has happened at similar practices."},
    {"Possible", "Could happen about once in two years; it has happened here before."},
    {"Likely", "Expected about once a year; the conditions for it are present now."},
    {"Almost certain", "Expected several times a year, or already happening."},
}};

constexpr std::array<Step, 5> impactSteps{{
    {"Negligible", "No ePHI exposed or lost; work goes on with no noticeable delay."},
    {"Minor", "A few records briefly unavailable or exposed inside the practice; fixed within a day."},
    {"Moderate", "Records of some patients exposed or lost, or care delayed for a day or more."},
    {"Major", "Records of many patients exposed; a breach to be reported; care disrupted for days."},
    {"Severe", "A breach of 500 or more records, lasting loss of records, or harm to a patient."},
}};

constexpr Step noStep{"", ""};

constexpr std::array<const char *, LevelCount> levelTexts{"Low", "Moderate", "High", "Critical"};
constexpr std::array<const char *, 4> responseTexts{"Reduce", "Accept", "Transfer", "Avoid"};

template <std::size_t N>
QStringList names(const std::array<const char *, N> &texts)
{
    QStringList list;
    for (const char *text : texts)
        list << QString::fromLatin1(text);
    return list;
}

template <std::size_t N>
int indexOf(const std::array<const char *, N> &texts, const QString &name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (name == QLatin1String(texts[i]))
            return int(i);
    return -1;
}

} // namespace

bool isRating(int value) { return value >= Lowest && value <= Highest; }

const Step &likelihood(int value) { return isRating(value) ? likelihoodSteps[std::size_t(value - 1)] : noStep; }

const Step &impact(int value) { return isRating(value) ? impactSteps[std::size_t(value - 1)] : noStep; }

int score(int likelihood, int impact) { return likelihood * impact; }

Level levelOfScore(int score)
{
    if (score >= 20)
        return Level::Critical;
    if (score >= 10)
        return Level::High;
    if (score >= 5)
        return Level::Moderate;
    return Level::Low;
}

bool levelOf(int likelihood, int impact, Level &level)
{
    if (!isRating(likelihood) || !isRating(impact))
        return false;
    level = levelOfScore(score(likelihood, impact));
    return true;
}

QString levelName(Level level) { return QString::fromLatin1(levelTexts[std::size_t(level)]); }

bool levelFromName(const QString &name, Level &level)
{
    const int index = indexOf(levelTexts, name);
    if (index >= 0)
        level = Level(index);
    return index >= 0;
}

QStringList levelNames() { return names(levelTexts); }

QString responseName(Response response) { return QString::fromLatin1(responseTexts[std::size_t(response)]); }

bool responseFromName(const QString &name, Response &response)
{
    const int index = indexOf(responseTexts, name);
    if (index >= 0)
        response = Response(index);
    return index >= 0;
}

QStringList responseNames() { return names(responseTexts); }

} // namespace RiskScale
