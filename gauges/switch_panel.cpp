// The lower switch panel: the electrical switches that keep the panel's power flags, the
// lights, the ignition key, cowl flaps, flaps, elevator tab and the panel-light levers.
//
// Reads: kBatteryMaster, kAlternator, kMagnetos, kCowlFlaps, kFlapHandle, kElevatorTrim,
//   kLandingLight, kTaxiLight, kNavigationLights, kBeacon, kStrobes, kPropDeIce, kPitotHeat.
// Sends: kBatteryMasterToggle, kAlternatorToggle, kLandingLightToggle, kTaxiLightToggle,
//   kNavigationLightsToggle, kBeaconToggle, kStrobesToggle, kPropDeIceToggle, kPitotHeatToggle,
//   kFlapsUp, kFlapsDown, kCowlFlapsClose, kCowlFlapsOpen, kElevatorTrimDown, kElevatorTrimUp,
//   kPanelLightsOn, kPanelLightsOff.
#include <algorithm>
#include <cmath>

#include "gauges/gauge_headers.h"
#include "gauges/panel_state.h"
#include "gauges/sim_ids.h"
#include "gauges/switch_panel_actions.h"
#include "gauges/switch_panel_elements.h"
#include "gauges/switch_panel_ignition.h"

namespace switch_panel {
namespace {

// The highest flap handle position the simulator reports, and the image per position unit
// (3/16383: full flaps give index 3 of the three images, which the host draws as the last).
constexpr SINT32 kFlapsFull = 16383;
constexpr FLOAT64 kFlapImagePerUnit = 0.00018311664530305805;
constexpr SINT32 kLeverTop = 5;

SINT32 flapPosition = 0;
SINT32 leverA = 0;  // panel lights INST
SINT32 leverB = 0;  // panel lights RADIO & ENG
SINT32 ventBlower = 0;

// The hum of the electrical system plays while the battery is on, or the alternator charges
// with the engine running, and stops once battery and alternator are both off.
FLOAT64 batterySwitchImage(PELEMENT element) {
  const FLOAT64 value = ownSourceValue(element, &ELEMENT_ICON::source_var);
  panelState.battery = truncateToInt32(value);
  if (value == 1.0 || (panelState.alternator == 1 && panelState.engine_speed_latch == 1))
    PlaySound(SoundId::ElectricHum, DSBPLAY_LOOPING);
  if (value == 0.0 && panelState.alternator == 0) StopSound(SoundId::ElectricHum);
  return iconImage(element, value);
}

FLOAT64 alternatorSwitchImage(PELEMENT element) {
  const FLOAT64 value = ownSourceValue(element, &ELEMENT_ICON::source_var);
  panelState.alternator = truncateToInt32(value);
  return iconImage(element, value);
}

FLOAT64 flapHandleImage(PELEMENT element) {
  const FLOAT64 value = ownSourceValue(element, &ELEMENT_ICON::source_var);
  flapPosition = truncateToInt32(value);
  return iconImage(element, std::trunc(value * kFlapImagePerUnit));
}

FLOAT64 elevatorTabAcross(PELEMENT) {
  return 1.0;
}

FLOAT64 elevatorTabAlong(PELEMENT element) {
  return alongRangeY(element, ownSourceValue(element, &ELEMENT_MOVING_IMAGE::source_var_y));
}

FLOAT64 ventBlowerImage(PELEMENT) {
  return ventBlower;
}
FLOAT64 leverAImage(PELEMENT) {
  return leverA;
}
FLOAT64 leverBImage(PELEMENT) {
  return leverB;
}

int switchVentBlower(PPIXPOINT, FLAGS32) {
  ventBlower = ventBlower == 1 ? 0 : 1;
  PlaySound(SoundId::Click);
  return 0;
}

// The flap handle only sounds when the flaps still have room to move that way.
int flapsRetract(PPIXPOINT, FLAGS32) {
  frame::triggerKeyEvent(evt::kFlapsUp, 1);
  if (flapPosition > 0) PlaySound(SoundId::Gear);
  return 0;
}

int flapsExtend(PPIXPOINT, FLAGS32) {
  frame::triggerKeyEvent(evt::kFlapsDown, 1);
  if (flapPosition < kFlapsFull) PlaySound(SoundId::Gear);
  return 0;
}

// Lever A dims the instrument lights in the simulator as well: every step up brightens them,
// and they go out when the lever reaches the bottom.
int leverAUp(PPIXPOINT, FLAGS32) {
  leverA = std::min(leverA + 1, kLeverTop);
  frame::triggerKeyEvent(evt::kPanelLightsOn, 1);
  return 0;
}

int leverADown(PPIXPOINT, FLAGS32) {
  leverA = std::max(leverA - 1, 0);
  if (leverA == 0) frame::triggerKeyEvent(evt::kPanelLightsOff, 1);
  return 0;
}

int leverBUp(PPIXPOINT, FLAGS32) {
  leverB = std::min(leverB + 1, kLeverTop);
  return 0;
}

int leverBDown(PPIXPOINT, FLAGS32) {
  leverB = std::max(leverB - 1, 0);
  return 0;
}

}  // namespace
}  // namespace switch_panel

namespace SWIT_gauge {
using namespace switch_panel;
using build::next;

extern ELEMENT_STATIC_IMAGE overlay, leverCover;
extern ELEMENT_ICON leverBIcon, leverAIcon, ignitionKey, flapHandle, ventBlowerSwitch,
    alternatorSwitch, batterySwitch, landSwitch, taxiSwitch, navSwitch, beaconSwitch, strobeSwitch,
    propDeIceSwitch, pitotHeatSwitch;
extern ELEMENT_SLIDER cowlFlapKnob;
extern ELEMENT_MOVING_IMAGE elevatorTab;

// From the background outwards; depth n is n steps from the background.
ELEMENT_STATIC_IMAGE background =
    build::staticImage(296, {0, 0}, gauge_SWIT, kBackgroundFlags, nullptr, next<overlay>);
ELEMENT_STATIC_IMAGE overlay =
    build::staticImage(297, {0, 0}, gauge_SWIT, kMovingImageFlags, nullptr, next<leverBIcon>);
ELEMENT_ICON leverBIcon =
    build::icon(gauge_SWIT, {.bitmap = 324, .images = 5, .at = {604, 27}, .callback = leverBImage},
                next<leverAIcon>);
ELEMENT_ICON leverAIcon =
    build::icon(gauge_SWIT, {.bitmap = 324, .images = 5, .at = {521, 27}, .callback = leverAImage},
                next<leverCover>);
ELEMENT_STATIC_IMAGE leverCover =
    build::staticImage(329, {515, 23}, gauge_SWIT, kMovingImageFlags, nullptr, next<ignitionKey>);
ELEMENT_ICON ignitionKey = build::icon(gauge_SWIT,
                                       {.bitmap = 304,
                                        .images = 5,
                                        .at = {18, 21},
                                        .source = tok::kMagnetos,
                                        .callback = ignitionKeyImage,
                                        .switchType = 3},
                                       next<cowlFlapKnob>);
ELEMENT_SLIDER cowlFlapKnob = build::slider(gauge_SWIT,
                                            {.bitmap = 314,
                                             .at = {740, 41},
                                             .sourceX = tok::kCowlFlaps,
                                             .scaleX = 19.0,
                                             .sourceY = tok::kCowlFlaps,
                                             .scaleY = 26.0},
                                            next<flapHandle>);
ELEMENT_ICON flapHandle = build::icon(gauge_SWIT,
                                      {.bitmap = 311,
                                       .images = 3,
                                       .at = {831, 22},
                                       .source = tok::kFlapHandle,
                                       .callback = flapHandleImage},
                                      next<elevatorTab>);
ELEMENT_MOVING_IMAGE elevatorTab = build::verticalMovingImage(gauge_SWIT,
                                                              {.bitmap = 309,
                                                               .at = {654, 30},
                                                               .sourceY = tok::kElevatorTrim,
                                                               .minY = 16384.0,
                                                               .maxY = -16384.0,
                                                               .callbackX = elevatorTabAcross,
                                                               .callbackY = elevatorTabAlong},
                                                              next<ventBlowerSwitch>);
ELEMENT_ICON ventBlowerSwitch =
    build::icon(gauge_SWIT, {.bitmap = 302, .at = {981, 28}, .callback = ventBlowerImage},
                next<alternatorSwitch>);
ELEMENT_ICON alternatorSwitch = build::icon(
    gauge_SWIT,
    {.bitmap = 298, .at = {143, 20}, .source = tok::kAlternator, .callback = alternatorSwitchImage},
    next<batterySwitch>);
ELEMENT_ICON batterySwitch = build::icon(
    gauge_SWIT,
    {.bitmap = 298, .at = {111, 20}, .source = tok::kBatteryMaster, .callback = batterySwitchImage},
    next<landSwitch>);
ELEMENT_ICON landSwitch = build::icon(
    gauge_SWIT, {.bitmap = 300, .at = {413, 21}, .source = tok::kLandingLight}, next<taxiSwitch>);
ELEMENT_ICON taxiSwitch = build::icon(
    gauge_SWIT, {.bitmap = 300, .at = {373, 21}, .source = tok::kTaxiLight}, next<navSwitch>);
ELEMENT_ICON navSwitch =
    build::icon(gauge_SWIT, {.bitmap = 300, .at = {334, 21}, .source = tok::kNavigationLights},
                next<beaconSwitch>);
ELEMENT_ICON beaconSwitch = build::icon(
    gauge_SWIT, {.bitmap = 300, .at = {295, 21}, .source = tok::kBeacon}, next<strobeSwitch>);
ELEMENT_ICON strobeSwitch = build::icon(
    gauge_SWIT, {.bitmap = 300, .at = {255, 21}, .source = tok::kStrobes}, next<propDeIceSwitch>);
ELEMENT_ICON propDeIceSwitch = build::icon(
    gauge_SWIT, {.bitmap = 298, .at = {180, 20}, .source = tok::kPropDeIce}, next<pitotHeatSwitch>);
ELEMENT_ICON pitotHeatSwitch =
    build::icon(gauge_SWIT, {.bitmap = 298, .at = {216, 20}, .source = tok::kPitotHeat});

PELEMENT_HEADER elements[] = {&background.header, nullptr};

constexpr FLAGS32 kSingle = kSingleClick;
constexpr FLAGS32 kRepeat = kRepeatWhileHeld;

MOUSERECT mouse[] = {
    build::wholeGauge(0),
    build::child({216, 20, 39, 51}, CURSOR_HAND, kSingle,
                 sendEvent<evt::kPitotHeatToggle, SoundId::Click>),
    build::child({180, 20, 39, 51}, CURSOR_HAND, kSingle,
                 sendEvent<evt::kPropDeIceToggle, SoundId::Click>),
    build::child({255, 21, 39, 51}, CURSOR_HAND, kSingle,
                 sendEvent<evt::kStrobesToggle, SoundId::Click>),
    build::child({295, 21, 39, 51}, CURSOR_HAND, kSingle,
                 sendEvent<evt::kBeaconToggle, SoundId::Click>),
    build::child({334, 21, 39, 51}, CURSOR_HAND, kSingle,
                 sendEvent<evt::kNavigationLightsToggle, SoundId::Click>),
    build::child({373, 21, 39, 51}, CURSOR_HAND, kSingle,
                 sendEvent<evt::kTaxiLightToggle, SoundId::Click>),
    build::child({413, 21, 39, 51}, CURSOR_HAND, kSingle,
                 sendEvent<evt::kLandingLightToggle, SoundId::Click>),
    build::child({111, 20, 36, 51}, CURSOR_HAND, kSingle,
                 sendEvent<evt::kBatteryMasterToggle, SoundId::Click>),
    build::child({143, 20, 36, 51}, CURSOR_HAND, kSingle,
                 sendEvent<evt::kAlternatorToggle, SoundId::Click>),
    build::child({981, 28, 36, 51}, CURSOR_HAND, kSingle, switchVentBlower),
    build::child({831, 22, 78, 41}, CURSOR_DOWN_ARROW, kSingle, flapsRetract),
    build::child({831, 64, 78, 41}, CURSOR_UP_ARROW, kSingle, flapsExtend),
    build::parent({0, 20, 104, 70}, 0xAB45),
    build::child({0, 0, 52, 70}, CURSOR_DOWN_ARROW, kSingle, ignitionKeyDown),
    build::child({53, 0, 52, 70}, CURSOR_UP_ARROW, kSingle, ignitionKeyUp),
    build::endOfParent(),
    build::parent({732, 14, 56, 88}, 0xAB17),
    build::child({0, 0, 56, 44}, CURSOR_DOWN_ARROW, kRepeat, sendEvent<evt::kCowlFlapsClose>),
    build::child({0, 44, 56, 44}, CURSOR_UP_ARROW, kRepeat, sendEvent<evt::kCowlFlapsOpen>),
    build::endOfParent(),
    build::parent({655, 12, 34, 86}, 0xAB53),
    build::child({0, 0, 34, 43}, CURSOR_DOWN_ARROW, kRepeat, sendEvent<evt::kElevatorTrimDown>),
    build::child({0, 43, 34, 43}, CURSOR_UP_ARROW, kRepeat, sendEvent<evt::kElevatorTrimUp>),
    build::endOfParent(),
    build::child({513, 12, 26, 44}, CURSOR_UP_ARROW, kRepeat, leverAUp),
    build::child({513, 56, 26, 44}, CURSOR_DOWN_ARROW, kRepeat, leverADown),
    build::child({596, 12, 26, 44}, CURSOR_UP_ARROW, kRepeat, leverBUp),
    build::child({596, 56, 26, 44}, CURSOR_DOWN_ARROW, kRepeat, leverBDown),
    build::endOfParent(),
    build::endOfList(),
};

}  // namespace SWIT_gauge

GAUGEHDR gauge_SWIT = build::gaugeHeader("SWIT", SWIT_gauge::elements, SWIT_gauge::mouse);
