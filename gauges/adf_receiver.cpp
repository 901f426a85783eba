// The ADF receiver: the active frequency the simulator keeps in a BCD word and an extension
// word, a standby frequency of the panel's own tuned digit by digit, the transfer between them
// and the identifier the knob lets through when the audio panel selects the receiver.
//
// Reads: kAdfFrequency, kAdfExtension, kAdfTenthsTunable.
// Sends: kAdfExtensionSet, kAdfFrequencySet, kAdfIdentOn, kAdfIdentOff.
#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "gauges/radio_stack_face.h"
#include "gauges/sim_ids.h"

namespace adf_receiver {
namespace {

// Frequencies in tenths of kHz, 200.0 to 1699.9 kHz.
constexpr UINT32 kLowest = 2000;
constexpr UINT32 kHighest = 16999;
// The extension word: 256 for the thousands digit, plus the tenths digit.
constexpr UINT32 kThousandsFlag = 256;
constexpr UINT32 kThousands = 10000;

UINT32 standby = 3500;
// The simulator's frequency at the last draw, held in the band so a transfer can take it over.
UINT32 active = 3500;
radio::Switches switches;

MODULE_VAR extensionVar = build::token(tok::kAdfExtension);
MODULE_VAR frequencyVar = build::token(tok::kAdfFrequency);
MODULE_VAR tenthsVar = build::token(tok::kAdfTenthsTunable);

bool shows() {
  return switches.shows(panelState.avionics);
}

bool tenthsTunable(FLOAT64 flag) {
  return flag == 1.0;
}

// The simulator's words as tenths of kHz. Words out of their range (BCD digits above 9, an
// extension beyond a tenths digit) are taken as they come; 64 bits hold any of them.
std::uint64_t decodeTenths(UINT32 extension, UINT32 bcd) {
  const std::uint64_t thousands = extension >= kThousandsFlag ? kThousands : 0;
  const std::uint64_t tenths = extension >= kThousandsFlag ? extension - kThousandsFlag : extension;
  const std::uint64_t kilohertz = 100 * ((bcd >> 8) & 0xF) + 10 * ((bcd >> 4) & 0xF) + (bcd & 0xF);
  return thousands + 10 * kilohertz + tenths;
}

// Hundreds, tens and units of kHz in BCD; the thousands and tenths go in the extension word.
UINT32 bcdOf(UINT32 tenths) {
  const UINT32 kilohertz = tenths / 10;
  return (kilohertz / 100 % 10) << 8 | (kilohertz / 10 % 10) << 4 | kilohertz % 10;
}

UINT32 extensionOf(UINT32 tenths) {
  return tenths % 10 + (tenths >= kThousands ? kThousandsFlag : 0);
}

// With tenths tunable the display shows them; without, whole kHz with leading zeros between
// blanks. A flag that is neither leaves the text as it was.
FLOAT64 showKilohertz(PELEMENT element, FLOAT64 kilohertz) {
  char(&text)[STRING_ELEMENT_TEXT_SIZE] = reinterpret_cast<ELEMENT_STRING*>(element)->text;
  const FLOAT64 flag = frame::valueOf(tenthsVar);
  if (!shows()) {
    text[0] = '\0';
  } else if (tenthsTunable(flag)) {
    std::snprintf(text, sizeof text, "%6.1f", kilohertz);
  } else if (flag == 0.0) {
    std::snprintf(text, sizeof text, " %03.0f  ", kilohertz);
  }
  return kilohertz;
}

FLOAT64 activeDisplay(PELEMENT element) {
  frame::lookupVar(extensionVar);
  frame::lookupVar(frequencyVar);
  const std::uint64_t tenths = decodeTenths(extensionVar.var_value.d, frequencyVar.var_value.d);
  active = static_cast<UINT32>(std::clamp<std::uint64_t>(tenths, kLowest, kHighest));
  return showKilohertz(element, static_cast<FLOAT64>(tenths) * 0.1);
}

FLOAT64 standbyDisplay(PELEMENT element) {
  return showKilohertz(element, standby * 0.1);
}

FLOAT64 litFace(PELEMENT) {
  return shows() ? 1.0 : -1.0;
}

// At every update the knob tells the simulator whether the station's identifier is heard.
FLOAT64 knob(PELEMENT) {
  const bool heard = switches.identHeard(panelState.avionics, panelState.adf_audio);
  frame::triggerKeyEvent(heard ? evt::kAdfIdentOn : evt::kAdfIdentOff, 1);
  return switches.knobImage();
}

int transfer(PPIXPOINT, FLAGS32) {
  const UINT32 sent = standby;
  standby = active;
  active = sent;
  frame::triggerKeyEvent(evt::kAdfExtensionSet, extensionOf(sent));
  frame::triggerKeyEvent(evt::kAdfFrequencySet, bcdOf(sent));
  PlaySound(SoundId::Toggle);
  return radio_face::kClickTaken;
}

// The hundreds ring runs over the band, 200.x below wrapping to 1600.x and back.
int hundredsDown(PPIXPOINT, FLAGS32) {
  standby = standby < kLowest + 1000 ? standby + 14000 : standby - 1000;
  return radio_face::tuned();
}

int hundredsUp(PPIXPOINT, FLAGS32) {
  standby += 1000;
  if (standby > kHighest) standby -= 15000;
  return radio_face::tuned();
}

// The lower digits, `Weight` tenths of kHz a step, wrap within the next higher digit. Tenths
// only tune while the simulator says they can; otherwise the knob only beeps.
template <UINT32 Weight>
int digitDown(PPIXPOINT, FLAGS32) {
  if (Weight > 1 || tenthsTunable(frame::valueOf(tenthsVar)))
    standby = standby % (10 * Weight) < Weight ? standby + 9 * Weight : standby - Weight;
  return radio_face::tuned();
}

template <UINT32 Weight>
int digitUp(PPIXPOINT, FLAGS32) {
  if (Weight > 1 || tenthsTunable(frame::valueOf(tenthsVar)))
    standby = standby % (10 * Weight) >= 9 * Weight ? standby - 9 * Weight : standby + Weight;
  return radio_face::tuned();
}

int togglePower(PPIXPOINT, FLAGS32) {
  switches.power = radio::toggled(switches.power);
  PlaySound(SoundId::Click);
  return radio_face::kClickPassed;
}

int togglePull(PPIXPOINT, FLAGS32) {
  switches.pull = radio::toggled(switches.pull);
  PlaySound(SoundId::Click);
  return radio_face::kClickPassed;
}

}  // namespace
}  // namespace adf_receiver

namespace ADF_gauge {
using namespace adf_receiver;
using build::next;
using radio_face::kRepeatWhileHeld;
using radio_face::kSingleClick;

extern ELEMENT_ICON litFace, knob;
extern ELEMENT_STRING standby, active;

ELEMENT_STATIC_IMAGE background =
    build::staticImage(256, {0, 0}, gauge_ADF, kBackgroundFlags, nullptr, next<litFace>);
ELEMENT_ICON litFace = radio_face::litFace(gauge_ADF, 257, adf_receiver::litFace, next<knob>);
ELEMENT_ICON knob = radio_face::powerKnob(gauge_ADF, adf_receiver::knob, next<standby>, 258);
ELEMENT_STRING standby = radio_face::display(gauge_ADF, {109, 8}, 0, standbyDisplay, next<active>);
ELEMENT_STRING active = radio_face::display(gauge_ADF, {47, 8}, tok::kAdfFrequency, activeDisplay);
PELEMENT_HEADER elements[] = {&background.header, nullptr};

// A digit column of the tuning knob: up in its upper half, down in its lower half.
constexpr MOUSERECT upper(SINT32 x, PMOUSE_FUNCTION function) {
  return build::child({x, 16, 8, 12}, CURSOR_UP_ARROW, kRepeatWhileHeld, function);
}
constexpr MOUSERECT lower(SINT32 x, PMOUSE_FUNCTION function) {
  return build::child({x, 28, 8, 12}, CURSOR_DOWN_ARROW, kRepeatWhileHeld, function);
}

MOUSERECT mouse[] = {
    build::wholeGauge(0xA709),
    build::child({98, 38, 18, 11}, CURSOR_HAND, kSingleClick, transfer),
    upper(227, hundredsUp),
    lower(227, hundredsDown),
    upper(235, digitUp<100>),
    lower(235, digitDown<100>),
    upper(243, digitUp<10>),
    lower(243, digitDown<10>),
    upper(251, digitUp<1>),
    lower(251, digitDown<1>),
    build::child({175, 40, 16, 11}, CURSOR_HAND, kSingleClick, togglePower),
    build::child({191, 30, 16, 15}, CURSOR_HAND, kSingleClick, togglePull),
    build::endOfParent(),
    build::endOfList(),
};
}  // namespace ADF_gauge

GAUGEHDR gauge_ADF = build::gaugeHeader("ADF", ADF_gauge::elements, ADF_gauge::mouse);
