#pragma once
// What the switch panels' mouse areas and element callbacks have in common: the click kinds,
// the mouse function that sends one key event with its sounds, and reading an element's own
// source value.
#include <algorithm>

#include "gauges/finite_reading.h"
#include "gauges/frame.h"
#include "gauges/panel_records.h"
#include "gauges/sound/sound_engine.h"

namespace switch_panel {

constexpr FLAGS32 kSingleClick = MOUSE_LEFT_SINGLE;
constexpr FLAGS32 kRepeatWhileHeld = MOUSE_LEFT_SINGLE | MOUSE_REPEAT_WHILE_HELD;

// Sends `Event` with value 1, then plays `Sounds` (none for a silent control).
template <ID32 Event, SoundId... Sounds>
int sendEvent(PPIXPOINT, FLAGS32) {
  frame::triggerKeyEvent(Event, 1);
  (PlaySound(Sounds), ...);
  return 0;
}

// The value the host filled into an element's source variable before calling its callback; NaN
// reads as 0.
template <typename Record>
FLOAT64 ownSourceValue(PELEMENT element, MODULE_VAR Record::*source) {
  return reading::numberOrZero((reinterpret_cast<Record*>(element)->*source).var_value.n);
}

// An icon that shows a value as its image: the infinities show its first and its last image.
inline FLOAT64 iconImage(PELEMENT element, FLOAT64 value) {
  const UINT32 images = reinterpret_cast<ELEMENT_ICON*>(element)->num_icons;
  return reading::finiteOr(value, 0.0, images - 1.0);
}

// A moving image's place along y: the infinities stop at the end of its range they point to.
inline FLOAT64 alongRangeY(PELEMENT element, FLOAT64 value) {
  const auto& image = *reinterpret_cast<ELEMENT_MOVING_IMAGE*>(element);
  return reading::finiteOr(value, std::min(image.min_y, image.max_y),
                           std::max(image.min_y, image.max_y));
}

}  // namespace switch_panel
