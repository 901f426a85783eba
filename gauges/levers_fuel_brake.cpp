// The engine levers, the fuel selector and the parking brake.
//
// So far only the backgrounds, which read and send nothing. Built out, the group reads:
// kThrottle, kPropeller, kMixture, kFuelSelector, kParkingBrake; sends: kThrottleSet,
// kPropellerSet, kMixtureSet, kFuelSelectorOff, kFuelSelectorLeft, kFuelSelectorRight,
// kParkingBrakeSet, kBrakes.
#include "gauges/gauge_builder.h"
#include "gauges/gauge_headers.h"

QTP_BACKGROUND_GAUGE(THR2, 227, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xAB6C));
QTP_BACKGROUND_GAUGE(THR3, 229, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xAB6A));
QTP_BACKGROUND_GAUGE(THR4, 231, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xAB6B));
QTP_BACKGROUND_GAUGE(THR5, 278, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0));
QTP_BACKGROUND_GAUGE(FSEL, 213, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xAB2D));
QTP_BACKGROUND_GAUGE(PBRK, 319, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xAB51));
