#include "panelhost/flight_controls.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "gauges/sim_ids.h"
#include "panelhost/aircraft.h"
#include "panelhost/aircraft_systems.h"

namespace panelhost {
namespace {

struct ControlRow {
  Control control;
  const char* name;
  double low;
  ID32 token;         // 0: kept in the aircraft's FlightControls
  double tokenScale;  // token value of the control at 1
  double FlightControls::*member;
};

constexpr double kLeverFull = 16383;
constexpr double kTrimFull = 16384;

// clang-format off
constexpr auto kControls = std::to_array<ControlRow>({
    {Control::Elevator,     "elevator",      -1, 0,                 0,          &FlightControls::elevator},
    {Control::Aileron,      "aileron",       -1, 0,                 0,          &FlightControls::aileron},
    {Control::Rudder,       "rudder",        -1, 0,                 0,          &FlightControls::rudder},
    {Control::Brakes,       "brakes",        0,  0,                 0,          &FlightControls::brakes},
    {Control::ParkingBrake, "parking-brake", 0,  tok::kParkingBrake, 1,         nullptr},
    {Control::Throttle,     "throttle",      0,  tok::kThrottle,     kLeverFull, nullptr},
    {Control::Propeller,    "propeller",     0,  tok::kPropeller,    kLeverFull, nullptr},
    {Control::Mixture,      "mixture",       0,  tok::kMixture,      kLeverFull, nullptr},
    {Control::Flaps,        "flaps",         0,  tok::kFlapHandle,   kLeverFull, nullptr},
    {Control::ElevatorTrim, "trim",          -1, tok::kElevatorTrim, kTrimFull,  nullptr},
});
// clang-format on

const ControlRow& rowOf(Control control) {
  return kControls[static_cast<std::size_t>(control)];
}

}  // namespace

std::optional<Control> controlNamed(std::string_view name) {
  for (const ControlRow& row : kControls)
    if (name == row.name) return row.control;
  return std::nullopt;
}

double controlLow(Control control) {
  return rowOf(control).low;
}

bool setControl(SimulatedAircraft& aircraft, Control control, double value) {
  if (!std::isfinite(value)) return false;
  const ControlRow& row = rowOf(control);
  double kept = std::clamp(value, row.low, kControlHigh);
  // The parking brake is set or not; a half-set one would read as either.
  if (control == Control::ParkingBrake) kept = std::round(kept);
  if (row.member) {
    aircraft.controls().*row.member = kept;
  } else {
    aircraft.vars().write(row.token, kept * row.tokenScale);
  }
  return true;
}

bool nudgeControl(SimulatedAircraft& aircraft, Control control, double delta) {
  if (!std::isfinite(delta)) return false;
  return setControl(aircraft, control, controlValue(aircraft, control) + delta);
}

double controlValue(const SimulatedAircraft& aircraft, Control control) {
  const ControlRow& row = rowOf(control);
  if (row.member) return aircraft.controls().*row.member;
  return reading(aircraft.vars(), row.token, row.low * row.tokenScale, row.tokenScale, 0) /
         row.tokenScale;
}

}  // namespace panelhost
