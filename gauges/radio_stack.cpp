// The COM and NAV radios.
#include "gauges/gauge_builder.h"
#include "gauges/gauge_headers.h"

QTP_BACKGROUND_GAUGE(COM1, 280, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xA701));
QTP_BACKGROUND_GAUGE(COM2, 290, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xA703));
QTP_BACKGROUND_GAUGE(NAV1, 292, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xA700));
QTP_BACKGROUND_GAUGE(NAV2, 294, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xA702));
