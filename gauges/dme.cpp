// The DME: distance, ground speed and time to the station of either NAV receiver, chosen with
// a four-position knob; without avionics power the readouts show strokes.
//
// Reads: kNav1DmeDistance, kNav1DmeSpeed, kNav2DmeDistance, kNav2DmeSpeed, kClockSecond.
// Sends: nothing.
#include <algorithm>

#include "gauges/display_elements.h"
#include "gauges/gauge_headers.h"
#include "gauges/instrument_elements.h"
#include "gauges/sim_ids.h"
#include "gauges/switch_panel_actions.h"

namespace dme {
namespace {

// The knob's positions: off, the first receiver, hold, the second receiver.
enum Mode : SINT32 { kOff, kNav1, kHold, kNav2 };

SINT32 mode = kOff;
FLOAT64 distance = 0.0;  // as last read from the selected receiver
FLOAT64 speed = 0.0;

constexpr FLOAT64 kFastestShown = 999.0;
constexpr FLOAT64 kLongestShown = 99.0;  // minutes

// Each readout takes its value from the string's first source on the first receiver and from
// its second on the second; on hold and off it reads nothing.
bool receiving() {
  return mode == kNav1 || mode == kNav2;
}

FLOAT64 selectedSource(PELEMENT element) {
  return display::sourceValue(element, mode == kNav1 ? 0 : 1);
}

bool powered() {
  return panelState.avionics == 1;
}

// A readout's text while it receives: its value, dashes without a value, strokes without
// avionics power.
struct Readout {
  const char* format;
  const char* dashes;
  const char* strokes;
};

constexpr Readout kDistance = {"%4.1f", "----", "////"};
constexpr Readout kSpeed = {"%3.0f", "---", "///"};
constexpr Readout kTime = {"%2.0f", "--", "//"};

void showReadout(PELEMENT element, const Readout& readout, FLOAT64 value) {
  if (!powered()) {
    display::show(element, readout.strokes);
  } else if (value > 0.0) {
    display::format(element, readout.format, value);
  } else {
    display::show(element, readout.dashes);
  }
}

// Off shows nothing and hold only dashes; else the receiver's value.
bool showsNoValue(PELEMENT element, const Readout& readout) {
  if (mode == kOff) display::show(element, "");
  if (mode == kHold) display::show(element, readout.dashes);
  return !receiving();
}

FLOAT64 distanceText(PELEMENT element) {
  if (showsNoValue(element, kDistance)) return 0.0;
  distance = reading::finiteOrZero(selectedSource(element));
  showReadout(element, kDistance, distance);
  return distance;
}

FLOAT64 speedText(PELEMENT element) {
  if (showsNoValue(element, kSpeed)) return 0.0;
  speed = selectedSource(element);
  const FLOAT64 shown = reading::atMost(speed, kFastestShown);
  showReadout(element, kSpeed, shown);
  return shown;
}

// Minutes to the station from the values the other readouts kept at the last update. A time of
// exactly an hour shows as 60 like any other; only a time that is no number counts as none.
FLOAT64 timeText(PELEMENT element) {
  if (showsNoValue(element, kTime)) return 0.0;
  // An infinite time is as long as the readout goes, or none at all below 0.
  FLOAT64 minutes = reading::finiteOr(distance / speed * 60.0, -kLongestShown, kLongestShown);
  if (minutes > kLongestShown) minutes = kLongestShown;
  if (minutes < 0.0) {
    display::show(element, "");
  } else {
    showReadout(element, kTime, minutes);
  }
  return minutes;
}

FLOAT64 litFace(PELEMENT) {
  return mode < kNav1 ? -1.0 : 1.0;
}

FLOAT64 knobImage(PELEMENT) {
  return mode;
}

// One legend per position that shows values, none when off.
FLOAT64 legendImage(PELEMENT) {
  return mode - 1.0;
}

int knobLeft(PPIXPOINT, FLAGS32) {
  mode = std::max<SINT32>(mode - 1, kOff);
  PlaySound(SoundId::Click);
  return 0;
}

int knobRight(PPIXPOINT, FLAGS32) {
  mode = std::min<SINT32>(mode + 1, kNav2);
  PlaySound(SoundId::Click);
  return 0;
}

constexpr COLORREF32 kDigits = 0x0000FF;
constexpr COLORREF32 kGlass = 0x080808;

constexpr build::StringSpec readout(PIXPOINT at, ID32 nav1, ID32 nav2, SINT32 width, UINT32 chars,
                                    PELEMENT_CALLBACK callback) {
  return {.at = at,
          .sources = {nav1, nav2, tok::kClockSecond},
          .width = width,
          .height = 14,
          .chars = chars,
          .foreground = kDigits,
          .background = kGlass,
          .highlight = kGlass,
          .callback = callback};
}

}  // namespace
}  // namespace dme

using build::next;
using switch_panel::kSingleClick;

namespace DME_gauge {
using namespace dme;

extern ELEMENT_ICON face, knob, legend;
extern ELEMENT_STRING timeReadout, groundSpeed, distanceReadout;

ELEMENT_STATIC_IMAGE background =
    build::staticImage(143, {0, 0}, gauge_DME, kBackgroundFlags, nullptr, next<face>);
ELEMENT_ICON face = build::icon(
    gauge_DME, {.bitmap = 151, .images = 1, .callback = litFace, .flags = kMovingImageFlags},
    next<knob>);
ELEMENT_ICON knob = build::icon(
    gauge_DME, {.bitmap = 144, .images = 4, .at = {75, 40}, .callback = knobImage}, next<legend>);
ELEMENT_ICON legend = build::icon(
    gauge_DME,
    {.bitmap = 148, .images = 3, .at = {15, 0}, .callback = legendImage, .flags = kLampFlags},
    next<timeReadout>);
ELEMENT_STRING timeReadout =
    build::string(gauge_DME, readout({116, 17}, 0, 0, 16, 2, timeText), next<groundSpeed>);
ELEMENT_STRING groundSpeed = build::string(
    gauge_DME, readout({75, 17}, tok::kNav1DmeSpeed, tok::kNav2DmeSpeed, 24, 3, speedText),
    next<distanceReadout>);
ELEMENT_STRING distanceReadout = build::string(
    gauge_DME,
    readout({24, 17}, tok::kNav1DmeDistance, tok::kNav2DmeDistance, 32, 4, distanceText));

PELEMENT_HEADER elements[] = {&background.header, nullptr};

MOUSERECT mouse[] = {
    build::wholeGauge(0xA704),
    build::child({65, 40, 22, 21}, CURSOR_DOWN_ARROW, kSingleClick, knobLeft),
    build::child({87, 40, 22, 21}, CURSOR_UP_ARROW, kSingleClick, knobRight),
    build::endOfParent(),
    build::endOfList(),
};

}  // namespace DME_gauge

GAUGEHDR gauge_DME = build::gaugeHeader("DME", DME_gauge::elements, DME_gauge::mouse);
