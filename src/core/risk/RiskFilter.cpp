#include "core/risk/RiskFilter.h"

#include <QList>
#include <numeric>

bool RiskFilter::matches(const Risk &risk, bool withCell) const
{
    if (level && (levelOrAbove ? risk.level() < *level : risk.level() != *level))
        return false;
    if (!asset.isEmpty() && risk.asset != asset)
        return false;
    if (!threat.isEmpty() && risk.threat != threat)
        return false;
    if (!owner.isEmpty() && risk.owner != owner)
        return false;
    if ((status == Status::Open && !risk.open) || (status == Status::Closed && risk.open))
        return false;
    return !withCell || !hasCell() || (risk.rating.likelihood == likelihood && risk.rating.impact == impact);
}

RiskHeatCounts RiskHeatCounts::of(const QList<Risk> &risks, const RiskFilter &filter)
{
    RiskHeatCounts counts;
    for (const Risk &risk : risks)
        if (RiskScale::isRating(risk.rating.likelihood) && RiskScale::isRating(risk.rating.impact) &&
            filter.matches(risk, false))
            ++counts.m_counts[std::size_t((risk.rating.likelihood - 1) * 5 + risk.rating.impact - 1)];
    return counts;
}

int RiskHeatCounts::count(int likelihood, int impact) const
{
    if (!RiskScale::isRating(likelihood) || !RiskScale::isRating(impact))
        return 0;
    return m_counts[std::size_t((likelihood - 1) * 5 + impact - 1)];
}

int RiskHeatCounts::total() const { return std::accumulate(m_counts.begin(), m_counts.end(), 0); }
