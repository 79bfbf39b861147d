#pragma once

#include <QList>
#include <QMap>

#include "core/record/Decisions.h"
#include "core/risk/Risk.h"
#include "core/search/SearchIndex.h"

class RecordDatabase;

// What the compliance record gives the search: each Addressable decision with its reasons and measure,
// each risk with its asset, threat, vulnerability, measure and owner. Read where the record is open (its
// connection belongs to that thread), then put into the index.
namespace RecordSearch {

inline constexpr char decisionsGroup[] = "Addressable decisions";
inline constexpr char risksGroup[] = "Risk register";
// Keys start with these, so that each part is replaced whole.
inline constexpr char decisionPrefix[] = "decision ";
inline constexpr char riskPrefix[] = "risk ";

QList<SearchDocument> decisions(const QMap<int, Decision> &current);
QList<SearchDocument> risks(const QList<Risk> &risks);

// The same read from `record`; nothing when there is none or it cannot be read.
QList<SearchDocument> decisions(RecordDatabase *record);
QList<SearchDocument> risks(RecordDatabase *record);

} // namespace RecordSearch
