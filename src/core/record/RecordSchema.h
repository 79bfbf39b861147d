#pragma once

#include <QStringList>
#include <span>

// The compliance record's tables, built by an ordered list of steps. Step n brings a database from
// version n - 1 to version n (PRAGMA user_version); a step once shipped is never changed, a feature
// that needs more tables appends its own step to the list in RecordSchema.cpp.
namespace RecordSchema {

struct Step {
    const char *purpose;
    QStringList statements;
};

std::span<const Step> steps();
// The version a database has once every step ran.
int currentVersion();

} // namespace RecordSchema
