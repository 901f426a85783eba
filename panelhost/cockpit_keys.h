#pragma once
// The flight keys of the cockpit window, as the simulators lay them out by default: stick on the
// arrows and the numeric keypad, rudder on keypad 0 and Enter, trim on keypad 7/1 (Home/End),
// flaps on F5-F8, throttle on F1-F4, toe brakes on '.', the parking brake on Ctrl+'.'. Each
// key moves a control through the flight controls (flight_controls.h), so a key and a lever
// dragged on the panel move the same thing. The keypad keys work with Num Lock on or off.
#include <Qt>
#include <span>

#include "panelhost/flight_controls.h"

namespace panelhost {

struct CockpitKey {
  enum class Does {
    Nudge,   // moves the control by `amount`
    SetTo,   // sets it to `amount`
    HoldAt,  // `amount` while the key is down, the control's low end once it is let go
    Toggle,  // between its two ends
    Centre,  // stick and rudder back to the middle
  };
  int key;
  Qt::KeyboardModifiers modifiers;  // with Qt::KeypadModifier: only from the numeric keypad
  Does does;
  Control control;
  double amount;
};

std::span<const CockpitKey> cockpitKeys();

// A key held down repeats; a toggle acts only on the first press, a held brake lets go on Up.
enum class KeyMotion { Down, Repeat, Up };

// Acts on the key; false when it is no flight key.
bool applyCockpitKey(SimulatedAircraft& aircraft, int key, Qt::KeyboardModifiers modifiers,
                     KeyMotion motion);

}  // namespace panelhost
