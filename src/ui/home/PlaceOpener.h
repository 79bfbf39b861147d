#pragma once

#include <functional>

#include "core/home/Place.h"

class AreaWindow;

// Takes an area window to a place: the reader's page, a work area category or item view, the to-do row,
// and selects the place's words there.
namespace PlaceOpener {

// The area window (1, 2 or 3) a place lies in; 0 for one no window shows.
int areaOf(const Place &place);
// Goes to the place in a window of that area that has had its first activation.
void goTo(AreaWindow &window, const Place &place);

} // namespace PlaceOpener
