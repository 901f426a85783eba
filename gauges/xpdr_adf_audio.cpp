// The transponder, the ADF receiver and the audio panel.
#include "gauges/gauge_builder.h"
#include "gauges/gauge_headers.h"

QTP_BACKGROUND_GAUGE(XPDR, 236, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xA70A));
QTP_BACKGROUND_GAUGE(ADF, 256, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xA709));
QTP_BACKGROUND_GAUGE(AUDP, 262, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0));
