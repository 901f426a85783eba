#pragma once
// The pilot's controls as the flight model reads them, and the one way to move them that the
// keyboard, panel scripts and lessons share. Stick, rudder and toe brakes live in the aircraft;
// the levers the panel already shows (throttle, propeller, mixture, flaps, trim, parking brake)
// stay tokens, so a lever dragged on the panel and a key pressed move the same thing.
#include <optional>
#include <string_view>

namespace panelhost {

class SimulatedAircraft;

enum class Control {
  Elevator,      // -1 nose down .. 1 nose up (stick pulled)
  Aileron,       // -1 left .. 1 right
  Rudder,        // -1 left .. 1 right
  Brakes,        // 0 released .. 1 toe brakes full
  ParkingBrake,  // 0 off, 1 set
  Throttle,      // 0 idle .. 1 full
  Propeller,     // 0 coarse (1800 rpm) .. 1 fine (2700 rpm)
  Mixture,       // 0 cut-off .. 1 rich
  Flaps,         // 0 up .. 1 full (the handle; the flaps follow it)
  ElevatorTrim,  // -1 nose down .. 1 nose up
};

// What the stick, rudder and toe brakes are set to; the levers are tokens.
struct FlightControls {
  double elevator = 0;
  double aileron = 0;
  double rudder = 0;
  double brakes = 0;
};

// "elevator", "aileron", "rudder", "brakes", "parking-brake", "throttle", "propeller",
// "mixture", "flaps", "trim".
std::optional<Control> controlNamed(std::string_view name);

// The range a control's value is kept within: -1..1 for stick, rudder and trim, else 0..1.
double controlLow(Control control);
inline constexpr double kControlHigh = 1;

// Sets the control, kept within its range; false (nothing changed) for NaN or an infinity.
bool setControl(SimulatedAircraft& aircraft, Control control, double value);
// Moves the control by `delta` (a key's step), kept within its range; false as setControl.
bool nudgeControl(SimulatedAircraft& aircraft, Control control, double delta);
double controlValue(const SimulatedAircraft& aircraft, Control control);

}  // namespace panelhost
