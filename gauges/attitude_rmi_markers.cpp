// The attitude indicator, the RMI with its source switch and the marker lights.
//
// So far only the backgrounds, which read and send nothing. Built out, the group reads: kPitch,
// kBank, kSuction, kHeading, kNav1Radial, kNav1Flags, kNav1Signal, kNav2Flags, kNav2Signal,
// kNav2Bearing, kAdfSignal, kAdfBearing, kWarning, kMarkerBeacon; sends nothing.
#include "gauges/gauge_builder.h"
#include "gauges/gauge_headers.h"

QTP_BACKGROUND_GAUGE(ADI, 163, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xAB0D));
QTP_BACKGROUND_GAUGE(RMI, 152, kBackgroundFlags, failures::key20_action2, nullptr,
                     QTP_HELP_ONLY_MOUSE(0xAB5A));
QTP_BACKGROUND_GAUGE(RMSW, 160, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0));
QTP_BACKGROUND_GAUGE(OMI, 170, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xAB50));
