#pragma once
// Walking a gauge's element chain by depth, and hiding or showing the element found there.
#include "gauges/panel_records.h"

namespace frame {

// The element reached from `start` by following the first next-element entry `depth` times
// (0 is `start`), or null when a list is missing on the way or the depth is negative.
PELEMENT_HEADER elementAtDepth(PELEMENT_HEADER start, int depth);
// Set (hide) or clear (show) `bits` in that element's image flags; nothing when there is none.
void hideAtDepth(PELEMENT_HEADER start, int depth, FLAGS32 bits = IMAGE_HIDDEN);
void showAtDepth(PELEMENT_HEADER start, int depth, FLAGS32 bits = IMAGE_HIDDEN);
// A run of `count` lights kept twice, a lit copy from depth `lit` on and a dark one from depth
// `dark` on: shows the lit copy and hides the dark one while `on`, the other way round if not.
void showLitOrDark(PELEMENT_HEADER start, bool on, int lit, int dark, int count);

}  // namespace frame
