// The flight instruments: altimeter with its setting knob, vertical speed, suction, airspeed and
// the whiskey compass.
//
// Reads: kAltitude, kAltimeterSetting, kVerticalSpeed, kSuction, kAirspeed, kCompass.
// Sends: kAltimeterSettingDec, kAltimeterSettingInc.
#include "gauges/gauge_headers.h"
#include "gauges/instrument_elements.h"
#include "gauges/sim_ids.h"
#include "gauges/switch_panel_actions.h"

namespace flight_instruments {
namespace {

using reading::atMost;
using reading::clampTo;
using reading::finiteOrZero;
using reading::ownValue;

// The altimeter's hands are angles (0 pointing right, clockwise, -90 up), one turn of the
// 100-foot hand per 1000 ft, of the 1000-foot hand per 10000 ft, of the 10000-foot hand per
// 100000 ft. The hands turn without end: an infinite height has no end to stop at and reads as 0.
FLOAT64 hundredsHand(PELEMENT element) {
  return (finiteOrZero(ownValue<ELEMENT_NEEDLE>(element)) - 250.0) * 0.36;
}

FLOAT64 thousandsHand(PELEMENT element) {
  return finiteOrZero(ownValue<ELEMENT_NEEDLE>(element)) * 0.036 - 90.0;
}

FLOAT64 tenThousandsHand(PELEMENT element) {
  return finiteOrZero(ownValue<ELEMENT_NEEDLE>(element)) * 0.0036 - 90.0;
}

// The drum and the compass card slide along one axis only.
FLOAT64 fixedAxis(PELEMENT) {
  return 1.0;
}

FLOAT64 pressureSetting(PELEMENT element) {
  return switch_panel::alongRangeY(
      element, reading::numberOrZero(
                   reinterpret_cast<ELEMENT_MOVING_IMAGE*>(element)->source_var_y.var_value.n));
}

// 1/256 metre per second to feet per minute: 60 x 3.28084 / 256.
FLOAT64 verticalSpeed(PELEMENT element) {
  return clampTo(ownValue<ELEMENT_NEEDLE>(element) * 0.7689468503937007, -4000.0, 4000.0);
}

FLOAT64 suction(PELEMENT element) {
  return atMost(ownValue<ELEMENT_NEEDLE>(element), 7.0);
}

FLOAT64 airspeed(PELEMENT element) {
  return atMost(ownValue<ELEMENT_NEEDLE>(element), 200.0);
}

// The card is read from behind: it slides the other way as the heading grows.
FLOAT64 compassCard(PELEMENT element) {
  const FLOAT64 x =
      360.0 - reading::numberOrZero(
                  reinterpret_cast<ELEMENT_MOVING_IMAGE*>(element)->source_var_x.var_value.n);
  return x >= 0.0 && x <= 360.0 ? x : 0.0;
}

template <ID32 Event>
int turnSettingKnob(PPIXPOINT, FLAGS32) {
  frame::triggerKeyEvent(Event, 0);
  PlaySound(SoundId::Click);
  return 0;
}

}  // namespace
}  // namespace flight_instruments

using build::next;
using namespace flight_instruments;

namespace ALT_gauge {
extern ELEMENT_MOVING_IMAGE drum;
extern ELEMENT_NEEDLE tenThousands, thousands, hundreds;
extern ELEMENT_STATIC_IMAGE knob, cap;
// The hands share the altitude token and their pivot on the dial; they jump to their angle.
constexpr ELEMENT_NEEDLE hand(SINT32 bitmap, PIXPOINT pivot, PELEMENT_CALLBACK angle,
                              PELEMENT_HEADER* nextList) {
  return build::needle(gauge_ALT,
                       {.bitmap = bitmap,
                        .at = {72, 74},
                        .pivot = pivot,
                        .source = tok::kAltitude,
                        .callback = angle,
                        .failures = failures::key20_action0,
                        .maxDegreesPerTick = 0.0},
                       nullptr, 0, nextList);
}
ELEMENT_STATIC_IMAGE background = build::dialBackground(110, gauge_ALT, nullptr, next<drum>);
ELEMENT_MOVING_IMAGE drum = build::verticalMovingImage(gauge_ALT,
                                                       {.bitmap = 115,
                                                        .at = {109, 61},
                                                        .sourceY = tok::kAltimeterSetting,
                                                        .minY = 27.99,
                                                        .maxY = 32.01,
                                                        .callbackX = fixedAxis,
                                                        .callbackY = pressureSetting},
                                                       next<tenThousands>);
ELEMENT_NEEDLE tenThousands = hand(113, {30, 5}, tenThousandsHand, next<thousands>);
ELEMENT_NEEDLE thousands = hand(112, {31, 6}, thousandsHand, next<hundreds>);
ELEMENT_NEEDLE hundreds = hand(111, {33, 4}, hundredsHand, next<knob>);
ELEMENT_STATIC_IMAGE knob = build::overlayImage(117, {9, 121}, gauge_ALT, next<cap>);
ELEMENT_STATIC_IMAGE cap = build::overlayImage(114, {67, 69}, gauge_ALT);
PELEMENT_HEADER elements[] = {&background.header, nullptr};
// The setting knob turns while held: its left half down, its right half up.
MOUSERECT mouse[] = {
    build::wholeGauge(0xAB07),
    build::child({9, 121, 14, 28}, CURSOR_DOWN_ARROW, switch_panel::kRepeatWhileHeld,
                 turnSettingKnob<evt::kAltimeterSettingDec>),
    build::child({23, 121, 14, 28}, CURSOR_UP_ARROW, switch_panel::kRepeatWhileHeld,
                 turnSettingKnob<evt::kAltimeterSettingInc>),
    build::endOfParent(),
    build::endOfList(),
};
}  // namespace ALT_gauge
// The altimeter also owns the module's sounds, from its install to its kill.
GAUGEHDR gauge_ALT =
    build::gaugeHeader("ALT", ALT_gauge::elements, ALT_gauge::mouse, SoundGaugeCallback);

namespace VSI_gauge {
extern ELEMENT_NEEDLE needle;
extern ELEMENT_STATIC_IMAGE cap;
NONLINEARITY table[] = {{{132, 69}, -4000, 0}, {{129, 86}, -3500, 0}, {{121, 104}, -3000, 0},
                        {{98, 124}, -2500, 0}, {{69, 131}, -2000, 0}, {{42, 124}, -1500, 0},
                        {{22, 108}, -1000, 0}, {{12, 90}, -500, 0},   {{8, 69}, 0, 0},
                        {{12, 46}, 500, 0},    {{22, 29}, 1000, 0},   {{42, 13}, 1500, 0},
                        {{69, 6}, 2000, 0},    {{97, 12}, 2500, 0},   {{121, 32}, 3000, 0},
                        {{129, 50}, 3500, 0},  {{132, 67}, 4000, 0}};
ELEMENT_STATIC_IMAGE background =
    build::dialBackground(119, gauge_VSI, failures::key20_action0, next<needle>);
ELEMENT_NEEDLE needle = build::needle(gauge_VSI,
                                      {.bitmap = 120,
                                       .at = {71, 71},
                                       .pivot = {34, 4},
                                       .source = tok::kVerticalSpeed,
                                       .callback = verticalSpeed,
                                       .failures = failures::key20_action0},
                                      table, next<cap>);
ELEMENT_STATIC_IMAGE cap = build::overlayImage(114, {66, 66}, gauge_VSI);
PELEMENT_HEADER elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {QTP_HELP_ONLY_MOUSE(0xAB76)};
}  // namespace VSI_gauge
GAUGEHDR gauge_VSI = build::gaugeHeader("VSI", VSI_gauge::elements, VSI_gauge::mouse);

namespace VAC_gauge {
extern ELEMENT_NEEDLE upperNeedle, lowerNeedle;
constexpr build::DialTable<6> kSuctionDial = {{{{8, 56}, 0, 0},
                                               {{20, 23}, 3, 0},
                                               {{41, 10}, 4, 0},
                                               {{67, 10}, 5, 0},
                                               {{88, 22}, 6, 0},
                                               {{96, 32}, 7, 0}}};
build::DialTable<6> upperTable = kSuctionDial;
build::DialTable<6> lowerTable = kSuctionDial;
ELEMENT_STATIC_IMAGE background =
    build::dialBackground(121, gauge_VAC, failures::key20_action2, next<upperNeedle>);
ELEMENT_NEEDLE upperNeedle = build::needle(gauge_VAC,
                                           {.bitmap = 123,
                                            .at = {55, 55},
                                            .pivot = {8, 7},
                                            .source = tok::kSuction,
                                            .callback = suction,
                                            .failures = failures::key20_action2,
                                            .flags = kImageFlags},
                                           upperTable, next<lowerNeedle>);
ELEMENT_NEEDLE lowerNeedle = build::needle(gauge_VAC,
                                           {.bitmap = 122,
                                            .at = {55, 55},
                                            .pivot = {8, 7},
                                            .source = tok::kSuction,
                                            .callback = suction,
                                            .failures = failures::key20_action2},
                                           lowerTable);
PELEMENT_HEADER elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {QTP_HELP_ONLY_MOUSE(0xAB66)};
}  // namespace VAC_gauge
GAUGEHDR gauge_VAC = build::gaugeHeader("VAC", VAC_gauge::elements, VAC_gauge::mouse);

namespace ASI_gauge {
extern ELEMENT_NEEDLE needle;
extern ELEMENT_STATIC_IMAGE cap;
NONLINEARITY table[] = {{{73, 11}, 0, 0},     {{92, 13}, 40, 0},   {{100, 22}, 50, 0},
                        {{109, 28}, 60, 0},   {{119, 39}, 70, 0},  {{126, 54}, 80, 0},
                        {{129, 71}, 90, 0},   {{127, 89}, 100, 0}, {{120, 105}, 110, 0},
                        {{106, 119}, 120, 0}, {{89, 127}, 130, 0}, {{70, 129}, 140, 0},
                        {{51, 125}, 150, 0},  {{31, 112}, 160, 0}, {{19, 89}, 170, 0},
                        {{18, 61}, 180, 0},   {{32, 34}, 190, 0},  {{57, 16}, 200, 0}};
ELEMENT_STATIC_IMAGE background =
    build::dialBackground(124, gauge_ASI, failures::key20_action0, next<needle>);
ELEMENT_NEEDLE needle = build::needle(gauge_ASI,
                                      {.bitmap = 120,
                                       .at = {71, 71},
                                       .pivot = {34, 4},
                                       .source = tok::kAirspeed,
                                       .callback = airspeed,
                                       .failures = failures::key20_action0},
                                      table, next<cap>);
ELEMENT_STATIC_IMAGE cap = build::overlayImage(114, {67, 67}, gauge_ASI);
PELEMENT_HEADER elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {QTP_HELP_ONLY_MOUSE(0xAB02)};
}  // namespace ASI_gauge
GAUGEHDR gauge_ASI = build::gaugeHeader("ASI", ASI_gauge::elements, ASI_gauge::mouse);

namespace WCMP_gauge {
extern ELEMENT_MOVING_IMAGE card;
ELEMENT_STATIC_IMAGE background =
    build::staticImage(129, {0, 0}, gauge_WCMP, kBackgroundFlags, nullptr, next<card>);
ELEMENT_MOVING_IMAGE card =
    build::acrossMovingImage(gauge_WCMP, {.bitmap = 130,
                                          .at = {5, 5},
                                          .sourceX = tok::kCompass,
                                          .minX = 0.0,
                                          .maxX = 360.0,
                                          .callbackX = compassCard,
                                          .callbackY = fixedAxis,
                                          .failures = failures::key12_action1});
PELEMENT_HEADER elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {QTP_HELP_ONLY_MOUSE(0xAB77)};
}  // namespace WCMP_gauge
GAUGEHDR gauge_WCMP = build::gaugeHeader("WCMP", WCMP_gauge::elements, WCMP_gauge::mouse);
