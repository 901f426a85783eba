#include "panelhost/aircraft.h"

#include <algorithm>
#include <cmath>

#include "panelhost/aircraft_systems.h"

namespace panelhost {
namespace {

// The cruise value of a token of the table, else 0: what a value that is no number falls back to.
double tableValue(ID32 token) {
  for (const TokenDefault& row : aircraftTokens())
    if (row.token == token) return row.cruise;
  return 0;
}

double wrapped(double value, double low, double high) {
  const double range = high - low;
  const double turned = std::fmod(value - low, range);
  return (turned < 0 ? turned + range : turned) + low;
}

void apply(const EventAction& action, VariableStore& vars, AircraftMemory& memory,
           std::uint32_t value) {
  using Kind = EventAction::Kind;
  const ID32 token = action.token;
  switch (action.kind) {
    case Kind::SetTo:
      vars.write(token, action.amount);
      break;
    case Kind::SetToEventValue:
      // Event values are 32-bit words; a lever below its stop arrives as a negative number.
      vars.write(token,
                 std::clamp(double(static_cast<std::int32_t>(value)), action.low, action.high));
      break;
    case Kind::Toggle:
      vars.write(token, switchedOn(vars, token) ? 0 : action.amount);
      break;
    case Kind::StepBy: {
      const double fallback = std::clamp(tableValue(token), action.low, action.high);
      const double now = reading(vars, token, action.low, action.high, fallback);
      vars.write(token, std::clamp(now + action.amount, action.low, action.high));
      break;
    }
    case Kind::TurnBy: {
      const double now = reading(vars, token, -1e9, 1e9, tableValue(token));
      vars.write(token, wrapped(now + action.amount, action.low, action.high));
      break;
    }
    case Kind::Special:
      action.special(vars, memory, value);
      break;
  }
}

}  // namespace

std::optional<AircraftStart> aircraftStartNamed(std::string_view name) {
  if (name == "cruise") return AircraftStart::Cruise;
  if (name == "cold") return AircraftStart::Cold;
  return std::nullopt;
}

double reading(const VariableStore& vars, ID32 token, double low, double high, double fallback) {
  const double value = vars.value(token);
  return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}

bool switchedOn(const VariableStore& vars, ID32 token) {
  return std::trunc(reading(vars, token, -1e9, 1e9, 0)) != 0;
}

double approach(double current, double target, double seconds, double tau) {
  return current + (target - current) * (1.0 - std::exp(-seconds / tau));
}

double ambientPressure(double altitudeFeet) {
  const double ratio = std::clamp(1.0 - 6.8756e-6 * altitudeFeet, 0.05, 1.2);
  return 29.92 * std::pow(ratio, 5.2559);
}

SimulatedAircraft::SimulatedAircraft(VariableStore& vars, AircraftStart start) : vars_(vars) {
  reset(start);
}

void SimulatedAircraft::reset(AircraftStart start) {
  for (const TokenDefault& token : aircraftTokens()) {
    vars_.release(token.token);
    vars_.define(token.token, token.kind,
                 start == AircraftStart::Cruise ? token.cruise : token.cold);
  }
  memory_ = AircraftMemory{};
  controls_ = FlightControls{};
}

bool SimulatedAircraft::onKeyEvent(ID32 event, std::uint32_t value) {
  const auto handlers = aircraftEventHandlers();
  auto it = std::find_if(handlers.begin(), handlers.end(),
                         [event](const KeyEventHandler& h) { return h.event == event; });
  if (it == handlers.end()) return false;
  apply(it->action, vars_, memory_, value);
  return true;
}

void SimulatedAircraft::step(double seconds) {
  if (!(seconds > 0) || !std::isfinite(seconds)) return;
  elapsed_ += seconds;
  stepEngine(vars_, memory_, seconds);
  stepElectrics(vars_, memory_, seconds);
  stepFlight(vars_, memory_, controls_, seconds);
  stepNavigation(vars_, memory_);
  stepClock(vars_, memory_, seconds);
}

}  // namespace panelhost
