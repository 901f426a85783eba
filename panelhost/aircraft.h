#pragma once
// The simulated aircraft behind the panel: the token values it starts with, what it does with the
// key events the gauges send, and how its values move in simulated time. Everything it knows is
// in the tables of aircraft.cpp, which new instruments extend.
#include <cstdint>
#include <span>

#include "panelhost/variable_store.h"

namespace panelhost {

struct TokenDefault {
  ID32 token;
  VarKind kind;
  double value;
  const char* meaning;
};

struct KeyEventHandler {
  ID32 event;
  void (*apply)(VariableStore& vars, std::uint32_t value);
  const char* meaning;
};

std::span<const TokenDefault> aircraftTokens();
std::span<const KeyEventHandler> aircraftEventHandlers();

class SimulatedAircraft {
 public:
  // Seconds of simulated time per panel cycle (the panel's 18 updates a second).
  static constexpr double kCycleSeconds = 1.0 / 18.0;

  explicit SimulatedAircraft(VariableStore& vars);

  // Acts on a key event; false when the aircraft has no handler for it.
  bool onKeyEvent(ID32 event, std::uint32_t value);
  void step(double seconds);
  double elapsedSeconds() const { return elapsed_; }

 private:
  VariableStore& vars_;
  double elapsed_ = 0;
};

}  // namespace panelhost
