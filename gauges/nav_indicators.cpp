// The HSI and the second course deviation indicator.
//
// So far only the backgrounds, which read and send nothing. Built out, the group reads:
// kHeading, kHeadingMarker, kNav1Course, kNav1Deviation, kNav1ToFrom, kNav1Flags, kNav1Signal,
// kNav1Frequency, kGlideSlopeDeviation, kGlideSlopeValid, kWarning, kNav2Course, kNav2Deviation,
// kNav2ToFrom; sends: kHeadingMarkerDec, kHeadingMarkerInc, kNav1CourseDec, kNav1CourseInc,
// kNav2CourseDec, kNav2CourseInc.
#include "gauges/gauge_builder.h"
#include "gauges/gauge_headers.h"

QTP_BACKGROUND_GAUGE(HSI, 178, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xAB36));
QTP_BACKGROUND_GAUGE(CDI2, 202, kBackgroundFlags, failures::key20_action2, nullptr,
                     QTP_HELP_ONLY_MOUSE(0xAB74));
