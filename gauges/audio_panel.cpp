// The audio panel: the selector, eighteen lit push buttons in a SPEAKER and a PHONE row, the
// HI/LO pair and the marker-beacon lamps with their test. The SPEAKER buttons of NAV1, NAV2
// and ADF select which receivers' identifiers the radio knobs let through; the rest only light.
//
// Reads: kMarkerBeacon.
// Sends: nothing.
#include <array>
#include <cstddef>
#include <utility>

#include "gauges/gauge_headers.h"
#include "gauges/instrument_elements.h"
#include "gauges/radio_state.h"
#include "gauges/sim_ids.h"
#include "gauges/sound/sound_engine.h"
#include "gauges/switch_panel_actions.h"
#include "gauges/switch_panel_elements.h"

namespace audio_panel {
namespace {

enum Selector : SINT32 { kOff = 0, kIntercom = 4, kExternal = 5 };

// Buttons by their place in a light set's chain: the PHONE row from the right, then the SPEAKER
// row from the right. Columns are 20 pixels apart from x = 49 (TEL, COM1, COM2, NAV1, NAV2,
// DME, MKR, ADF, AUTO).
constexpr std::size_t kColumns = 9;
constexpr std::size_t kButtons = 2 * kColumns;
constexpr SINT32 kLeftColumn = 49;
constexpr SINT32 kColumnStep = 20;
constexpr SINT32 kSpeakerRow = 11;
constexpr SINT32 kPhoneRow = 34;

constexpr PIXPOINT placeOf(std::size_t button) {
  const auto fromRight = static_cast<SINT32>(button % kColumns);
  const SINT32 x = kLeftColumn + kColumnStep * (static_cast<SINT32>(kColumns) - 1 - fromRight);
  return {x, button < kColumns ? kPhoneRow : kSpeakerRow};
}

constexpr std::size_t speakerButton(SINT32 x) {
  return kButtons - 1 - static_cast<std::size_t>((x - kLeftColumn) / kColumnStep);
}
constexpr std::size_t kNav1Speaker = speakerButton(109);
constexpr std::size_t kNav2Speaker = speakerButton(129);
constexpr std::size_t kAdfSpeaker = speakerButton(189);
static_assert(placeOf(kNav1Speaker).x == 109 && placeOf(kNav1Speaker).y == kSpeakerRow);

// Marker lamps: image 0 lights A, 1 M, 2 O, 3 all three. The test lights all for 36 updates.
constexpr FLOAT64 kAllLamps = 3.0;
constexpr SINT32 kLampTestUpdates = 36;

SINT32 selector = kIntercom;
std::array<SINT32, kButtons> buttons{};
SINT32 pairHigh = 1;
SINT32 pairLow = 0;
SINT32 lampTest = 0;
SINT32 lampTestCount = 0;

bool working() {
  return selector != kOff && panelState.avionics != 0;
}

FLOAT64 litFace(PELEMENT) {
  return selector > kOff && panelState.avionics != 0 ? 1.0 : -1.0;
}

FLOAT64 selectorKnob(PELEMENT) {
  return selector;
}

// A test pressed while the panel is dark waits until it works.
FLOAT64 markerLamps(PELEMENT element) {
  const bool testing = lampTest == 1 && working();
  if (testing) ++lampTestCount;
  if (lampTestCount > kLampTestUpdates) {
    lampTestCount = 0;
    lampTest = 0;
  } else if (testing) {
    return kAllLamps;
  }
  if (!working()) return -1.0;
  const FLOAT64 beacon = reading::ownValue<ELEMENT_ICON>(element);
  if (beacon == 1.0) return 2.0;
  if (beacon == 2.0) return 1.0;
  if (beacon == 3.0) return 0.0;
  return -1.0;
}

template <std::size_t Button>
FLOAT64 buttonLight(PELEMENT) {
  return buttons[Button];
}

FLOAT64 highLight(PELEMENT) {
  return pairHigh;
}

FLOAT64 lowLight(PELEMENT) {
  return pairLow;
}

int selectorDown(PPIXPOINT, FLAGS32) {
  if (selector > kOff) --selector;
  PlaySound(SoundId::Toggle);
  return 0;
}

int selectorUp(PPIXPOINT, FLAGS32) {
  if (selector < kExternal) ++selector;
  PlaySound(SoundId::Toggle);
  return 0;
}

int testLamps(PPIXPOINT, FLAGS32) {
  lampTest = 1;
  PlaySound(SoundId::Toggle);
  return 0;
}

template <std::size_t Button>
int pushButton(PPIXPOINT, FLAGS32) {
  buttons[Button] = radio::toggled(buttons[Button]);
  PlaySound(SoundId::Toggle);
  return 0;
}

int pushHigh(PPIXPOINT, FLAGS32) {
  pairHigh = 1;
  pairLow = 0;
  PlaySound(SoundId::Toggle);
  return 0;
}

int pushLow(PPIXPOINT, FLAGS32) {
  pairLow = 1;
  pairHigh = 0;
  PlaySound(SoundId::Toggle);
  return 0;
}

template <std::size_t... Button>
constexpr auto perButton(std::index_sequence<Button...>) {
  return std::pair{std::array<PELEMENT_CALLBACK, kButtons>{buttonLight<Button>...},
                   std::array<PMOUSE_FUNCTION, kButtons>{pushButton<Button>...}};
}
constexpr auto kButtonFunctions = perButton(std::make_index_sequence<kButtons>{});

}  // namespace
}  // namespace audio_panel

namespace AUDP_gauge {
using namespace audio_panel;
using build::next;
using switch_panel::kSingleClick;

// Depths from the background: the dark button lights, the lit ones, then the pair lights as
// dark and lit copies of the lower, then of the upper button.
constexpr int kDarkButtons = 4;
constexpr int kLitButtons = kDarkButtons + static_cast<int>(kButtons);
constexpr int kDarkLow = kLitButtons + static_cast<int>(kButtons);
constexpr int kLitLow = kDarkLow + 1;
constexpr int kDarkHigh = kLitLow + 1;
constexpr int kLitHigh = kDarkHigh + 1;

constexpr std::size_t kLights = 2 * kButtons + 4;
extern std::array<ELEMENT_ICON, kLights> lights;
extern ELEMENT_ICON litFace, selectorKnob, markerColumn;

// Each light continues the chain with the next; the last ends it.
std::array<std::array<PELEMENT_HEADER, 2>, kLights> lightLinks = [] {
  std::array<std::array<PELEMENT_HEADER, 2>, kLights> links{};
  for (std::size_t i = 0; i + 1 < kLights; ++i) links[i] = {&lights[i + 1].header, nullptr};
  return links;
}();

constexpr ELEMENT_ICON light(std::size_t at, SINT32 bitmap, PIXPOINT place,
                             PELEMENT_CALLBACK callback, FLAGS32 flags) {
  return build::icon(gauge_AUDP,
                     {.bitmap = bitmap, .at = place, .callback = callback, .flags = flags},
                     at + 1 < kLights ? lightLinks[at].data() : nullptr);
}

std::array<ELEMENT_ICON, kLights> lights = [] {
  std::array<ELEMENT_ICON, kLights> all{};
  for (std::size_t button = 0; button < kButtons; ++button) {
    const PELEMENT_CALLBACK callback = kButtonFunctions.first[button];
    all[button] = light(button, 274, placeOf(button), callback, kImageFlags);
    all[kButtons + button] =
        light(kButtons + button, 274, placeOf(button), callback, kMovingImageFlags);
  }
  const std::size_t pair = 2 * kButtons;
  all[pair] = light(pair, 276, {28, 40}, lowLight, kImageFlags);
  all[pair + 1] = light(pair + 1, 276, {28, 40}, lowLight, kMovingImageFlags);
  all[pair + 2] = light(pair + 2, 276, {28, 12}, highLight, kImageFlags);
  all[pair + 3] = light(pair + 3, 276, {28, 12}, highLight, kMovingImageFlags);
  return all;
}();

ELEMENT_STATIC_IMAGE background =
    build::staticImage(262, {0, 0}, gauge_AUDP, kBackgroundFlags, nullptr, next<litFace>);
ELEMENT_ICON litFace = build::icon(
    gauge_AUDP,
    {.bitmap = 273, .images = 1, .callback = audio_panel::litFace, .flags = kMovingImageFlags},
    next<selectorKnob>);
ELEMENT_ICON selectorKnob = build::icon(
    gauge_AUDP, {.bitmap = 263, .images = 6, .at = {223, 7}, .callback = audio_panel::selectorKnob},
    next<markerColumn>);
PELEMENT_HEADER firstLight[] = {&lights[0].header, nullptr};
ELEMENT_ICON markerColumn = build::icon(gauge_AUDP,
                                        {.bitmap = 269,
                                         .images = 4,
                                         .at = {7, 12},
                                         .source = tok::kMarkerBeacon,
                                         .callback = markerLamps,
                                         .flags = kLampFlags},
                                        firstLight);
PELEMENT_HEADER elements[] = {&background.header, nullptr};

constexpr std::size_t kMouseRecords = 26;
constexpr std::array<MOUSERECT, kMouseRecords> mouseList() {
  std::array<MOUSERECT, kMouseRecords> list{};
  std::size_t n = 0;
  list[n++] = build::wholeGauge(0);
  list[n++] = build::child({222, 6, 24, 47}, CURSOR_DOWN_ARROW, kSingleClick, selectorDown);
  list[n++] = build::child({247, 6, 24, 47}, CURSOR_UP_ARROW, kSingleClick, selectorUp);
  list[n++] = build::child({19, 26, 9, 8}, CURSOR_HAND, kSingleClick, testLamps);
  for (std::size_t button = 0; button < kButtons; ++button) {
    const PIXPOINT at = placeOf(button);
    list[n++] = build::child({at.x, at.y, 9, 14}, CURSOR_HAND, kSingleClick,
                             kButtonFunctions.second[button]);
  }
  list[n++] = build::child({28, 12, 14, 9}, CURSOR_HAND, kSingleClick, pushHigh);
  list[n++] = build::child({28, 40, 14, 9}, CURSOR_HAND, kSingleClick, pushLow);
  list[n++] = build::endOfParent();
  list[n++] = build::endOfList();
  return list;
}
std::array<MOUSERECT, kMouseRecords> mouse = mouseList();

// Before each update: the audio selection the NAV and ADF knobs read, and which copy of the
// lights shows. Kept here rather than in the lights' callbacks, so that the selection drops to
// none when the panel goes dark whether or not a host updates hidden elements.
void selectAudio(PGAUGEHDR, SINT32 service, UINTPTR) {
  if (service != GAUGE_SERVICE_PRE_UPDATE) return;
  const bool on = working();
  panelState.nav1_audio = on && buttons[kNav1Speaker] == 1 ? 1 : 0;
  panelState.nav2_audio = on && buttons[kNav2Speaker] == 1 ? 1 : 0;
  panelState.adf_audio = on && buttons[kAdfSpeaker] == 1 ? 1 : 0;
  frame::showLitOrDark(&background.header, on, kLitButtons, kDarkButtons,
                       static_cast<int>(kButtons));
  frame::showLitOrDark(&background.header, on, kLitLow, kDarkLow, 1);
  frame::showLitOrDark(&background.header, on, kLitHigh, kDarkHigh, 1);
}
}  // namespace AUDP_gauge

GAUGEHDR gauge_AUDP = build::gaugeHeader("AUDP", AUDP_gauge::elements, AUDP_gauge::mouse.data(),
                                         AUDP_gauge::selectAudio);
