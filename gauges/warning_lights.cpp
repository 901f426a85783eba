// The warning strip and the gear lights of the circuit-breaker panel.
#include "gauges/gauge_builder.h"
#include "gauges/gauge_headers.h"

QTP_BACKGROUND_GAUGE(CBPL, 209, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0));
QTP_BACKGROUND_GAUGE(WARN, 321, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0));
