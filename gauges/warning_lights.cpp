// The warning strip and the gear lights of the circuit-breaker panel.
//
// So far only the backgrounds, which read and send nothing. Built out, the group reads:
// kWarning, kEngineSpeed, kThrottle, kOnGround, kGearHandle, kNoseGear, kLeftGear, kRightGear;
// sends nothing.
#include "gauges/gauge_builder.h"
#include "gauges/gauge_headers.h"

QTP_BACKGROUND_GAUGE(CBPL, 209, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0));
QTP_BACKGROUND_GAUGE(WARN, 321, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0));
