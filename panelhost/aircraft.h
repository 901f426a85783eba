#pragma once
// The simulated aircraft behind the panel: the token values it starts with, what it does with the
// key events the gauges send, and how its values move in simulated time. What every token and
// event means is in the two tables of aircraft_table.cpp; the systems that move the values over
// time each have a file of their own (engine, electrics, flight, radios).
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "panelhost/flight_controls.h"
#include "panelhost/variable_store.h"

namespace panelhost {

// The two ways the aircraft can start: flying level with the engine running, or parked with
// everything off.
enum class AircraftStart { Cruise, Cold };

std::optional<AircraftStart> aircraftStartNamed(std::string_view name);

// Where the aircraft is on the ground stations' grid (panelhost/ground_stations.h), nautical
// miles east and north of the runway threshold. Only the host keeps these tokens; a script sets
// them to place the aircraft and releases them to let it fly on.
inline constexpr ID32 kPositionEast = 0x1000;
inline constexpr ID32 kPositionNorth = 0x1001;
inline constexpr double kGridLimitNm = 10000;
// The wind (where it blows from, degrees, and its speed, knots), which a script or a lesson sets;
// the stall warning (1 while the wing is near or past its critical angle) and the vertical speed
// of the last touchdown, feet a minute, which the aircraft keeps for the host and lessons to read.
inline constexpr ID32 kWindDirection = 0x1002;
inline constexpr ID32 kWindSpeed = 0x1003;
inline constexpr ID32 kStallWarning = 0x1004;
inline constexpr ID32 kTouchdownRate = 0x1005;

struct TokenDefault {
  ID32 token;
  VarKind kind;
  double cruise;
  double cold;
  const char* meaning;
};

// What the aircraft keeps that no token shows.
struct AircraftMemory {
  double starterSeconds = 0;   // the starter turns the engine while this is above 0
  double batteryDrawn = 0;     // ampere-seconds the alternator has yet to put back
  double clockFraction = 0;    // seconds of the clock below its whole second
  double slipDegrees = 0;      // the nose left of the flight path
  double groundKnots = 0;      // speed over the ground while rolling on the wheels
  bool stalled = false;        // the flow over the wing is broken
  double groundEastKnots = 0;  // the velocity over the ground of the last step
  double groundNorthKnots = 0;
};

// The aircraft's answer to a key event. Most are one of the plain kinds; the rest call a
// function of the system they belong to.
struct EventAction {
  enum class Kind { SetTo, SetToEventValue, Toggle, StepBy, TurnBy, Special };
  Kind kind = Kind::SetTo;
  ID32 token = 0;
  double amount = 0;  // SetTo: the value; Toggle: the value for on; StepBy, TurnBy: the step
  double low = 0;     // SetToEventValue and StepBy keep the result within [low, high], TurnBy
                      // wraps it around [low, high)
  double high = 0;
  void (*special)(VariableStore&, AircraftMemory&, std::uint32_t value) = nullptr;
};

struct KeyEventHandler {
  ID32 event;
  EventAction action;
  const char* meaning;
};

std::span<const TokenDefault> aircraftTokens();
std::span<const KeyEventHandler> aircraftEventHandlers();

class SimulatedAircraft {
 public:
  // Seconds of simulated time per panel cycle (the panel's 18 updates a second).
  static constexpr double kCycleSeconds = 1.0 / 18.0;

  explicit SimulatedAircraft(VariableStore& vars, AircraftStart start = AircraftStart::Cruise);

  // Every token of the table back to its value for `start`, pins released; memory cleared and
  // stick, rudder and toe brakes centred.
  void reset(AircraftStart start);
  // Acts on a key event; false when the aircraft has no handler for it.
  bool onKeyEvent(ID32 event, std::uint32_t value);
  // Moves every system on by `seconds` of simulated time (nothing for a time that is not a
  // positive number).
  void step(double seconds);
  double elapsedSeconds() const { return elapsed_; }
  const AircraftMemory& memory() const { return memory_; }
  // Stick, rudder and toe brakes; move them through setControl (flight_controls.h).
  FlightControls& controls() { return controls_; }
  const FlightControls& controls() const { return controls_; }
  VariableStore& vars() { return vars_; }
  const VariableStore& vars() const { return vars_; }

 private:
  VariableStore& vars_;
  AircraftMemory memory_;
  FlightControls controls_;
  double elapsed_ = 0;
};

}  // namespace panelhost
