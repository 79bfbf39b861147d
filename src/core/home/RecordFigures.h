#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <functional>

#include "core/home/DashboardModel.h"
#include "core/record/Decisions.h"
#include "core/record/Reviews.h"
#include "core/risk/Risk.h"
#include "core/risk/RiskFilter.h"

class RecordDatabase;

// The figures the compliance record gives: Addressable items without a decision, reviews overdue and
// due within 30 days, open risks rated High or Critical.
namespace RecordFigures {

inline constexpr char undecidedCaption[] = "Addressable items without a decision";
inline constexpr char overdueCaption[] = "Reviews overdue";
inline constexpr char dueSoonCaption[] = "Reviews due within 30 days";
inline constexpr char highRisksCaption[] = "Open High or Critical risks";
// The register filters the figures open with.
inline constexpr char undecidedFilter[] = "Undecided";
inline constexpr const char *highRisksFilter = RiskFilter::HighOrCritical;

QList<Figure> decisionFigures(const QMap<int, Decision> &current);
// `due` as Reviews::due() lists it on `today`.
QList<Figure> reviewFigures(const QList<ReviewState> &due, QDate today);
QList<Figure> riskFigures(const QList<Risk> &risks);

// The sources over the record `record()` gives at each refresh: none yet counts as an empty record.
void addTo(DashboardModel &model, std::function<RecordDatabase *()> record, std::function<QDate()> today);

} // namespace RecordFigures
