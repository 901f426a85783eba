// The landing-gear panel: the gear handle, a green light per leg and the red transit light.
//
// Reads: kGearHandle, kNoseGear, kLeftGear, kRightGear, kThrottle, kOnGround.
// Sends: kGearToggle.
#include "gauges/gauge_headers.h"
#include "gauges/gear_lights.h"
#include "gauges/sim_ids.h"
#include "gauges/switch_panel_actions.h"

namespace gear_panel {
namespace {

gear_lights::TransitLight transitLight;

FLOAT64 handleImage(PELEMENT element) {
  return reading::ownValue<ELEMENT_ICON>(element) <= 0.0 ? 0.0 : 1.0;
}

FLOAT64 warningLight(PELEMENT element) {
  return transitLight.lamp(reading::ownValue<ELEMENT_ICON>(element));
}

int moveGearHandle(PPIXPOINT, FLAGS32) {
  frame::triggerKeyEvent(evt::kGearToggle, 1);
  PlaySound(SoundId::Gear);
  return 0;
}

}  // namespace
}  // namespace gear_panel

using build::next;
using switch_panel::kSingleClick;

namespace GEAR_gauge {
using namespace gear_panel;
using namespace gear_lights;

extern ELEMENT_ICON handle, rightLight, noseLight, leftLight, warning;

ELEMENT_STATIC_IMAGE background =
    build::staticImage(137, {0, 0}, gauge_GEAR, kBackgroundFlags, nullptr, next<handle>);
ELEMENT_ICON handle = build::icon(
    gauge_GEAR,
    {.bitmap = 138, .at = {61, -22}, .source = tok::kGearHandle, .callback = handleImage},
    next<rightLight>);
ELEMENT_ICON rightLight =
    build::icon(gauge_GEAR, build::lamp(140, {41, 71}, tok::kRightGear, legLightOf<kRightLegDown>),
                next<noseLight>);
ELEMENT_ICON noseLight =
    build::icon(gauge_GEAR, build::lamp(140, {23, 37}, tok::kNoseGear, legLightOf<kNoseLegDown>),
                next<leftLight>);
ELEMENT_ICON leftLight = build::icon(
    gauge_GEAR, build::lamp(140, {4, 71}, tok::kLeftGear, legLightOf<kLeftLegDown>), next<warning>);
ELEMENT_ICON warning = build::icon(gauge_GEAR, {.bitmap = 141,
                                                .images = 1,
                                                .at = {23, 3},
                                                .source = tok::kNoseGear,
                                                .callback = warningLight,
                                                .flags = kLampFlags});

PELEMENT_HEADER elements[] = {&background.header, nullptr};

MOUSERECT mouse[] = {
    build::wholeGauge(0xAB30),
    build::child({61, -22, 47, 103}, CURSOR_HAND, kSingleClick, moveGearHandle),
    build::endOfParent(),
    build::endOfList(),
};

}  // namespace GEAR_gauge

GAUGEHDR gauge_GEAR = build::gaugeHeader("GEAR", GEAR_gauge::elements, GEAR_gauge::mouse);
