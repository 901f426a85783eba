// The attitude indicator with its pitch-adjust knob, the RMI with its source switch, and the
// marker lights with their three-position switch.
//
// Reads: kPitch, kBank, kSuction, kHeading, kNav1Radial, kNav1Flags, kNav1Signal, kNav2Flags,
// kNav2Signal, kNav2Bearing, kAdfSignal, kAdfBearing, kWarning, kMarkerBeacon.
// Sends: nothing.
#include "gauges/gauge_headers.h"
#include "gauges/instrument_elements.h"
#include "gauges/nav_readings.h"
#include "gauges/sim_ids.h"
#include "gauges/sprite_element.h"
#include "gauges/switch_panel_actions.h"

namespace attitude_rmi_markers {
namespace {

using reading::compassCard;
using reading::finiteOrZero;
using reading::ownValue;
using reading::shownIf;
using reading::warningFlag;

// ---- Attitude indicator ----

// The knob shifts the horizon by whole steps, at most 15 either way.
constexpr SINT32 kPitchAdjustLimit = 15;
SINT32 pitchAdjustment = 0;

// The horizon stops at 43 degrees of pitch; inside that the knob's setting shifts it.
FLOAT64 horizonPitch(PELEMENT element) {
  const FLOAT64 pitch =
      reading::numberOrZero(reinterpret_cast<ELEMENT_SPRITE*>(element)->source_var_y.var_value.n);
  if (pitch > 43.0) return 43.0;
  if (pitch < -43.0) return -43.0;
  return pitch + pitchAdjustment;
}

FLOAT64 bankPointer(PELEMENT element) {
  return finiteOrZero(ownValue<ELEMENT_NEEDLE>(element)) - 90.0;
}

// The gyro has toppled beyond 50 degrees of pitch, or its vacuum is too weak to spin it.
FLOAT64 gyroFlag(PELEMENT element) {
  const FLOAT64 pitch = ownValue<ELEMENT_ICON>(element);
  return shownIf(pitch > 50.0 || panelState.stored_suction < 0.5 || pitch < -50.0);
}

// Each click sounds, also against a stop.
template <SINT32 Step>
int adjustPitch(PPIXPOINT, FLAGS32) {
  const SINT32 next = pitchAdjustment + Step;
  if (next >= -kPitchAdjustLimit && next <= kPitchAdjustLimit) pitchAdjustment = next;
  PlaySound(SoundId::Click);
  return 0;
}

// ---- RMI ----

MODULE_VAR headingVar = build::token(tok::kHeading);
MODULE_VAR radialVar = build::token(tok::kNav1Radial);
MODULE_VAR nav1SignalVar = build::token(tok::kNav1Signal);
MODULE_VAR nav1FlagsVar = build::token(tok::kNav1Flags);
MODULE_VAR nav2FlagsVar = build::token(tok::kNav2Flags);
MODULE_VAR nav2SignalVar = build::token(tok::kNav2Signal);
MODULE_VAR adfSignalVar = build::token(tok::kAdfSignal);

constexpr SINT32 kFirstSource = 1;
constexpr SINT32 kSecondSource = 0;

// Where the pointers rest without a bearing: across the card.
constexpr FLOAT64 kPointerParked = 90.0;
constexpr FLOAT64 kAdfPointerParked = 305.0;

// A receiver's state word with any of the bits 0x88 in its low byte has no usable bearing.
bool bearingUnusable(UINT32 stateWord) {
  return (stateWord & 0x88u) != 0;
}

// The first source's bearing comes as a radial (65536 a turn, taken as 182 a degree) and is
// turned onto the card by the heading; the second source's is the needle's own token.
FLOAT64 firstSourceBearing() {
  FLOAT64 bearing = finiteOrZero(frame::valueOf(radialVar)) * 0.005494505494505495;
  const FLOAT64 heading = finiteOrZero(headingVar.var_value.n);
  if (heading > 0.0 && heading < 180.0) bearing -= heading + 180.0;
  if (heading > 180.0 && heading < 360.0) bearing -= heading - 180.0;
  return bearing < 0.0 ? bearing + 360.0 : bearing;
}

FLOAT64 switchablePointer(PELEMENT element) {
  frame::lookupVar(headingVar);
  const FLOAT64 nav1Signal = frame::valueOf(nav1SignalVar);
  const UINT32 nav1Flags = reading::integerOf(nav1FlagsVar);
  const UINT32 nav2Flags = reading::integerOf(nav2FlagsVar);
  switch (panelState.rmi_source_copy) {
    case kFirstSource:
      if (nav1Signal == 0.0 || bearingUnusable(nav1Flags)) return kPointerParked;
      return firstSourceBearing();
    case kSecondSource:
      if (bearingUnusable(nav2Flags)) return kPointerParked;
      return finiteOrZero(ownValue<ELEMENT_NEEDLE>(element));
    default:
      return kPointerParked;
  }
}

FLOAT64 switchablePointerFlag(PELEMENT) {
  const FLOAT64 nav1Signal = frame::valueOf(nav1SignalVar);
  const FLOAT64 nav2Signal = frame::valueOf(nav2SignalVar);
  const SINT32 source = panelState.rmi_source_copy;
  if ((source == kFirstSource && nav1Signal == 0.0) ||
      (source == kSecondSource && nav2Signal == 0.0))
    return 1.0;
  return shownIf(panelState.avionics == 0);
}

FLOAT64 adfPointer(PELEMENT element) {
  if (frame::valueOf(adfSignalVar) == 0.0 || !panelState.powered()) return kAdfPointerParked;
  return finiteOrZero(ownValue<ELEMENT_NEEDLE>(element));
}

FLOAT64 adfFlag(PELEMENT element) {
  return shownIf(ownValue<ELEMENT_ICON>(element) == 0.0);
}

// The switch hands its state to the RMI at every update of its own.
FLOAT64 sourceSwitch(PELEMENT) {
  panelState.rmi_source_copy = panelState.rmi_source_state;
  return panelState.rmi_source_state;
}

int flipSource(PPIXPOINT, FLAGS32) {
  panelState.rmi_source_state =
      panelState.rmi_source_state == kFirstSource ? kSecondSource : kFirstSource;
  PlaySound(SoundId::Click);
  return 0;
}

// ---- Marker lights ----

// The switch: 0, then the lamps of position 1, then those of position 2.
constexpr SINT32 kMarkerPositions = 3;
SINT32 markerSwitch = 0;

FLOAT64 markerSwitchImage(PELEMENT) {
  return markerSwitch;
}

// Each position has its own lamp row; the beacon passed over (1, 2 or 3) lights one lamp.
template <SINT32 Position>
FLOAT64 markerLamps(PELEMENT element) {
  if (markerSwitch != Position || panelState.avionics == 0) return -1.0;
  const FLOAT64 beacon = ownValue<ELEMENT_ICON>(element);
  if (beacon == 1.0) return 2.0;
  if (beacon == 2.0) return 1.0;
  if (beacon == 3.0) return 0.0;
  return -1.0;
}

int turnMarkerSwitch(PPIXPOINT, FLAGS32) {
  markerSwitch = (markerSwitch + 1) % kMarkerPositions;
  PlaySound(SoundId::Click);
  return 0;
}

}  // namespace
}  // namespace attitude_rmi_markers

using build::next;
using namespace attitude_rmi_markers;
using switch_panel::kSingleClick;

namespace ADI_gauge {
extern ELEMENT_SPRITE horizon;
extern ELEMENT_NEEDLE bank;
extern ELEMENT_STATIC_IMAGE mask;
extern ELEMENT_ICON gyro;
ELEMENT_STATIC_IMAGE background =
    build::staticImage(163, {0, 0}, gauge_ADI, kBackgroundFlags, nullptr, next<horizon>);
ELEMENT_SPRITE horizon =
    build::sprite(gauge_ADI,
                  {.bitmap = 164,
                   .at = {0, 0},
                   .centre = {82, 84},
                   .y = {.source = tok::kPitch, .scale = 1.4, .callback = horizonPitch},
                   .angle = {.source = tok::kBank, .scale = -1.0},
                   .textureScale = 1.22f,
                   .failures = failures::key8_action0},
                  next<bank>);
ELEMENT_NEEDLE bank = build::needle(gauge_ADI,
                                    {.bitmap = 167,
                                     .at = {82, 84},
                                     .pivot = {-31, 47},
                                     .source = tok::kBank,
                                     .callback = bankPointer,
                                     .failures = failures::key8_action0,
                                     .maxDegreesPerTick = 0.0},
                                    nullptr, 0, next<mask>);
ELEMENT_STATIC_IMAGE mask = build::overlayImage(166, {32, 105}, gauge_ADI, next<gyro>);
ELEMENT_ICON gyro = build::icon(gauge_ADI, {.bitmap = 168,
                                            .images = 1,
                                            .at = {29, 32},
                                            .source = tok::kPitch,
                                            .callback = gyroFlag,
                                            .flags = kMovingImageFlags});
PELEMENT_HEADER elements[] = {&background.header, nullptr};
// The pitch knob: its left half lowers the horizon, its right half raises it.
MOUSERECT mouse[] = {
    build::wholeGauge(0xAB0D),
    build::child({66, 128, 15, 24}, CURSOR_DOWN_ARROW, kSingleClick, adjustPitch<-1>),
    build::child({81, 128, 15, 24}, CURSOR_UP_ARROW, kSingleClick, adjustPitch<1>),
    build::endOfParent(),
    build::endOfList(),
};
}  // namespace ADI_gauge
GAUGEHDR gauge_ADI = build::gaugeHeader("ADI", ADI_gauge::elements, ADI_gauge::mouse);

namespace RMI_gauge {
extern ELEMENT_NEEDLE card, switchable, adf;
extern ELEMENT_ICON adfOff, switchableOff, warning;
extern ELEMENT_STATIC_IMAGE overlay;
// The card and pointers are computed angles: they jump to them.
constexpr ELEMENT_NEEDLE rmiNeedle(SINT32 bitmap, PIXPOINT at, PIXPOINT pivot, ID32 source,
                                   PELEMENT_CALLBACK angle, PFAILURE_RECORD failureList,
                                   PELEMENT_HEADER* nextList) {
  return build::needle(gauge_RMI,
                       {.bitmap = bitmap,
                        .at = at,
                        .pivot = pivot,
                        .source = source,
                        .callback = angle,
                        .failures = failureList,
                        .maxDegreesPerTick = 0.0},
                       nullptr, 0, nextList);
}
constexpr ELEMENT_ICON rmiFlag(SINT32 bitmap, PIXPOINT at, ID32 source, PELEMENT_CALLBACK shown,
                               PELEMENT_HEADER* nextList) {
  return build::icon(gauge_RMI,
                     {.bitmap = bitmap,
                      .images = 1,
                      .at = at,
                      .source = source,
                      .callback = shown,
                      .flags = kMovingImageFlags},
                     nextList);
}
ELEMENT_STATIC_IMAGE background = build::staticImage(152, {0, 0}, gauge_RMI, kBackgroundFlags,
                                                     failures::key20_action2, next<card>);
ELEMENT_NEEDLE card = rmiNeedle(153, {74, 75}, {63, 63}, tok::kHeading, compassCard,
                                failures::key20_action1, next<switchable>);
ELEMENT_NEEDLE switchable = rmiNeedle(154, {73, 76}, {6, 45}, tok::kNav2Bearing, switchablePointer,
                                      failures::key20_action2, next<adf>);
ELEMENT_NEEDLE adf = rmiNeedle(155, {73, 76}, {7, 45}, tok::kAdfBearing, adfPointer,
                               failures::key5_action2, next<adfOff>);
ELEMENT_ICON adfOff = rmiFlag(158, {91, 14}, tok::kAdfSignal, adfFlag, next<switchableOff>);
ELEMENT_ICON switchableOff = rmiFlag(157, {31, 14}, 0, switchablePointerFlag, next<warning>);
ELEMENT_ICON warning = rmiFlag(159, {61, 8}, tok::kWarning, warningFlag, next<overlay>);
ELEMENT_STATIC_IMAGE overlay =
    build::staticImage(156, {0, 0}, gauge_RMI, kMovingImageFlags, nullptr);
PELEMENT_HEADER elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {QTP_HELP_ONLY_MOUSE(0xAB5A)};
}  // namespace RMI_gauge
GAUGEHDR gauge_RMI = build::gaugeHeader("RMI", RMI_gauge::elements, RMI_gauge::mouse);

namespace RMSW_gauge {
extern ELEMENT_ICON lever;
ELEMENT_STATIC_IMAGE background =
    build::staticImage(160, {0, 0}, gauge_RMSW, kBackgroundFlags, nullptr, next<lever>);
ELEMENT_ICON lever =
    build::icon(gauge_RMSW, {.bitmap = 161, .images = 2, .at = {12, 24}, .callback = sourceSwitch});
PELEMENT_HEADER elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    build::wholeGauge(0),
    build::child({12, 24, 24, 35}, CURSOR_HAND, kSingleClick, flipSource),
    build::endOfParent(),
    build::endOfList(),
};
}  // namespace RMSW_gauge
GAUGEHDR gauge_RMSW = build::gaugeHeader("RMSW", RMSW_gauge::elements, RMSW_gauge::mouse);

namespace OMI_gauge {
extern ELEMENT_STATIC_IMAGE label;
extern ELEMENT_ICON knob, lampsOfPosition2, lampsOfPosition1;
constexpr ELEMENT_ICON lamps(PELEMENT_CALLBACK lit, FLAGS32 flags, PELEMENT_HEADER* nextList) {
  return build::icon(gauge_OMI,
                     {.bitmap = 171,
                      .images = 3,
                      .source = tok::kMarkerBeacon,
                      .callback = lit,
                      .flags = flags,
                      .failures = failures::key20_action3},
                     nextList);
}
ELEMENT_STATIC_IMAGE background =
    build::staticImage(170, {0, 0}, gauge_OMI, kBackgroundFlags, nullptr, next<label>);
ELEMENT_STATIC_IMAGE label =
    build::staticImage(174, {0, 0}, gauge_OMI, kMovingImageFlags, nullptr, next<knob>);
ELEMENT_ICON knob = build::icon(
    gauge_OMI, {.bitmap = 175, .images = 3, .at = {81, -2}, .callback = markerSwitchImage},
    next<lampsOfPosition2>);
ELEMENT_ICON lampsOfPosition2 = lamps(markerLamps<2>, kImageFlags, next<lampsOfPosition1>);
ELEMENT_ICON lampsOfPosition1 = lamps(markerLamps<1>, kLampFlags, nullptr);
PELEMENT_HEADER elements[] = {&background.header, nullptr};
MOUSERECT mouse[] = {
    build::wholeGauge(0xAB50),
    build::child({81, -2, 24, 35}, CURSOR_HAND, kSingleClick, turnMarkerSwitch),
    build::endOfParent(),
    build::endOfList(),
};
}  // namespace OMI_gauge
GAUGEHDR gauge_OMI = build::gaugeHeader("OMI", OMI_gauge::elements, OMI_gauge::mouse);
