#pragma once
// What the switch panels' mouse areas and element callbacks have in common: the click kinds,
// the mouse function that sends one key event with its sounds, and reading an element's own
// source value.
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

// The value the host filled into an element's source variable before calling its callback.
template <typename Record>
FLOAT64 ownSourceValue(PELEMENT element, MODULE_VAR Record::*source) {
  return (reinterpret_cast<Record*>(element)->*source).var_value.n;
}

}  // namespace switch_panel
