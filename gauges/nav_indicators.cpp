// The HSI and the second course deviation indicator.
#include "gauges/gauge_builder.h"
#include "gauges/gauge_headers.h"

QTP_BACKGROUND_GAUGE(HSI, 178, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xAB36));
QTP_BACKGROUND_GAUGE(CDI2, 202, kBackgroundFlags, failures::key20_action2, nullptr,
                     QTP_HELP_ONLY_MOUSE(0xAB74));
