#pragma once

#include <vector>

#include "core/references/ReferenceTable.h"

// The tables behind ReferenceTable, one list per group of items.
namespace ReferenceParts {

// Items 1 to 23 (§ 164.308) and 24 to 47.
std::vector<ReferenceTable::Source> administrativeReferences();
std::vector<ReferenceTable::Source> otherReferences();
// Items 34 to 42 (§ 164.312).
std::vector<ReferenceTable::Source> technicalReferences();

} // namespace ReferenceParts
