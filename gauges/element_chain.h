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

}  // namespace frame
