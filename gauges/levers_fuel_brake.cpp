// The engine levers, the fuel selector and the parking brake.
//
// Reads: kThrottle, kPropeller, kMixture, kFuelSelector, kParkingBrake.
// Sends: kThrottleSet, kPropellerSet, kMixtureSet, kFuelSelectorOff, kFuelSelectorLeft,
//   kFuelSelectorRight, kParkingBrakeSet, kBrakes.
#include <cmath>

#include "gauges/gauge_headers.h"
#include "gauges/instrument_elements.h"
#include "gauges/sim_ids.h"
#include "gauges/switch_panel_actions.h"

namespace engine_levers {
namespace {

constexpr FLAGS32 kDrag = MOUSE_LEFT_SINGLE | MOUSE_DRAG;
constexpr int kDragTaken = 1;

constexpr SINT32 kLeverFull = 16383;
constexpr SINT32 kAlternateAirFull = 10000;
constexpr SINT32 kSpringStep = 250;

// How far up its 80-pixel travel the pointer holds a lever, in the lever's units: the top edge
// and above give full travel, the bottom edge and below none.
SINT32 travelAt(SINT32 y, SINT32 full) {
  const FLOAT64 raw = std::trunc((80.0 - y) * full * 0.0125);
  return static_cast<SINT32>(reading::clampTo(raw, 0.0, full));
}

// The levers set the simulator's axis directly; the simulator's value moves the lever image.
template <ID32 Event>
int dragLever(PPIXPOINT point, FLAGS32) {
  frame::triggerKeyEvent(Event, static_cast<UINT32>(travelAt(point->y, kLeverFull)));
  return kDragTaken;
}

// Alternate air is only a handle on the screen: pulled down it springs back up once let go.
SINT32 alternateAir = 0;

int dragAlternateAir(PPIXPOINT point, FLAGS32) {
  alternateAir = kAlternateAirFull - travelAt(point->y, kAlternateAirFull);
  return kDragTaken;
}

FLOAT64 alternateAirAcross(PELEMENT) {
  return alternateAir;
}

// Runs on every update, so a handle let go at the bottom is back at the top 40 updates later.
FLOAT64 alternateAirSpring(PELEMENT) {
  alternateAir = alternateAir > 0 ? alternateAir - kSpringStep : 0;
  return alternateAir;
}

constexpr build::SliderSpec leverSlider(SINT32 bitmap, ID32 axis) {
  return {.bitmap = bitmap,
          .at = {27, 19},
          .sourceX = axis,
          .scaleX = -0.001014,
          .sourceY = axis,
          .scaleY = -0.00138};
}

}  // namespace
}  // namespace engine_levers

namespace fuel_selector {
namespace {

// The stop button must be pressed before the handle turns to OFF: it stays engaged for this many
// updates, then the counter parks past the window until the next press.
constexpr SINT32 kLatchUpdates = 54;
constexpr SINT32 kLatchParked = 60;

struct Latch {
  SINT32 engaged = 0;
  SINT32 counter = 0;
};
Latch latch;

FLOAT64 latchButton(PELEMENT) {
  if (latch.engaged == 1) ++latch.counter;
  if (latch.counter > kLatchUpdates) latch = {.engaged = 0, .counter = kLatchParked};
  return latch.engaged;
}

// The selector's position is a whole number: OFF, both (which this handle cannot show), LEFT
// MAIN, RIGHT MAIN.
FLOAT64 handleImage(PELEMENT element) {
  switch (reinterpret_cast<ELEMENT_ICON*>(element)->source_var.var_value.d) {
    case 2:
      return 1.0;
    case 3:
      return 2.0;
    default:
      return 0.0;
  }
}

int pressStop(PPIXPOINT, FLAGS32) {
  latch = {.engaged = 1, .counter = 0};
  PlaySound(SoundId::Toggle);
  return 0;
}

// Without the stop pressed the handle stops short of OFF, on the left tank.
int turnToOff(PPIXPOINT, FLAGS32) {
  frame::triggerKeyEvent(latch.engaged == 1 ? evt::kFuelSelectorOff : evt::kFuelSelectorLeft, 1);
  PlaySound(SoundId::Click);
  return 0;
}

}  // namespace
}  // namespace fuel_selector

namespace parking_brake {
namespace {

SINT32 brake = 0;  // the simulator's brake as last drawn

FLOAT64 handleImage(PELEMENT element) {
  const FLOAT64 value = reading::ownValue<ELEMENT_ICON>(element);
  brake = truncateToInt32(value);
  return value > 0.0 ? 1.0 : -1.0;
}

// Pulling sets the brake; pulling a set brake releases it through the brakes.
int pullHandle(PPIXPOINT, FLAGS32) {
  if (brake < 1) {
    frame::triggerKeyEvent(evt::kParkingBrakeSet, 1);
  } else {
    frame::triggerKeyEvent(evt::kBrakes, 0);
  }
  PlaySound(SoundId::Click);
  return 0;
}

}  // namespace
}  // namespace parking_brake

using build::next;
using switch_panel::kSingleClick;
using switch_panel::sendEvent;

// A push-pull engine lever: its slider follows the simulator's axis, and dragging anywhere over
// the gauge sets the axis.
#define QTP_LEVER_GAUGE(NAME, BACKGROUND, SLIDER, AXIS, EVENT, HELP)                              \
  namespace NAME##_gauge {                                                                        \
    using namespace engine_levers;                                                                \
    ELEMENT_SLIDER lever = build::slider(gauge_##NAME, leverSlider(SLIDER, AXIS));                \
    ELEMENT_STATIC_IMAGE background = build::staticImage(BACKGROUND, {0, 0}, gauge_##NAME,        \
                                                         kBackgroundFlags, nullptr, next<lever>); \
    PELEMENT_HEADER elements[] = {&background.header, nullptr};                                   \
    MOUSERECT mouse[] = {build::wholeGauge(HELP),                                                 \
                         build::child({0, 0, 80, 80}, CURSOR_HAND, kDrag, dragLever<EVENT>),      \
                         build::endOfParent(), build::endOfList()};                               \
  }                                                                                               \
  GAUGEHDR gauge_##NAME = build::gaugeHeader(#NAME, NAME##_gauge::elements, NAME##_gauge::mouse)

QTP_LEVER_GAUGE(THR2, 227, 228, tok::kThrottle, evt::kThrottleSet, 0xAB6C);
QTP_LEVER_GAUGE(THR3, 229, 230, tok::kPropeller, evt::kPropellerSet, 0xAB6A);
QTP_LEVER_GAUGE(THR4, 231, 232, tok::kMixture, evt::kMixtureSet, 0xAB6B);

namespace THR5_gauge {
using namespace engine_levers;

extern ELEMENT_SLIDER handle;

ELEMENT_STATIC_IMAGE background =
    build::staticImage(278, {0, 0}, gauge_THR5, kBackgroundFlags, nullptr, next<handle>);
ELEMENT_SLIDER handle = build::slider(gauge_THR5, {.bitmap = 279,
                                                   .at = {11, 11},
                                                   .scaleX = 0.001114,
                                                   .scaleY = 0.00138,
                                                   .callbackX = alternateAirAcross,
                                                   .callbackY = alternateAirSpring});

PELEMENT_HEADER elements[] = {&background.header, nullptr};

MOUSERECT mouse[] = {
    build::wholeGauge(0),
    build::child({0, 0, 60, 80}, CURSOR_HAND, kDrag, dragAlternateAir),
    build::endOfParent(),
    build::endOfList(),
};

}  // namespace THR5_gauge

GAUGEHDR gauge_THR5 = build::gaugeHeader("THR5", THR5_gauge::elements, THR5_gauge::mouse);

namespace FSEL_gauge {
using namespace fuel_selector;

extern ELEMENT_STATIC_IMAGE overlay;
extern ELEMENT_ICON selectorHandle, stopButton;

ELEMENT_STATIC_IMAGE background =
    build::staticImage(213, {0, 0}, gauge_FSEL, kBackgroundFlags, nullptr, next<overlay>);
ELEMENT_STATIC_IMAGE overlay = build::staticImage(214, {0, 0}, gauge_FSEL, kMovingImageFlags,
                                                  failures::key20_action2, next<selectorHandle>);
ELEMENT_ICON selectorHandle = build::icon(gauge_FSEL,
                                          {.bitmap = 215,
                                           .images = 3,
                                           .at = {119, 42},
                                           .source = tok::kFuelSelector,
                                           .callback = handleImage},
                                          next<stopButton>);
ELEMENT_ICON stopButton =
    build::icon(gauge_FSEL, {.bitmap = 218, .at = {203, 48}, .callback = latchButton});

PELEMENT_HEADER elements[] = {&background.header, nullptr};

MOUSERECT mouse[] = {
    build::wholeGauge(0xAB2D),
    build::child({203, 48, 39, 45}, CURSOR_HAND, kSingleClick, pressStop),
    build::child({111, 35, 48, 30}, CURSOR_DOWN_ARROW, kSingleClick, turnToOff),
    build::child({110, 110, 48, 30}, CURSOR_UP_ARROW, kSingleClick,
                 sendEvent<evt::kFuelSelectorLeft, SoundId::Click>),
    build::child({186, 110, 48, 30}, CURSOR_UP_ARROW, kSingleClick,
                 sendEvent<evt::kFuelSelectorRight, SoundId::Click>),
    build::endOfParent(),
    build::endOfList(),
};

}  // namespace FSEL_gauge

GAUGEHDR gauge_FSEL = build::gaugeHeader("FSEL", FSEL_gauge::elements, FSEL_gauge::mouse);

namespace PBRK_gauge {
using namespace parking_brake;

extern ELEMENT_ICON handle;

ELEMENT_STATIC_IMAGE background =
    build::staticImage(319, {0, 0}, gauge_PBRK, kBackgroundFlags, nullptr, next<handle>);
ELEMENT_ICON handle = build::icon(gauge_PBRK, {.bitmap = 320,
                                               .images = 1,
                                               .source = tok::kParkingBrake,
                                               .callback = handleImage,
                                               .flags = kLampFlags,
                                               .failures = failures::key20_action2});

PELEMENT_HEADER elements[] = {&background.header, nullptr};

MOUSERECT mouse[] = {
    build::wholeGauge(0xAB51),
    build::child({0, 0, 37, 26}, CURSOR_HAND, kSingleClick, pullHandle),
    build::endOfParent(),
    build::endOfList(),
};

}  // namespace PBRK_gauge

GAUGEHDR gauge_PBRK = build::gaugeHeader("PBRK", PBRK_gauge::elements, PBRK_gauge::mouse);
