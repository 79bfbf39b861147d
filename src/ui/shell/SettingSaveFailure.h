#pragma once

#include "core/files/Outcome.h"

// Tells the user when a display setting could not be saved: it holds until the program ends. Silent for
// a workbook opened read-only.
void tellIfSettingNotSaved(const Outcome &saved);
