// The switch panel, the pedestal panel, the avionics master and the toggle switches.
#include "gauges/gauge_builder.h"
#include "gauges/gauge_headers.h"

QTP_BACKGROUND_GAUGE(SWIT, 296, kBackgroundFlags, nullptr, nullptr, build::wholeGauge(0),
                     build::parent({0, 20, 104, 70}, 0xAB45), build::endOfParent(),
                     build::parent({732, 14, 56, 88}, 0xAB17), build::endOfParent(),
                     build::parent({655, 12, 34, 86}, 0xAB53), build::endOfParent(),
                     build::endOfParent(), build::endOfList());
QTP_BACKGROUND_GAUGE(THR1, 220, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0));
QTP_BACKGROUND_GAUGE(AVMA, 233, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xAB0F));
QTP_BACKGROUND_GAUGE(TOG2, 191, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0));
QTP_BACKGROUND_GAUGE(TOG3, 193, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0));
QTP_BACKGROUND_GAUGE(TOG4, 195, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0));
QTP_BACKGROUND_GAUGE(TOG5, 197, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0));
QTP_BACKGROUND_GAUGE(TOG6, 200, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0));
