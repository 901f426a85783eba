#pragma once
// Needle angles: degrees, 0 pointing right, clockwise positive (screen y grows downwards).
#include <optional>

#include "gauges/panel_records.h"

namespace panelhost {

// Fills each entry's degrees with the direction from the pivot to the entry's dial point,
// unwrapped so that consecutive entries never jump by more than half a turn.
void fillNonlinearityDegrees(NONLINEARITY* table, UINT32 size, PIXPOINT pivot);

// The angle for a drawing value: through the table when there is one (values beyond its ends
// stay at the ends), else the value itself is the angle. Nothing for a value that is not a
// number or an infinite angle.
std::optional<double> needleTarget(const NONLINEARITY* table, UINT32 size, double value);

// Moves from `current` towards `target` by at most `maxPerTick` degrees (0: at once).
double limitNeedleStep(double current, double target, double maxPerTick);

}  // namespace panelhost
