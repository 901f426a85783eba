// The warning strip and the gear lights of the circuit-breaker panel.
//
// Reads: kWarning, kEngineSpeed, kThrottle, kOnGround, kGearHandle, kNoseGear, kLeftGear,
//   kRightGear.
// Sends: nothing.
#include "gauges/gauge_headers.h"
#include "gauges/gear_lights.h"
#include "gauges/nav_readings.h"
#include "gauges/sim_ids.h"

namespace warning_strip {
namespace {

MODULE_VAR engineSpeed = build::token(tok::kEngineSpeed);

FLOAT64 lit(bool on) {
  return on ? 1.0 : -1.0;
}

// Low voltage: the battery carries the bus with the engine stopped, or with the alternator off.
FLOAT64 lowVoltage(PELEMENT) {
  const FLOAT64 rpm = frame::valueOf(engineSpeed);
  return lit(panelState.battery != 0 && (rpm < 1.0 || (rpm > 1.0 && panelState.alternator == 0)));
}

FLOAT64 starterEngaged(PELEMENT) {
  return lit(panelState.starter == 1);
}

FLOAT64 simulatorWarning(PELEMENT element) {
  return lit(reading::ownInteger(element) != 0 && panelState.battery != 0);
}

gear_lights::TransitLight transitLight;

FLOAT64 inTransit(PELEMENT element) {
  return transitLight.lamp(reading::ownValue<ELEMENT_ICON>(element));
}

}  // namespace
}  // namespace warning_strip

using build::next;
using namespace warning_strip;

namespace WARN_gauge {
extern ELEMENT_ICON warningLamp, starterLamp, voltageLamp;

ELEMENT_STATIC_IMAGE background =
    build::staticImage(321, {0, 0}, gauge_WARN, kBackgroundFlags, nullptr, next<warningLamp>);
ELEMENT_ICON warningLamp = build::icon(
    gauge_WARN, build::lamp(322, {149, 6}, tok::kWarning, simulatorWarning), next<starterLamp>);
ELEMENT_ICON starterLamp =
    build::icon(gauge_WARN, build::lamp(322, {54, 6}, 0, starterEngaged), next<voltageLamp>);
ELEMENT_ICON voltageLamp = build::icon(gauge_WARN, build::lamp(322, {7, 6}, 0, lowVoltage));

PELEMENT_HEADER elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {QTP_HELP_ONLY_MOUSE(0)};
}  // namespace WARN_gauge

GAUGEHDR gauge_WARN = build::gaugeHeader("WARN", WARN_gauge::elements, WARN_gauge::mouse);

namespace CBPL_gauge {
using namespace gear_lights;

extern ELEMENT_STATIC_IMAGE overlay;
extern ELEMENT_ICON rightLamp, noseLamp, leftLamp, transitLamp;

// The overlay carries the labels LDG GR, INTRANSIT, NOSE, LEFT and RIGHT.
ELEMENT_STATIC_IMAGE background =
    build::staticImage(209, {0, 0}, gauge_CBPL, kBackgroundFlags, nullptr, next<overlay>);
ELEMENT_STATIC_IMAGE overlay = build::staticImage(212, {0, 0}, gauge_CBPL, kMovingImageFlags,
                                                  failures::key20_action2, next<rightLamp>);
ELEMENT_ICON rightLamp =
    build::icon(gauge_CBPL, build::lamp(210, {54, 78}, tok::kRightGear, legLightOf<kRightLegDown>),
                next<noseLamp>);
ELEMENT_ICON noseLamp =
    build::icon(gauge_CBPL, build::lamp(210, {36, 44}, tok::kNoseGear, legLightOf<kNoseLegDown>),
                next<leftLamp>);
ELEMENT_ICON leftLamp =
    build::icon(gauge_CBPL, build::lamp(210, {17, 78}, tok::kLeftGear, legLightOf<kLeftLegDown>),
                next<transitLamp>);
ELEMENT_ICON transitLamp =
    build::icon(gauge_CBPL, build::lamp(211, {36, 10}, tok::kNoseGear, inTransit));

PELEMENT_HEADER elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {QTP_HELP_ONLY_MOUSE(0)};
}  // namespace CBPL_gauge

GAUGEHDR gauge_CBPL = build::gaugeHeader("CBPL", CBPL_gauge::elements, CBPL_gauge::mouse);
