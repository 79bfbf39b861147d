#pragma once

#include "core/home/Place.h"

class QWidget;

// Opens the windows of the compliance record a place lies in (the decision register, the reviews due,
// the risk register) over `parent`, at the place's row and with its filter.
namespace RegisterOpener {

// Whether the place lies in one of those windows.
bool isRegister(const Place &place);
// The window opened (deleted when closed), or null when the place lies in none or the record is not open.
QWidget *open(const Place &place, QWidget *parent);

} // namespace RegisterOpener
