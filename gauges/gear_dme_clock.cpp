// The gear panel, the DME and the clock.
#include "gauges/gauge_builder.h"
#include "gauges/gauge_headers.h"

QTP_BACKGROUND_GAUGE(GEAR, 137, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xAB30));
QTP_BACKGROUND_GAUGE(DME, 143, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xA704));
QTP_BACKGROUND_GAUGE(CLK, 169, kBrightBackgroundFlags, nullptr, nullptr,
                     QTP_HELP_ONLY_MOUSE(0xAB16));
