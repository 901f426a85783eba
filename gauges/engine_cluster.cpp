// The four-dial engine cluster: cylinder and oil temperature, amperes and oil pressure, each
// with a press-to-test button that swings its needle to full scale for a moment.
//
// Reads: kCylinderHead, kOilTemperature, kAmperes, kOilPressure.
// Sends: nothing.
#include <array>

#include "gauges/gauge_headers.h"
#include "gauges/instrument_elements.h"
#include "gauges/sim_ids.h"
#include "gauges/switch_panel_actions.h"

namespace engine_cluster {
namespace {

using reading::clampTo;

enum Dial : std::size_t { CylinderTemperature, OilTemperature, Amperes, OilPressure };

// How long a pressed test button stays down, in calls of its icon.
constexpr SINT32 kTestCalls = 36;

struct TestButton {
  SINT32 testing = 0;
  SINT32 ticks = 0;
};
std::array<TestButton, 4> buttons{};

// The alternator's charge: after a long run with the alternator on and the engine running, the
// ammeter shows a short charge pulse, then the count starts over.
SINT32 chargeTicks = 0;
constexpr SINT32 kPulseAfter = 10800;
constexpr SINT32 kPulseUntil = 10980;
constexpr SINT32 kCountUntil = 11000;

FLOAT64 cylinderTemperature(FLOAT64 fahrenheit) {
  return clampTo((fahrenheit - 32.0) * 5.0 * 0.1111111111111111, 0.0, 250.0);
}

FLOAT64 oilTemperature(FLOAT64 value) {
  return clampTo(value * 0.008544921, 0.0, 125.0);
}

FLOAT64 amperes(FLOAT64 value) {
  if (panelState.alternator == 1 && panelState.engine_speed_latch == 1) ++chargeTicks;
  if (chargeTicks > kCountUntil) chargeTicks = 0;
  value = reading::numberOrZero(value);
  if (chargeTicks > kPulseAfter && chargeTicks < kPulseUntil) value += 3.0;
  if (value > 0.0) value *= 5.0;
  return clampTo(value, -30.0, 30.0);
}

FLOAT64 oilPressure(FLOAT64 value) {
  return clampTo(value * 0.003356933, 0.0, 100.0);
}

struct DialRule {
  FLOAT64 (*normal)(FLOAT64 value);
  FLOAT64 test;  // full scale, shown while the dial's button is down
};

constexpr std::array<DialRule, 4> kDials = {{
    {cylinderTemperature, 250.0},
    {oilTemperature, 125.0},
    {amperes, 30.0},
    {oilPressure, 100.0},
}};

// The normal reading is taken on every call, so the ammeter's count runs on during a test.
template <Dial D>
FLOAT64 dialNeedle(PELEMENT element) {
  const FLOAT64 normal = kDials[D].normal(reading::ownValue<ELEMENT_NEEDLE>(element));
  return buttons[D].testing == 1 ? kDials[D].test : normal;
}

template <Dial D>
FLOAT64 buttonImage(PELEMENT) {
  TestButton& button = buttons[D];
  if (button.testing == 1 && ++button.ticks > kTestCalls) {
    button = TestButton{};
    PlaySound(SoundId::Click);
  }
  return button.testing == 1 ? 1.0 : 0.0;
}

template <Dial D>
int pressToTest(PPIXPOINT, FLAGS32) {
  buttons[D].testing = 1;
  PlaySound(SoundId::Click);
  return 0;
}

constexpr build::NeedleSpec dialNeedleSpec(PIXPOINT at, ID32 token, PELEMENT_CALLBACK callback) {
  return {.bitmap = 134,
          .at = at,
          .pivot = {17, 4},
          .source = token,
          .callback = callback,
          .failures = failures::key20_action2};
}

constexpr build::IconSpec buttonSpec(PIXPOINT at, PELEMENT_CALLBACK callback) {
  return {.bitmap = 135, .images = 2, .at = at, .callback = callback};
}

template <Dial D>
constexpr MOUSERECT buttonArea(PIXBOX box) {
  return build::child(box, CURSOR_HAND, switch_panel::kSingleClick, pressToTest<D>);
}

}  // namespace
}  // namespace engine_cluster

using build::next;
using namespace engine_cluster;

namespace ENG_gauge {
extern ELEMENT_NEEDLE cylinderNeedle, oilTemperatureNeedle, oilPressureNeedle, amperesNeedle;
extern ELEMENT_STATIC_IMAGE overlay;
extern ELEMENT_ICON oilPressureButton, amperesButton, oilTemperatureButton, cylinderButton;
NONLINEARITY cylinderTable[] = {{{9, 27}, 0, 0},    {{11, 25}, 50, 0},  {{21, 19}, 100, 0},
                                {{34, 15}, 150, 0}, {{46, 16}, 200, 0}, {{59, 22}, 250, 0}};
NONLINEARITY oilTemperatureTable[] = {{{78, 24}, 0, 0},   {{85, 18}, 25, 0},   {{94, 14}, 50, 0},
                                      {{106, 14}, 75, 0}, {{117, 17}, 100, 0}, {{125, 20}, 125, 0}};
NONLINEARITY amperesTable[] = {{{8, 85}, -30, 0}, {{33, 77}, 0, 0}, {{59, 85}, 30, 0}};
NONLINEARITY oilPressureTable[] = {{{74, 91}, 0, 0},
                                   {{88, 80}, 25, 0},
                                   {{98, 78}, 50, 0},
                                   {{112, 80}, 75, 0},
                                   {{125, 85}, 100, 0}};

ELEMENT_STATIC_IMAGE background =
    build::dialBackground(132, gauge_ENG, failures::key20_action2, next<cylinderNeedle>);
ELEMENT_NEEDLE cylinderNeedle = build::needle(
    gauge_ENG, dialNeedleSpec({34, 45}, tok::kCylinderHead, dialNeedle<CylinderTemperature>),
    cylinderTable, next<oilTemperatureNeedle>);
ELEMENT_NEEDLE oilTemperatureNeedle = build::needle(
    gauge_ENG, dialNeedleSpec({100, 45}, tok::kOilTemperature, dialNeedle<OilTemperature>),
    oilTemperatureTable, next<oilPressureNeedle>);
ELEMENT_NEEDLE oilPressureNeedle =
    build::needle(gauge_ENG, dialNeedleSpec({100, 110}, tok::kOilPressure, dialNeedle<OilPressure>),
                  oilPressureTable, next<amperesNeedle>);
ELEMENT_NEEDLE amperesNeedle =
    build::needle(gauge_ENG, dialNeedleSpec({34, 110}, tok::kAmperes, dialNeedle<Amperes>),
                  amperesTable, next<overlay>);
// The overlay carries the printed labels that name the dials.
ELEMENT_STATIC_IMAGE overlay = build::overlayImage(133, {0, 0}, gauge_ENG, next<oilPressureButton>);
ELEMENT_ICON oilPressureButton =
    build::icon(gauge_ENG, buttonSpec({119, 115}, buttonImage<OilPressure>), next<amperesButton>);
ELEMENT_ICON amperesButton =
    build::icon(gauge_ENG, buttonSpec({53, 115}, buttonImage<Amperes>), next<oilTemperatureButton>);
ELEMENT_ICON oilTemperatureButton = build::icon(
    gauge_ENG, buttonSpec({119, 50}, buttonImage<OilTemperature>), next<cylinderButton>);
ELEMENT_ICON cylinderButton =
    build::icon(gauge_ENG, buttonSpec({53, 50}, buttonImage<CylinderTemperature>));
PELEMENT_HEADER elements[] = {&background.header, nullptr};

// Each quarter gives its dial's help; the buttons sit in gauge pixels under the whole gauge.
MOUSERECT mouse[] = {
    build::wholeGauge(0),
    build::parent({3, 2, 63, 46}, 0xAB15),
    build::endOfParent(),
    buttonArea<CylinderTemperature>({53, 50, 13, 13}),
    build::parent({69, 2, 63, 46}, 0xAB4F),
    build::endOfParent(),
    buttonArea<OilTemperature>({119, 50, 13, 13}),
    build::parent({3, 67, 63, 46}, 0xAB0B),
    build::endOfParent(),
    buttonArea<Amperes>({53, 115, 13, 13}),
    build::parent({69, 67, 63, 46}, 0xAB4E),
    build::endOfParent(),
    buttonArea<OilPressure>({119, 115, 13, 13}),
    build::endOfParent(),
    build::endOfList(),
};
}  // namespace ENG_gauge
GAUGEHDR gauge_ENG = build::gaugeHeader("ENG", ENG_gauge::elements, ENG_gauge::mouse);
