// The gear panel, the DME and the clock.
//
// So far only the backgrounds, which read and send nothing. Built out, the group reads:
// kGearHandle, kNoseGear, kLeftGear, kRightGear, kThrottle, kOnGround, kNav1DmeDistance,
// kNav1DmeSpeed, kNav2DmeDistance, kNav2DmeSpeed, kClockHour, kClockMinute, kClockSecond,
// kLocalHour, kLocalMinute; sends: kGearToggle.
#include "gauges/gauge_builder.h"
#include "gauges/gauge_headers.h"

QTP_BACKGROUND_GAUGE(GEAR, 137, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xAB30));
QTP_BACKGROUND_GAUGE(DME, 143, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xA704));
QTP_BACKGROUND_GAUGE(CLK, 169, kBrightBackgroundFlags, nullptr, nullptr,
                     QTP_HELP_ONLY_MOUSE(0xAB16));
