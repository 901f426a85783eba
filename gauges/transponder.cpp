// The transponder: the code the simulator keeps, stepped digit by digit, a five-position mode
// knob that only the panel knows, and the reply light in the IDENT button.
//
// Reads: kTransponderCode.
// Sends: kTransponderThousandsInc, kTransponderHundredsInc, kTransponderTensInc,
//   kTransponderUnitsInc.
#include <algorithm>

#include "gauges/gauge_headers.h"
#include "gauges/panel_state.h"
#include "gauges/sim_ids.h"
#include "gauges/sound/sound_engine.h"
#include "gauges/switch_panel_actions.h"
#include "gauges/switch_panel_elements.h"

namespace transponder {
namespace {

enum Mode : SINT32 { kOff = 0, kStandby = 1, kOn = 2, kAlt = 3, kTest = 4 };

SINT32 mode = kOn;
SINT32 replying = 0;
SINT32 replyCount = 0;
SINT32 testCount = 0;

// A reply cycle: the light burns from its 19th to its 53rd update and the cycle ends after the
// 61st. TEST is a spring position: it returns to ALT on its tenth update.
constexpr SINT32 kReplyLightFrom = 18;
constexpr SINT32 kReplyLightUntil = 54;
constexpr SINT32 kReplyCycle = 60;
constexpr SINT32 kTestHeld = 9;

// Depths of the two digit sets: dark copies while the transponder is off, lit ones while on.
constexpr int kDarkDigits = 4;
constexpr int kLitDigits = 8;
constexpr int kDigits = 4;

bool working() {
  return mode > kOff && panelState.avionics > 0;
}

FLOAT64 litFace(PELEMENT) {
  return working() ? 1.0 : -1.0;
}

FLOAT64 modeKnob(PELEMENT) {
  return mode;
}

FLOAT64 replyLight(PELEMENT) {
  if (replyCount > kReplyCycle) {
    replying = 0;
    replyCount = 0;
  }
  if (mode == kTest) {
    replying = 1;
    if (++testCount > kTestHeld) {
      mode = kAlt;
      testCount = 0;
    }
  }
  if (replying == 1) ++replyCount;
  const bool lit =
      replyCount > kReplyLightFrom && replyCount < kReplyLightUntil && panelState.avionics > 0;
  return lit ? 1.0 : -1.0;
}

// The code digit in bits Shift+3..Shift, as its image: image 0 is the blank one.
template <unsigned Shift>
FLOAT64 codeDigit(PELEMENT element) {
  const UINT32 code = reinterpret_cast<ELEMENT_ICON*>(element)->source_var.var_value.d;
  return ((code >> Shift) & 0xF) + 1.0;
}

int modeDown(PPIXPOINT, FLAGS32) {
  mode = std::max(mode - 1, static_cast<SINT32>(kOff));
  PlaySound(SoundId::Click);
  return 0;
}

int modeUp(PPIXPOINT, FLAGS32) {
  mode = std::min(mode + 1, static_cast<SINT32>(kTest));
  PlaySound(SoundId::Click);
  return 0;
}

}  // namespace
}  // namespace transponder

namespace XPDR_gauge {
using namespace transponder;
using build::next;
using switch_panel::kRepeatWhileHeld;
using switch_panel::kSingleClick;
using switch_panel::sendEvent;

extern ELEMENT_ICON litFace, replyLight, modeKnob, darkUnits, darkTens, darkHundreds, darkThousands,
    litUnits, litTens, litHundreds, litThousands;

constexpr ELEMENT_ICON digit(PIXPOINT at, PELEMENT_CALLBACK callback, FLAGS32 flags,
                             PELEMENT_HEADER* nextList = nullptr) {
  return build::icon(gauge_XPDR,
                     {.bitmap = 237,
                      .images = 11,
                      .at = at,
                      .source = tok::kTransponderCode,
                      .callback = callback,
                      .flags = flags,
                      .failures = failures::key20_action1},
                     nextList);
}

ELEMENT_STATIC_IMAGE background =
    build::staticImage(236, {0, 0}, gauge_XPDR, kBackgroundFlags, nullptr, next<litFace>);
ELEMENT_ICON litFace = build::icon(gauge_XPDR,
                                   {.bitmap = 248,
                                    .images = 1,
                                    .callback = transponder::litFace,
                                    .flags = kMovingImageFlags,
                                    .failures = failures::key20_action2},
                                   next<replyLight>);
ELEMENT_ICON replyLight = build::icon(gauge_XPDR,
                                      {.bitmap = 254,
                                       .images = 1,
                                       .at = {67, 17},
                                       .callback = transponder::replyLight,
                                       .flags = kMovingImageFlags,
                                       .failures = failures::key20_action3},
                                      next<modeKnob>);
ELEMENT_ICON modeKnob = build::icon(
    gauge_XPDR, {.bitmap = 249, .images = 5, .at = {20, 23}, .callback = transponder::modeKnob},
    next<darkUnits>);
ELEMENT_ICON darkUnits = digit({236, 12}, codeDigit<0>, kImageFlags, next<darkTens>);
ELEMENT_ICON darkTens = digit({193, 12}, codeDigit<4>, kImageFlags, next<darkHundreds>);
ELEMENT_ICON darkHundreds = digit({150, 12}, codeDigit<8>, kImageFlags, next<darkThousands>);
ELEMENT_ICON darkThousands = digit({106, 12}, codeDigit<12>, kImageFlags, next<litUnits>);
ELEMENT_ICON litUnits = digit({236, 12}, codeDigit<0>, kMovingImageFlags, next<litTens>);
ELEMENT_ICON litTens = digit({193, 12}, codeDigit<4>, kMovingImageFlags, next<litHundreds>);
ELEMENT_ICON litHundreds = digit({150, 12}, codeDigit<8>, kMovingImageFlags, next<litThousands>);
ELEMENT_ICON litThousands = digit({106, 12}, codeDigit<12>, kMovingImageFlags);
PELEMENT_HEADER elements[] = {&background.header, nullptr};

MOUSERECT mouse[] = {
    build::wholeGauge(0xA70A),
    build::child({12, 23, 16, 16}, CURSOR_DOWN_ARROW, kSingleClick, modeDown),
    build::child({28, 23, 20, 15}, CURSOR_UP_ARROW, kSingleClick, modeUp),
    build::child({103, 23, 16, 16}, CURSOR_UP_ARROW, kRepeatWhileHeld,
                 sendEvent<evt::kTransponderThousandsInc, SoundId::RadioBeep>),
    build::child({147, 23, 16, 16}, CURSOR_UP_ARROW, kRepeatWhileHeld,
                 sendEvent<evt::kTransponderHundredsInc, SoundId::RadioBeep>),
    build::child({190, 23, 16, 16}, CURSOR_UP_ARROW, kRepeatWhileHeld,
                 sendEvent<evt::kTransponderTensInc, SoundId::RadioBeep>),
    build::child({233, 23, 16, 16}, CURSOR_UP_ARROW, kRepeatWhileHeld,
                 sendEvent<evt::kTransponderUnitsInc, SoundId::RadioBeep>),
    build::endOfParent(),
    build::endOfList(),
};

// Before each update: the lit digits while the transponder works, else the dark ones.
void showDigitSet(PGAUGEHDR, SINT32 service, UINTPTR) {
  if (service != GAUGE_SERVICE_PRE_UPDATE) return;
  frame::showLitOrDark(&background.header, working(), kLitDigits, kDarkDigits, kDigits);
}
}  // namespace XPDR_gauge

GAUGEHDR gauge_XPDR =
    build::gaugeHeader("XPDR", XPDR_gauge::elements, XPDR_gauge::mouse, XPDR_gauge::showDigitSet);
