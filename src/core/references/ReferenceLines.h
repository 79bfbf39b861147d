#pragma once

#include <initializer_list>

#include "core/references/ReferenceTable.h"
#include "core/rule/RuleData.h"

// Shorthands for writing the tables of built texts.
namespace ReferenceLines {

using ReferenceTable::Line;
using ReferenceTable::Source;

inline const Line S308 = ReferenceTable::text(RuleData::S308);
inline const Line S310 = ReferenceTable::text(RuleData::S310);
inline const Line S312 = ReferenceTable::text(RuleData::S312);
inline const Line S316 = ReferenceTable::text(RuleData::S316);
inline const Line O1 = ReferenceTable::text(RuleData::O1);
inline const Line O2 = ReferenceTable::text(RuleData::O2);
inline const Line I1 = ReferenceTable::text(RuleData::I1);
inline const Line I2 = ReferenceTable::text(RuleData::I2);

// The lines of several groups, in order.
std::vector<Line> join(std::initializer_list<std::vector<Line>> groups);

inline Source built(std::vector<Line> lines, const char *phrase) { return {nullptr, std::move(lines), phrase}; }
inline Source file(const char *name) { return {name, {}, ""}; }

} // namespace ReferenceLines
