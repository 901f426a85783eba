// The round flight and engine instruments.
#include "gauges/gauge_builder.h"
#include "gauges/gauge_headers.h"
#include "gauges/sound/sound_engine.h"

QTP_BACKGROUND_GAUGE(RPM, 101, kDialBackgroundFlags, failures::key20_action2, nullptr,
                     QTP_HELP_ONLY_MOUSE(0xAB58));
QTP_BACKGROUND_GAUGE(MAP, 103, kDialBackgroundFlags, failures::key20_action2, nullptr,
                     build::wholeGauge(0), build::parent({3, 1, 75, 152}, 0xAB46),
                     build::endOfParent(), build::parent({78, 1, 75, 152}, 0xAB28),
                     build::endOfParent(), build::endOfParent(), build::endOfList());
QTP_BACKGROUND_GAUGE(FL1, 105, kDialBackgroundFlags, failures::key20_action2, nullptr,
                     QTP_HELP_ONLY_MOUSE(0xAB29));
QTP_BACKGROUND_GAUGE(FL2, 105, kDialBackgroundFlags, failures::key20_action2, nullptr,
                     QTP_HELP_ONLY_MOUSE(0xAB2A));
QTP_BACKGROUND_GAUGE(FLID, 108, kDialBackgroundFlags, failures::key20_action2, nullptr,
                     QTP_HELP_ONLY_MOUSE(0xAB24));
QTP_BACKGROUND_GAUGE(ALT, 110, kDialBackgroundFlags, nullptr, SoundGaugeCallback,
                     QTP_HELP_ONLY_MOUSE(0xAB07));
QTP_BACKGROUND_GAUGE(VSI, 119, kDialBackgroundFlags, failures::key20_action0, nullptr,
                     QTP_HELP_ONLY_MOUSE(0xAB76));
QTP_BACKGROUND_GAUGE(VAC, 121, kDialBackgroundFlags, failures::key20_action2, nullptr,
                     QTP_HELP_ONLY_MOUSE(0xAB66));
QTP_BACKGROUND_GAUGE(ASI, 124, kDialBackgroundFlags, failures::key20_action0, nullptr,
                     QTP_HELP_ONLY_MOUSE(0xAB02));
QTP_BACKGROUND_GAUGE(TURN, 125, kDialBackgroundFlags, nullptr, nullptr,
                     QTP_HELP_ONLY_MOUSE(0xAB71));
QTP_BACKGROUND_GAUGE(WCMP, 129, kBackgroundFlags, nullptr, nullptr, QTP_HELP_ONLY_MOUSE(0xAB77));
QTP_BACKGROUND_GAUGE(ENG, 132, kDialBackgroundFlags, failures::key20_action2, nullptr,
                     build::wholeGauge(0), build::parent({3, 2, 63, 46}, 0xAB15),
                     build::endOfParent(), build::parent({69, 2, 63, 46}, 0xAB4F),
                     build::endOfParent(), build::parent({3, 67, 63, 46}, 0xAB0B),
                     build::endOfParent(), build::parent({69, 67, 63, 46}, 0xAB4E),
                     build::endOfParent(), build::endOfParent(), build::endOfList());
