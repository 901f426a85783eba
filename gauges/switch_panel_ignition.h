#pragma once
// The ignition key of the switch panel (OFF, R, L, BOTH, START) and the engine start that it
// runs: a dry crank, or a start when the engine was primed by the auxiliary fuel pump, and the
// run-down that ends the engine-speed latch.
#include "gauges/panel_records.h"

namespace switch_panel {

// The key's element callback, once per update: advances the crank, start and run-down
// counters and returns the image (the simulator's magneto position while the engine turns,
// else the key position).
FLOAT64 ignitionKeyImage(PELEMENT element);
int ignitionKeyDown(PPIXPOINT point, FLAGS32 mouseFlags);
int ignitionKeyUp(PPIXPOINT point, FLAGS32 mouseFlags);

}  // namespace switch_panel
