#pragma once
// The cockpit's status line: what a pilot glances at besides the panel, read from the aircraft's
// tokens in the units the gauges show.
#include <QString>

#include "panelhost/variable_store.h"

namespace panelhost {

// Altitude, airspeed, heading, vertical speed, engine speed, fuel on board and the simulated
// time flown, in German; a value that is no number shows as "–".
QString cockpitStatus(const VariableStore& vars, double simulatedSeconds, bool paused);

}  // namespace panelhost
