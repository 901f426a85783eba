// The pedestal panel with the auxiliary fuel pump and the elevator trim wheel, the avionics
// master, and the five small toggle switches.
//
// Reads: kAvionicsMaster.
// Sends: kElevatorTrimDown, kElevatorTrimUp, kAvionicsMasterToggle, kSmallSwitch2Toggle,
//   kSmallSwitch3Toggle, kSmallSwitch4Toggle, kSmallSwitch5Toggle, kSmallSwitch6Toggle.
#include <array>

#include "gauges/gauge_headers.h"
#include "gauges/panel_state.h"
#include "gauges/sim_ids.h"
#include "gauges/switch_panel_actions.h"
#include "gauges/switch_panel_elements.h"

namespace switch_panel {
namespace {

// The pump button shows pressed for this many updates; the pump run counts as priming the
// engine for that many; the pump sound only starts early in the button's window.
constexpr SINT32 kPumpButtonUpdates = 60;
constexpr SINT32 kPrimedUpdates = 180;
constexpr SINT32 kPumpSoundWindow = 5;

struct TimedFlag {
  SINT32 active = 0;
  SINT32 counter = 0;
};

// Runs a timed flag one update on; it drops once it has lasted `updates`.
void advance(TimedFlag& flag, SINT32 updates) {
  if (flag.active == 1) ++flag.counter;
  if (flag.counter > updates) flag = {};
}

TimedFlag pumpButton;
TimedFlag primed;  // published as the panel's primed flag by the trim wheel's update
SINT32 trimWheelImage = 0;
std::array<SINT32, 5> toggles = {};

// Neither window restarts on a press: a press inside them neither lengthens them nor, once the
// button has shown pressed for a few updates, replays the pump sound.
int pressAuxFuelPump(PPIXPOINT, FLAGS32) {
  pumpButton.active = 1;
  if (panelState.battery == 1) {
    primed.active = 1;
    if (pumpButton.counter < kPumpSoundWindow) PlaySound(SoundId::FuelPump);
  }
  PlaySound(SoundId::Click);
  return 0;
}

FLOAT64 pumpButtonImage(PELEMENT) {
  advance(pumpButton, kPumpButtonUpdates);
  return pumpButton.active;
}

FLOAT64 trimWheelImageOf(PELEMENT) {
  advance(primed, kPrimedUpdates);
  panelState.primed = primed.active;
  return trimWheelImage;
}

// The wheel turns by showing its other image at every step.
template <ID32 Event>
int turnTrimWheel(PPIXPOINT point, FLAGS32 mouseFlags) {
  trimWheelImage = trimWheelImage == 1 ? 0 : 1;
  return sendEvent<Event, SoundId::Click>(point, mouseFlags);
}

FLOAT64 avionicsSwitchImage(PELEMENT element) {
  const FLOAT64 value = ownSourceValue(element, &ELEMENT_ICON::source_var);
  panelState.avionics = truncateToInt32(value);
  return iconImage(element, value);
}

template <std::size_t Index>
FLOAT64 toggleLamp(PELEMENT) {
  return toggles[Index] == 1 ? 1.0 : -1.0;
}

template <std::size_t Index, ID32 Event>
int flipToggle(PPIXPOINT point, FLAGS32 mouseFlags) {
  toggles[Index] = toggles[Index] == 1 ? 0 : 1;
  return sendEvent<Event, SoundId::Toggle>(point, mouseFlags);
}

}  // namespace
}  // namespace switch_panel

namespace THR1_gauge {
using namespace switch_panel;
using build::next;

extern ELEMENT_STATIC_IMAGE overlay;
extern ELEMENT_ICON trimWheel, pumpButtonIcon;

ELEMENT_STATIC_IMAGE background =
    build::staticImage(220, {0, 0}, gauge_THR1, kBackgroundFlags, nullptr, next<overlay>);
ELEMENT_STATIC_IMAGE overlay =
    build::staticImage(221, {0, 0}, gauge_THR1, kDialBackgroundFlags, nullptr, next<trimWheel>);
ELEMENT_ICON trimWheel =
    build::icon(gauge_THR1, {.bitmap = 224, .at = {19, 10}, .callback = trimWheelImageOf},
                next<pumpButtonIcon>);
ELEMENT_ICON pumpButtonIcon =
    build::icon(gauge_THR1, {.bitmap = 222, .at = {193, 5}, .callback = pumpButtonImage});

PELEMENT_HEADER elements[] = {&background.header, nullptr};

MOUSERECT mouse[] = {
    build::wholeGauge(0),
    build::child({193, 5, 39, 51}, CURSOR_HAND, kSingleClick, pressAuxFuelPump),
    build::child({14, 9, 34, 50}, CURSOR_DOWN_ARROW, kRepeatWhileHeld,
                 turnTrimWheel<evt::kElevatorTrimDown>),
    build::child({14, 60, 34, 50}, CURSOR_UP_ARROW, kRepeatWhileHeld,
                 turnTrimWheel<evt::kElevatorTrimUp>),
    build::endOfParent(),
    build::endOfList(),
};

}  // namespace THR1_gauge

GAUGEHDR gauge_THR1 = build::gaugeHeader("THR1", THR1_gauge::elements, THR1_gauge::mouse);

namespace AVMA_gauge {
using namespace switch_panel;
using build::next;

extern ELEMENT_ICON avionicsSwitch;

ELEMENT_STATIC_IMAGE background =
    build::staticImage(233, {0, 0}, gauge_AVMA, kBackgroundFlags, nullptr, next<avionicsSwitch>);
ELEMENT_ICON avionicsSwitch = build::icon(gauge_AVMA, {.bitmap = 234,
                                                       .at = {12, 24},
                                                       .source = tok::kAvionicsMaster,
                                                       .callback = avionicsSwitchImage});

PELEMENT_HEADER elements[] = {&background.header, nullptr};

MOUSERECT mouse[] = {
    build::wholeGauge(0xAB0F),
    build::child({12, 24, 24, 35}, CURSOR_HAND, kSingleClick,
                 sendEvent<evt::kAvionicsMasterToggle, SoundId::Click>),
    build::endOfParent(),
    build::endOfList(),
};

}  // namespace AVMA_gauge

GAUGEHDR gauge_AVMA = build::gaugeHeader("AVMA", AVMA_gauge::elements, AVMA_gauge::mouse);

// A toggle switch: its plate and a one-image lamp lit while its flag is 1; a click anywhere on
// it flips the flag and sends its event.
#define QTP_TOGGLE_GAUGE(NAME, INDEX, PLATE, LAMP, EVENT)                                  \
  namespace NAME##_gauge {                                                                 \
    using namespace switch_panel;                                                          \
    ELEMENT_ICON lamp = build::icon(gauge_##NAME, {.bitmap = LAMP,                         \
                                                   .images = 1,                            \
                                                   .callback = toggleLamp<INDEX>,          \
                                                   .failures = failures::key20_action2});  \
    ELEMENT_STATIC_IMAGE background = build::staticImage(                                  \
        PLATE, {0, 0}, gauge_##NAME, kBackgroundFlags, nullptr, build::next<lamp>);        \
    PELEMENT_HEADER elements[] = {&background.header, nullptr};                            \
    MOUSERECT mouse[] = {                                                                  \
        build::wholeGauge(0),                                                              \
        build::child({0, 0, 20, 20}, CURSOR_HAND, kSingleClick, flipToggle<INDEX, EVENT>), \
        build::endOfParent(), build::endOfList()};                                         \
  }                                                                                        \
  GAUGEHDR gauge_##NAME = build::gaugeHeader(#NAME, NAME##_gauge::elements, NAME##_gauge::mouse)

QTP_TOGGLE_GAUGE(TOG2, 0, 191, 192, evt::kSmallSwitch2Toggle);
QTP_TOGGLE_GAUGE(TOG3, 1, 193, 194, evt::kSmallSwitch3Toggle);
QTP_TOGGLE_GAUGE(TOG4, 2, 195, 196, evt::kSmallSwitch4Toggle);
QTP_TOGGLE_GAUGE(TOG5, 3, 197, 198, evt::kSmallSwitch5Toggle);
QTP_TOGGLE_GAUGE(TOG6, 4, 200, 201, evt::kSmallSwitch6Toggle);
