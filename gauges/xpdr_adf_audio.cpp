// The transponder, the ADF receiver and the audio panel.
//
// So far only the backgrounds, which read and send nothing. Built out, the group reads:
// kTransponderCode, kAdfFrequency, kAdfExtension, kAdfTenthsTunable, kMarkerBeacon; sends:
// kTransponderThousandsInc, kTransponderHundredsInc, kTransponderTensInc, kTransponderUnitsInc,
// kAdfExtensionSet, kAdfFrequencySet, kAdfIdentOn, kAdfIdentOff.
#include "gauges/gauge_builder.h"
#include "gauges/gauge_headers.h"

QTP_BACKGROUND_GAUGE(XPDR, 236, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xA70A));
QTP_BACKGROUND_GAUGE(ADF, 256, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xA709));
QTP_BACKGROUND_GAUGE(AUDP, 262, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0));
