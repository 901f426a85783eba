#pragma once
// What the four radio faces share: the click kinds, the displays, the lit face, the power knob,
// and the layout of a face's elements and mouse areas. Each radio's behaviour is a struct of
// static callbacks (radio_stack_com.h, radio_stack_nav.h) that the layout is built around.
#include <array>
#include <cstdio>

#include "gauges/display_elements.h"
#include "gauges/gauge_headers.h"
#include "gauges/panel_state.h"
#include "gauges/radio_state.h"
#include "gauges/sound/sound_engine.h"
#include "gauges/switch_panel_elements.h"

namespace radio_face {

constexpr FLAGS32 kSingleClick = MOUSE_LEFT_SINGLE;
constexpr FLAGS32 kRepeatWhileHeld = MOUSE_LEFT_SINGLE | MOUSE_REPEAT_WHILE_HELD;
// Tuning and transfer tell the host that they took the click; the switches do not.
constexpr int kClickTaken = 1;
constexpr int kClickPassed = 0;

// A knob step beeps and takes the click.
inline int tuned() {
  PlaySound(SoundId::RadioBeep);
  return kClickTaken;
}

// A transfer of a radio the simulator tunes: the old standby is sent in the simulator's BCD
// form and becomes the active frequency; the simulator's frequency at the last draw becomes the
// standby as the nearest channel of the band.
struct SimulatorTuned {
  ID32 setFrequency;
  UINT32 (*channelOf)(UINT32);
  UINT32 (*bcdOf)(UINT32);
  SoundId sound;
};

template <typename State>
int transferThroughSimulator(State& radio, const SimulatorTuned& how) {
  const UINT32 sent = radio.standby;
  radio.standby = how.channelOf(radio.active);
  radio.active = sent;
  frame::triggerKeyEvent(how.setFrequency, how.bcdOf(sent));
  PlaySound(how.sound);
  return kClickTaken;
}

// The displays: red digits on dark glass.
constexpr COLORREF32 kDigitColour = 0x0000FF;
constexpr COLORREF32 kGlassColour = 0x080808;

constexpr ELEMENT_STRING display(GAUGEHDR& gauge, PIXPOINT at, ID32 source,
                                 PELEMENT_CALLBACK callback, PELEMENT_HEADER* nextList = nullptr) {
  return build::string(gauge,
                       {.at = at,
                        .sources = {source, 0, 0},
                        .width = 48,
                        .height = 14,
                        .chars = 6,
                        .foreground = kDigitColour,
                        .background = kGlassColour,
                        .highlight = kGlassColour,
                        .callback = callback},
                       nextList);
}

// A display's text: the frequency while the radio shows, else nothing. The buffer holds the
// whole text ("%6.3f" of 100 MHz and more is seven characters).
enum class Digits { Com, Nav };

inline void showFrequency(PELEMENT element, bool shows, Digits digits, FLOAT64 megahertz) {
  char(&text)[STRING_ELEMENT_TEXT_SIZE] = reinterpret_cast<ELEMENT_STRING*>(element)->text;
  if (!shows) {
    text[0] = '\0';
  } else if (digits == Digits::Com) {
    std::snprintf(text, sizeof text, "%6.3f", megahertz);
  } else {
    std::snprintf(text, sizeof text, "%.2f", megahertz);
  }
}

// The callbacks every face has, for the radio `Radio` of the module's radio state.
template <auto radio::RadioState::*Radio>
struct FaceBasics {
  static auto& state() { return radio::radioState.*Radio; }
  static bool shows() { return state().switches.shows(panelState.avionics); }

  static FLOAT64 litFace(PELEMENT) { return shows() ? 1.0 : -1.0; }
  static FLOAT64 knob(PELEMENT) { return state().switches.knobImage(); }
};

constexpr ELEMENT_ICON litFace(GAUGEHDR& gauge, SINT32 bitmap, PELEMENT_CALLBACK callback,
                               PELEMENT_HEADER* nextList) {
  return build::icon(gauge,
                     {.bitmap = bitmap,
                      .images = 1,
                      .callback = callback,
                      .flags = kMovingImageFlags,
                      .failures = failures::key20_action3},
                     nextList);
}

constexpr ELEMENT_ICON spacingLight(GAUGEHDR& gauge, PELEMENT_CALLBACK callback,
                                    PELEMENT_HEADER* nextList) {
  return build::icon(gauge, {.bitmap = 286, .images = 2, .at = {232, 17}, .callback = callback},
                     nextList);
}

// The power knob's four images: off/pushed, on/pushed, off/pulled, on/pulled.
constexpr ELEMENT_ICON powerKnob(GAUGEHDR& gauge, PELEMENT_CALLBACK callback,
                                 PELEMENT_HEADER* nextList, SINT32 bitmap = 281) {
  return build::icon(gauge, {.bitmap = bitmap, .images = 4, .at = {191, 30}, .callback = callback},
                     nextList);
}

constexpr PIXPOINT kStandbyDisplay = {112, 8};
constexpr PIXPOINT kActiveDisplay = {34, 8};

// Where the tuning knob's left (down) and right (up) click areas begin.
struct KnobColumns {
  SINT32 down;
  SINT32 up;
};
constexpr KnobColumns kComKnob = {223, 249};
constexpr KnobColumns kNavKnob = {229, 243};

template <typename Actions>
concept HasSpacingButton = requires {
  Actions::toggleSpacing;
};

// The face's mouse list: the whole face with its help, the transfer button, the knob's four
// areas (whole MHz above, fraction below), the power switch, the pull knob and, on COM faces,
// the spacing button.
template <typename Actions>
constexpr auto faceMouse(ID32 helpId, KnobColumns knob) {
  constexpr std::size_t kCount = HasSpacingButton<Actions> ? 11 : 10;
  std::array<MOUSERECT, kCount> list{};
  std::size_t n = 0;
  list[n++] = build::wholeGauge(helpId);
  list[n++] = build::child({88, 36, 18, 11}, CURSOR_HAND, kSingleClick, Actions::transfer);
  list[n++] = build::child({knob.down, 14, 14, 14}, CURSOR_DOWN_ARROW, kRepeatWhileHeld,
                           Actions::wholeDown);
  list[n++] = build::child({knob.down, 28, 14, 14}, CURSOR_DOWN_ARROW, kRepeatWhileHeld,
                           Actions::fractionDown);
  list[n++] =
      build::child({knob.up, 14, 14, 14}, CURSOR_UP_ARROW, kRepeatWhileHeld, Actions::wholeUp);
  list[n++] =
      build::child({knob.up, 28, 14, 14}, CURSOR_UP_ARROW, kRepeatWhileHeld, Actions::fractionUp);
  list[n++] = build::child({175, 40, 16, 11}, CURSOR_HAND, kSingleClick, Actions::togglePower);
  list[n++] = build::child({191, 30, 16, 15}, CURSOR_HAND, kSingleClick, Actions::togglePull);
  if constexpr (HasSpacingButton<Actions>) {
    list[n++] = build::child({237, 22, 12, 14}, CURSOR_HAND, kSingleClick, Actions::toggleSpacing);
  }
  list[n++] = build::endOfParent();
  list[n++] = build::endOfList();
  return list;
}

}  // namespace radio_face

// A face from the background outwards: background, lit face, the spacing light (COM faces only,
// written between the two macros), power knob, standby display, active display; then its mouse
// list and the header `gauge_<NAME>`.
#define QTP_RADIO_FACE_BEGIN(NAME, ACTIONS, BACKGROUND, LIT, AFTER_LIT)              \
  namespace NAME##_gauge {                                                           \
    using Actions = ACTIONS;                                                         \
    using build::next;                                                               \
    extern ELEMENT_ICON litFace, spacingLight, knob;                                 \
    extern ELEMENT_STRING standby, active;                                           \
    ELEMENT_STATIC_IMAGE background = build::staticImage(                            \
        BACKGROUND, {0, 0}, gauge_##NAME, kBackgroundFlags, nullptr, next<litFace>); \
    ELEMENT_ICON litFace =                                                           \
        radio_face::litFace(gauge_##NAME, LIT, Actions::litFace, next<AFTER_LIT>);

#define QTP_RADIO_FACE_END(NAME, HELP, KNOB)                                                 \
  ELEMENT_ICON knob = radio_face::powerKnob(gauge_##NAME, Actions::knob, next<standby>);     \
  ELEMENT_STRING standby = radio_face::display(gauge_##NAME, radio_face::kStandbyDisplay, 0, \
                                               Actions::standbyDisplay, next<active>);       \
  ELEMENT_STRING active = radio_face::display(gauge_##NAME, radio_face::kActiveDisplay,      \
                                              Actions::kToken, Actions::activeDisplay);      \
  PELEMENT_HEADER elements[] = {&background.header, nullptr};                                \
  auto mouse = radio_face::faceMouse<Actions>(HELP, KNOB);                                   \
  }                                                                                          \
  GAUGEHDR gauge_##NAME =                                                                    \
      build::gaugeHeader(#NAME, NAME##_gauge::elements, NAME##_gauge::mouse.data())
