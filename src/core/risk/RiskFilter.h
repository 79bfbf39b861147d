#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>

#include "core/risk/Risk.h"


// Which risks the register shows: by level, asset, threat, owner, status and heat map cell. An empty
// text or an unset value lets every risk through.
struct RiskFilter {
    enum class Status { Any, Open, Closed };
    // The level filter's choice for High and Critical together, after the four levels.
    static constexpr char HighOrCritical[] = "High or Critical";

    std::optional<RiskScale::Level> level;
    bool levelOrAbove = false; // `level` and every level above it
    QString asset;
    QString threat;
    QString owner;
    Status status = Status::Any;
    int likelihood = 0; // the heat map cell; 0 for none
    int impact = 0;

    bool hasCell() const { return likelihood > 0 && impact > 0; }
    // Whether the risk passes; the heat map counts with `withCell` false.
    bool matches(const Risk &risk, bool withCell = true) const;
};

// The count of risks in each cell of likelihood by impact.
class RiskHeatCounts
{
public:
    RiskHeatCounts() { m_counts.fill(0); }
    // The risks passing `filter`, its cell aside.
    static RiskHeatCounts of(const QList<Risk> &risks, const RiskFilter &filter);

    int count(int likelihood, int impact) const;
    int total() const;

private:
    std::array<int, 25> m_counts;
};
