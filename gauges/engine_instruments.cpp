// The engine and airframe dials: tachometer, manifold pressure with fuel flow, the two fuel
// quantity gauges and the flap position indicator.
//
// Reads: kEngineSpeed, kEngineSpeedScale, kManifoldPressure, kFuelFlow, kLeftQuantity,
//   kLeftCapacity, kRightQuantity, kRightCapacity, kFlapPosition.
// Sends: nothing.
#include "gauges/gauge_headers.h"
#include "gauges/instrument_elements.h"
#include "gauges/sim_ids.h"

namespace engine_instruments {
namespace {

using reading::atMost;
using reading::clampTo;
using reading::ownValue;

// The engine speed token counts in units that its scale token sets: 65536 means revolutions per
// minute, 0 means the engine gives no reading.
MODULE_VAR engineSpeedScale = build::token(tok::kEngineSpeedScale);

MODULE_VAR leftQuantity = build::token(tok::kLeftQuantity);
MODULE_VAR leftCapacity = build::token(tok::kLeftCapacity);
MODULE_VAR rightQuantity = build::token(tok::kRightQuantity);
MODULE_VAR rightCapacity = build::token(tok::kRightCapacity);

FLOAT64 engineSpeed(PELEMENT element) {
  const FLOAT64 scale = frame::valueOf(engineSpeedScale) / 65536.0;
  return atMost(ownValue<ELEMENT_NEEDLE>(element) * scale, 3500.0);
}

FLOAT64 manifoldPressure(PELEMENT element) {
  return atMost(ownValue<ELEMENT_NEEDLE>(element) * 0.0009765625, 40.0);
}

FLOAT64 fuelFlow(PELEMENT element) {
  return atMost(ownValue<ELEMENT_NEEDLE>(element), 24.0);
}

// Percent of the tank's capacity; a tank without a capacity reads empty rather than full.
FLOAT64 fuelPercent(MODULE_VAR& quantity, MODULE_VAR& capacity) {
  if (!panelState.powered()) return 0.0;
  const FLOAT64 tank = frame::valueOf(capacity);
  const FLOAT64 fuel = frame::valueOf(quantity);
  if (!(tank > 0.0)) return 0.0;
  return clampTo(100.0 * fuel / tank, 0.0, 100.0);
}

FLOAT64 leftFuel(PELEMENT) {
  return fuelPercent(leftQuantity, leftCapacity);
}

FLOAT64 rightFuel(PELEMENT) {
  return fuelPercent(rightQuantity, rightCapacity);
}

// Flaps run from up (0) to full (16384); beyond that the dial's table holds the needle, so only
// the infinities need the ends.
constexpr FLOAT64 kFlapsFull = 16384.0;

FLOAT64 flapPosition(PELEMENT element) {
  return reading::finiteOr(ownValue<ELEMENT_NEEDLE>(element), 0.0, kFlapsFull);
}

}  // namespace
}  // namespace engine_instruments

using build::next;
using namespace engine_instruments;

namespace RPM_gauge {
extern ELEMENT_NEEDLE needle;
NONLINEARITY table[] = {{{26, 121}, 0, 0},    {{3, 87}, 500, 0},    {{7, 40}, 1000, 0},
                        {{40, 8}, 1500, 0},   {{88, 5}, 2000, 0},   {{125, 34}, 2500, 0},
                        {{133, 83}, 3000, 0}, {{104, 121}, 3500, 0}};
ELEMENT_STATIC_IMAGE background =
    build::dialBackground(101, gauge_RPM, failures::key20_action2, next<needle>);
ELEMENT_NEEDLE needle = build::needle(gauge_RPM,
                                      {.bitmap = 102,
                                       .at = {67, 67},
                                       .pivot = {21, 5},
                                       .source = tok::kEngineSpeed,
                                       .callback = engineSpeed,
                                       .failures = failures::key20_action2},
                                      table);
PELEMENT_HEADER elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {QTP_HELP_ONLY_MOUSE(0xAB58)};
}  // namespace RPM_gauge
GAUGEHDR gauge_RPM = build::gaugeHeader("RPM", RPM_gauge::elements, RPM_gauge::mouse);

namespace MAP_gauge {
extern ELEMENT_NEEDLE fuelFlowNeedle, pressureNeedle;
NONLINEARITY fuelFlowTable[] = {{{71, 3}, 0, 0},     {{107, 15}, 4, 0},  {{115, 20}, 6, 0},
                                {{122, 28}, 8, 0},   {{128, 37}, 10, 0}, {{132, 50}, 12, 0},
                                {{136, 65}, 14, 0},  {{135, 81}, 16, 0}, {{129, 99}, 18, 0},
                                {{116, 117}, 20, 0}, {{96, 130}, 22, 0}, {{69, 135}, 24, 0}};
NONLINEARITY pressureTable[] = {{{68, 135}, 0, 0}, {{63, 134}, 10, 0}, {{28, 120}, 15, 0},
                                {{6, 88}, 20, 0},  {{7, 47}, 25, 0},   {{29, 16}, 30, 0},
                                {{66, 2}, 35, 0},  {{71, 2}, 40, 0}};
ELEMENT_STATIC_IMAGE background =
    build::dialBackground(103, gauge_MAP, failures::key20_action2, next<fuelFlowNeedle>);
ELEMENT_NEEDLE fuelFlowNeedle = build::needle(gauge_MAP,
                                              {.bitmap = 104,
                                               .at = {70, 70},
                                               .pivot = {32, 9},
                                               .source = tok::kFuelFlow,
                                               .callback = fuelFlow,
                                               .failures = failures::key20_action2},
                                              fuelFlowTable, next<pressureNeedle>);
ELEMENT_NEEDLE pressureNeedle = build::needle(gauge_MAP,
                                              {.bitmap = 104,
                                               .at = {70, 70},
                                               .pivot = {32, 9},
                                               .source = tok::kManifoldPressure,
                                               .callback = manifoldPressure,
                                               .failures = failures::key20_action2},
                                              pressureTable);
PELEMENT_HEADER elements[] = {&background.header, nullptr};
// The whole gauge has no help of its own: each scale has its own.
MOUSERECT mouse[] = {build::wholeGauge(0), build::parent({3, 1, 75, 152}, 0xAB46),
                     build::endOfParent(), build::parent({78, 1, 75, 152}, 0xAB28),
                     build::endOfParent(), build::endOfParent(),
                     build::endOfList()};
}  // namespace MAP_gauge
GAUGEHDR gauge_MAP = build::gaugeHeader("MAP", MAP_gauge::elements, MAP_gauge::mouse);

constexpr build::DialTable<5> kFuelDial = {
    {{{9, 32}, 0, 0}, {{31, 20}, 25, 0}, {{43, 17}, 50, 0}, {{62, 22}, 75, 0}, {{77, 32}, 100, 0}}};

// The two fuel gauges share their dial and needle bitmaps; each has its own records and tank.
// The cover sits over the needle's hub.
#define QTP_FUEL_GAUGE(NAME, CALLBACK, HELP)                                             \
  namespace NAME##_gauge {                                                               \
    extern ELEMENT_NEEDLE needle;                                                        \
    extern ELEMENT_STATIC_IMAGE cover;                                                   \
    build::DialTable<5> table = kFuelDial;                                               \
    ELEMENT_STATIC_IMAGE background =                                                    \
        build::dialBackground(105, gauge_##NAME, failures::key20_action2, next<needle>); \
    ELEMENT_NEEDLE needle = build::needle(gauge_##NAME,                                  \
                                          {.bitmap = 107,                                \
                                           .at = {43, 58},                               \
                                           .pivot = {10, 4},                             \
                                           .callback = CALLBACK,                         \
                                           .failures = failures::key20_action2},         \
                                          table, next<cover>);                           \
    ELEMENT_STATIC_IMAGE cover = build::overlayImage(106, {23, 50}, gauge_##NAME);       \
    PELEMENT_HEADER elements[] = {&background.header, nullptr};                          \
    MOUSERECT mouse[] = {QTP_HELP_ONLY_MOUSE(HELP)};                                     \
  }                                                                                      \
  GAUGEHDR gauge_##NAME = build::gaugeHeader(#NAME, NAME##_gauge::elements, NAME##_gauge::mouse)

QTP_FUEL_GAUGE(FL1, leftFuel, 0xAB29);
QTP_FUEL_GAUGE(FL2, rightFuel, 0xAB2A);

namespace FLID_gauge {
extern ELEMENT_NEEDLE needle;
NONLINEARITY table[] = {{{61, 18}, 0, 0}, {{69, 44}, 8190, 0}, {{60, 60}, 16384, 0}};
ELEMENT_STATIC_IMAGE background =
    build::dialBackground(108, gauge_FLID, failures::key20_action2, next<needle>);
ELEMENT_NEEDLE needle = build::needle(gauge_FLID,
                                      {.bitmap = 107,
                                       .at = {16, 39},
                                       .pivot = {0, 4},
                                       .source = tok::kFlapPosition,
                                       .callback = flapPosition,
                                       .failures = failures::key20_action2},
                                      table);
PELEMENT_HEADER elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {QTP_HELP_ONLY_MOUSE(0xAB24)};
}  // namespace FLID_gauge
GAUGEHDR gauge_FLID = build::gaugeHeader("FLID", FLID_gauge::elements, FLID_gauge::mouse);
