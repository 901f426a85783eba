// The HSI on the first navigation receiver and the second course deviation indicator on the
// second, each with its double knob.
//
// Reads: kHeading, kHeadingMarker, kNav1Course, kNav1Deviation, kNav1ToFrom, kNav1Flags,
// kNav1Signal, kNav1Frequency, kGlideSlopeDeviation, kGlideSlopeValid, kWarning, kNav2Course,
// kNav2Deviation, kNav2ToFrom.
// Sends: kHeadingMarkerDec, kHeadingMarkerInc, kNav1CourseDec, kNav1CourseInc, kNav2CourseDec,
// kNav2CourseInc.
#include "gauges/gauge_headers.h"
#include "gauges/instrument_elements.h"
#include "gauges/nav_readings.h"
#include "gauges/radio_state.h"
#include "gauges/sim_ids.h"
#include "gauges/sprite_element.h"
#include "gauges/switch_panel_actions.h"

namespace nav_indicators {
namespace {

using reading::compassCard;
using reading::finiteOrZero;
using reading::ownValue;
using reading::shownIf;
using reading::warningFlag;
using reading::withinTurn;

MODULE_VAR headingVar = build::token(tok::kHeading);
MODULE_VAR toFromVar = build::token(tok::kNav1ToFrom);
MODULE_VAR receiverFlagsVar = build::token(tok::kNav1Flags);
MODULE_VAR glideSlopeValidVar = build::token(tok::kGlideSlopeValid);
MODULE_VAR signalVar = build::token(tok::kNav1Signal);
MODULE_VAR frequencyVar = build::token(tok::kNav1Frequency);

constexpr UINT32 kToStation = 1;
constexpr UINT32 kFromStation = 2;
// Set in the receiver's state word when it gives neither to-from nor glide slope.
constexpr UINT32 kNoApproachGuidance = 0x40;

// The card turns under a fixed lubber line; what rides on it is drawn relative to the heading.
FLOAT64 heading() {
  return withinTurn(frame::valueOf(headingVar));
}

// The marker bitmap points along x, a quarter turn from the other pointers.
FLOAT64 headingMarker(PELEMENT element) {
  return withinTurn(ownValue<ELEMENT_NEEDLE>(element)) - heading() + 90.0;
}

FLOAT64 coursePointer(PELEMENT element) {
  return withinTurn(ownValue<ELEMENT_NEEDLE>(element)) - heading();
}

FLOAT64 deviationOffset(PELEMENT element) {
  return finiteOrZero(reinterpret_cast<ELEMENT_SPRITE*>(element)->source_var_x.var_value.n);
}

FLOAT64 deviationCourse(PELEMENT element) {
  return withinTurn(reinterpret_cast<ELEMENT_SPRITE*>(element)->source_var_angle.var_value.n) -
         heading();
}

FLOAT64 toFromArrow(PELEMENT element) {
  const UINT32 toFrom = reading::integerOf(toFromVar);
  const FLOAT64 course = withinTurn(ownValue<ELEMENT_NEEDLE>(element));
  if (toFrom == kToStation) return course - heading();
  if (toFrom == kFromStation) return course - heading() - 180.0;
  return course;
}

// Out of view only while the receiver has a signal and the avionics are on.
FLOAT64 navFlag(PELEMENT) {
  return shownIf(frame::valueOf(signalVar) == 0.0 || panelState.avionics == 0);
}

// The localizer channels: 108.10 to 111.90 MHz on the odd tenths, in units of 10 kHz.
constexpr UINT32 kFirstLocalizer = 10810;
constexpr UINT32 kLastLocalizer = 11190;
constexpr UINT32 kLocalizerSpacing = 20;

bool isLocalizer(UINT32 channel) {
  return channel >= kFirstLocalizer && channel <= kLastLocalizer &&
         (channel - kFirstLocalizer) % kLocalizerSpacing == 0;
}

// The glide-slope flag is in view on a localizer channel without a signal. Reading the tuned
// frequency also keeps the first NAV radio's active frequency current.
FLOAT64 glideSlopeFlag(PELEMENT) {
  const UINT32 channel = radio::decodeNavBcd(reading::integerOf(frequencyVar)).channel;
  radio::radioState.nav1.active = channel;
  if (frame::valueOf(signalVar) != 0.0) return -1.0;
  return shownIf(isLocalizer(channel));
}

template <ID32 Event, UINT32 Value>
int turnKnob(PPIXPOINT, FLAGS32) {
  frame::triggerKeyEvent(Event, Value);
  PlaySound(SoundId::Click);
  return 0;
}

// CDI2's to-from window: to, from, and the off flag, which also shows without avionics power.
constexpr FLOAT64 kCdiTo = 0.0;
constexpr FLOAT64 kCdiFrom = 1.0;
constexpr FLOAT64 kCdiOff = 2.0;

FLOAT64 cdiToFrom(PELEMENT element) {
  if (panelState.avionics == 0) return kCdiOff;
  if (panelState.avionics != 1) return -1.0;
  switch (reading::ownInteger(element)) {
    case 0:
      return kCdiOff;
    case kToStation:
      return kCdiTo;
    case kFromStation:
      return kCdiFrom;
    default:
      return -1.0;
  }
}

}  // namespace
}  // namespace nav_indicators

using build::next;
using namespace nav_indicators;
using switch_panel::kRepeatWhileHeld;

namespace HSI_gauge {
extern ELEMENT_NEEDLE card, marker, course, arrow;
extern ELEMENT_SPRITE deviation;
extern ELEMENT_ICON warning, navOff, glideSlopeOff;
extern ELEMENT_STATIC_IMAGE bezel, glideSlopeScale;
extern ELEMENT_SLIDER glideSlope;

// Depths along the chain from the background that the gauge callback shows and hides.
constexpr int kToFromArrow = 5;
constexpr int kGlideSlopePointer = 10;
constexpr int kGlideSlopeScale = 11;

// Everything turns about the card's centre and jumps to its angle.
constexpr ELEMENT_NEEDLE hsiNeedle(SINT32 bitmap, PIXPOINT pivot, ID32 source,
                                   PELEMENT_CALLBACK angle, PELEMENT_HEADER* nextList) {
  return build::needle(gauge_HSI,
                       {.bitmap = bitmap,
                        .at = {85, 79},
                        .pivot = pivot,
                        .source = source,
                        .callback = angle,
                        .failures = failures::key20_action1,
                        .maxDegreesPerTick = 0.0},
                       nullptr, 0, nextList);
}
constexpr ELEMENT_ICON hsiFlag(SINT32 bitmap, PIXPOINT at, ID32 source, PELEMENT_CALLBACK shown,
                               PELEMENT_HEADER* nextList) {
  return build::icon(gauge_HSI,
                     {.bitmap = bitmap,
                      .images = 1,
                      .at = at,
                      .source = source,
                      .callback = shown,
                      .flags = kMovingImageFlags,
                      .failures = failures::key20_action1},
                     nextList);
}
ELEMENT_STATIC_IMAGE background =
    build::staticImage(178, {0, 0}, gauge_HSI, kBackgroundFlags, nullptr, next<card>);
ELEMENT_NEEDLE card = hsiNeedle(179, {51, 51}, tok::kHeading, compassCard, next<marker>);
ELEMENT_NEEDLE marker = hsiNeedle(183, {52, 5}, tok::kHeadingMarker, headingMarker, next<course>);
ELEMENT_NEEDLE course = hsiNeedle(180, {29, 50}, tok::kNav1Course, coursePointer, next<deviation>);
ELEMENT_SPRITE deviation = build::sprite(
    gauge_HSI,
    {.bitmap = 181,
     .at = {35, 28},
     .centre = {85, 79},
     .x = {.source = tok::kNav1Deviation, .scale = -0.24, .callback = deviationOffset},
     .angle = {.source = tok::kNav1Course, .scale = -1.0, .callback = deviationCourse},
     .failures = failures::key20_action1},
    next<arrow>);
ELEMENT_NEEDLE arrow = hsiNeedle(188, {8, 24}, tok::kNav1Course, toFromArrow, next<warning>);
ELEMENT_ICON warning = hsiFlag(186, {71, 20}, tok::kWarning, warningFlag, next<bezel>);
ELEMENT_STATIC_IMAGE bezel =
    build::staticImage(189, {0, 0}, gauge_HSI, kDialBackgroundFlags, nullptr, next<navOff>);
ELEMENT_ICON navOff = hsiFlag(185, {42, 29}, 0, navFlag, next<glideSlopeOff>);
ELEMENT_ICON glideSlopeOff = hsiFlag(187, {100, 29}, 0, glideSlopeFlag, next<glideSlope>);
ELEMENT_SLIDER glideSlope = build::withFailures(
    build::slider(
        gauge_HSI,
        {.bitmap = 184, .at = {17, 74}, .sourceY = tok::kGlideSlopeDeviation, .scaleY = 0.28},
        next<glideSlopeScale>),
    failures::key20_action1);
ELEMENT_STATIC_IMAGE glideSlopeScale = build::overlayImage(190, {17, 51}, gauge_HSI);
PELEMENT_HEADER elements[] = {&background.header, nullptr};
// The heading-marker knob at the left, the course knob at the right: each turns while held.
MOUSERECT mouse[] = {
    build::wholeGauge(0xAB36),
    build::child({16, 121, 15, 20}, CURSOR_DOWN_ARROW, kRepeatWhileHeld,
                 turnKnob<evt::kHeadingMarkerDec, 0>),
    build::child({31, 121, 15, 20}, CURSOR_UP_ARROW, kRepeatWhileHeld,
                 turnKnob<evt::kHeadingMarkerInc, 0>),
    build::child({122, 121, 15, 20}, CURSOR_DOWN_ARROW, kRepeatWhileHeld,
                 turnKnob<evt::kNav1CourseDec, 0>),
    build::child({137, 121, 15, 20}, CURSOR_UP_ARROW, kRepeatWhileHeld,
                 turnKnob<evt::kNav1CourseInc, 0>),
    build::endOfParent(),
    build::endOfList(),
};

void showOrHide(int depth, bool shown) {
  if (shown) {
    frame::showAtDepth(&background.header, depth);
  } else {
    frame::hideAtDepth(&background.header, depth);
  }
}

// Before each update: the to-from arrow shows only with a to or from indication, and the
// glide-slope parts only where the receiver gives one.
void followReceiver(PGAUGEHDR, SINT32 service, UINTPTR) {
  if (service != GAUGE_SERVICE_PRE_UPDATE) return;
  const UINT32 toFrom = reading::integerOf(toFromVar);
  const bool noGuidance = (reading::integerOf(receiverFlagsVar) & kNoApproachGuidance) != 0;
  showOrHide(kToFromArrow, (toFrom == kToStation || toFrom == kFromStation) && !noGuidance);
  showOrHide(kGlideSlopeScale, !noGuidance);
  showOrHide(kGlideSlopePointer, frame::valueOf(glideSlopeValidVar) == 1.0);
}
}  // namespace HSI_gauge
GAUGEHDR gauge_HSI =
    build::gaugeHeader("HSI", HSI_gauge::elements, HSI_gauge::mouse, HSI_gauge::followReceiver);

namespace CDI2_gauge {
extern ELEMENT_STATIC_IMAGE face;
extern ELEMENT_NEEDLE card;
extern ELEMENT_ICON toFrom;
extern ELEMENT_SLIDER deviation;
ELEMENT_STATIC_IMAGE background = build::staticImage(202, {0, 0}, gauge_CDI2, kBackgroundFlags,
                                                     failures::key20_action2, next<face>);
ELEMENT_STATIC_IMAGE face = build::staticImage(207, {0, 0}, gauge_CDI2, kMovingImageFlags,
                                               failures::key20_action2, next<card>);
ELEMENT_NEEDLE card = build::needle(gauge_CDI2,
                                    {.bitmap = 203,
                                     .at = {73, 75},
                                     .pivot = {63, 63},
                                     .source = tok::kNav2Course,
                                     .callback = compassCard,
                                     .failures = failures::key15_action1,
                                     .maxDegreesPerTick = 0.0},
                                    nullptr, 0, next<toFrom>);
ELEMENT_ICON toFrom = build::icon(gauge_CDI2,
                                  {.bitmap = 204,
                                   .images = 3,
                                   .at = {67, 100},
                                   .source = tok::kNav2ToFrom,
                                   .callback = cdiToFrom,
                                   .flags = kMovingImageFlags,
                                   .failures = failures::key15_action1},
                                  next<deviation>);
ELEMENT_SLIDER deviation = build::withFailures(
    build::slider(gauge_CDI2,
                  {.bitmap = 208, .at = {72, 40}, .sourceX = tok::kNav2Deviation, .scaleX = 0.25}),
    failures::key15_action1);
PELEMENT_HEADER elements[] = {&background.header, nullptr};
// The course knob turns while held.
MOUSERECT mouse[] = {
    build::wholeGauge(0xAB74),
    build::child({0, 117, 18, 31}, CURSOR_DOWN_ARROW, kRepeatWhileHeld,
                 turnKnob<evt::kNav2CourseDec, 1>),
    build::child({18, 117, 18, 31}, CURSOR_UP_ARROW, kRepeatWhileHeld,
                 turnKnob<evt::kNav2CourseInc, 1>),
    build::endOfParent(),
    build::endOfList(),
};
}  // namespace CDI2_gauge
GAUGEHDR gauge_CDI2 = build::gaugeHeader("CDI2", CDI2_gauge::elements, CDI2_gauge::mouse);
