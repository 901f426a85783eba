// Flight: the flight model (flight_model.h) stepped between the tokens, the aircraft carried over
// the ground by its path and the wind, touching down on the field; flaps and gear travel after
// their handles. Each step reads the state from the tokens, so a token a script
// set (or pinned) is where the aircraft is, or how it moves, from then on.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "gauges/sim_ids.h"
#include "panelhost/aircraft_systems.h"
#include "panelhost/flight_model.h"

namespace panelhost {
namespace {

constexpr double kFlapTravelSeconds = 8;
constexpr double kGearTravelSeconds = 6;
constexpr double kHandleFull = 16383;
constexpr double kFlapFull = 16384;
constexpr double kTrimFull = 16384;
constexpr double kStandardRate = 900;  // turn-rate units of 3 degrees a second
constexpr double kVerticalUnitsPerMetre = 256;
constexpr double kFeetPerMetre = 3.28084;
constexpr double kDegreesPerRadian = 180 / std::numbers::pi;
constexpr double kBallPerSlipDegree = 8;
constexpr double kBallLimit = 127;
constexpr double kFieldElevation = 0;
// The model steps at most this long at once, and flies at most a minute of a longer step.
constexpr double kLongestStep = 0.1;
constexpr int kMostSteps = 600;

// Moves `token` towards `target` at `rate` units a second, stopping on it.
void travel(VariableStore& vars, ID32 token, double target, double rate, double seconds) {
  const double now = reading(vars, token, 0, kFlapFull, 0);
  const double stepSize = rate * seconds;
  vars.write(token,
             now < target ? std::min(target, now + stepSize) : std::max(target, now - stepSize));
}

double wrapDegrees(double degrees) {
  const double turned = std::fmod(degrees, 360.0);
  return turned < 0 ? turned + 360 : turned;
}

// The share of full power the engine gives: manifold pressure and speed against their best.
double enginePower(const VariableStore& vars) {
  if (!engineRunning(vars)) return 0;
  const double manifold = reading(vars, tok::kManifoldPressure, 0, 40 * 1024, 0) / 1024;
  return manifold / 29.92 * engineRpm(vars) / 2700;
}

// A stick, rudder or brake position within its range; one set around setControl that is no
// number counts as centred or released.
double held(double position, double low) {
  return std::isfinite(position) ? std::clamp(position, low, 1.0) : 0;
}

FlightInputs flightInputs(const VariableStore& vars, const FlightControls& controls) {
  const double fuel = reading(vars, tok::kLeftQuantity, 0, 1000, 0) +
                      reading(vars, tok::kRightQuantity, 0, 1000, 0);
  FlightInputs in;
  in.elevator = held(controls.elevator, -1);
  in.aileron = held(controls.aileron, -1);
  in.rudder = held(controls.rudder, -1);
  in.trim = reading(vars, tok::kElevatorTrim, -kTrimFull, kTrimFull, 0) / kTrimFull;
  in.brakes = switchedOn(vars, tok::kParkingBrake) ? 1.0 : held(controls.brakes, 0);
  in.power = enginePower(vars);
  in.weight = (kEmptyPounds + fuel * kPoundsPerGallon) * kNewtonsPerPound;
  const double gear = reading(vars, tok::kNoseGear, 0, kHandleFull, 0) / kHandleFull;
  in.gearDown = gear > 0.99;
  in.config = {reading(vars, tok::kFlapPosition, 0, kFlapFull, 0) / kFlapFull, gear};
  return in;
}

FlightState flightState(const VariableStore& vars) {
  FlightState state;
  state.knots = reading(vars, tok::kAirspeed, 0, 1000, 0);
  const double climb = reading(vars, tok::kVerticalSpeed, -1e6, 1e6, 0) / kVerticalUnitsPerMetre;
  const double speed = state.knots * kMetresPerSecondPerKnot;
  state.pathDegrees =
      speed > 0 ? std::asin(std::clamp(climb / speed, -1.0, 1.0)) * kDegreesPerRadian : 0;
  state.pitch = reading(vars, tok::kPitch, -90, 90, 0);
  state.bank = reading(vars, tok::kBank, -180, 180, 0);
  state.heading = wrapDegrees(reading(vars, tok::kHeading, -1e9, 1e9, 0));
  state.onGround = switchedOn(vars, tok::kOnGround);
  return state;
}

// The air's movement over the ground in knots east and north, from the wind's direction (where it
// blows from) and speed.
std::pair<double, double> windKnots(const VariableStore& vars) {
  const double from = reading(vars, kWindDirection, -1e9, 1e9, 0) / kDegreesPerRadian;
  const double knots = reading(vars, kWindSpeed, 0, 200, 0);
  return {-knots * std::sin(from), -knots * std::cos(from)};
}

double along(std::pair<double, double> vector, double headingDegrees) {
  const double heading = headingDegrees / kDegreesPerRadian;
  return vector.first * std::sin(heading) + vector.second * std::cos(heading);
}

void writeState(VariableStore& vars, const FlightState& state, const FlightRates& rates) {
  const double climb = state.knots * kMetresPerSecondPerKnot *
                       std::sin(state.pathDegrees / kDegreesPerRadian) * kVerticalUnitsPerMetre;
  vars.write(tok::kAirspeed, state.knots);
  vars.write(tok::kVerticalSpeed, state.onGround ? 0 : climb);
  vars.write(tok::kPitch, state.pitch);
  vars.write(tok::kBank, state.bank);
  vars.write(tok::kTurnRate, rates.turnDegreesPerSecond * kStandardRate / 3);
  vars.write(tok::kTurnBall,
             std::clamp(rates.slipDegrees * kBallPerSlipDegree, -kBallLimit, kBallLimit));
  vars.write(tok::kOnGround, state.onGround ? 1 : 0);
  vars.write(kStallWarning, rates.stallWarning ? 1 : 0);
}

// Carries the aircraft on by the tokens as they now stand (a pinned one as it was set): up by
// the vertical speed, round by the turn rate, over the ground along its path, or its nose while
// it rolls, with the wind; down onto the field when it reaches it.
void move(VariableStore& vars, AircraftMemory& memory, double seconds) {
  const bool grounded = switchedOn(vars, tok::kOnGround);
  const double climb = reading(vars, tok::kVerticalSpeed, -1e6, 1e6, 0) / kVerticalUnitsPerMetre;
  const double altitude = reading(vars, tok::kAltitude, -2000, 100000, 0);
  double next = std::clamp(altitude + climb * kFeetPerMetre * seconds, -2000.0, 100000.0);

  const double rate = reading(vars, tok::kTurnRate, -100 * kStandardRate, 100 * kStandardRate, 0);
  const double heading = reading(vars, tok::kHeading, -1e9, 1e9, 0);
  const double turned = wrapDegrees(heading + 3 * rate / kStandardRate * seconds);
  vars.write(tok::kHeading, turned);
  vars.write(tok::kCompass, turned);

  const double knots = reading(vars, tok::kAirspeed, 0, 1000, 0);
  const double speed = knots * kMetresPerSecondPerKnot;
  const double across =
      speed > 0 ? std::sqrt(std::max(0.0, speed * speed - climb * climb)) / kMetresPerSecondPerKnot
                : 0;
  const double track = (turned + memory.slipDegrees) / kDegreesPerRadian;
  auto [east, north] = grounded ? std::pair{0.0, 0.0} : windKnots(vars);
  const double overGround = grounded ? memory.groundKnots : across;
  east += overGround * std::sin(track);
  north += overGround * std::cos(track);
  memory.groundEastKnots = east;
  memory.groundNorthKnots = north;
  for (auto [token, knotsAlong] :
       {std::pair{kPositionEast, east}, std::pair{kPositionNorth, north}}) {
    const double now = reading(vars, token, -kGridLimitNm, kGridLimitNm, 0);
    vars.write(token, std::clamp(now + knotsAlong * seconds / 3600, -kGridLimitNm, kGridLimitNm));
  }

  if (!grounded && next < kFieldElevation) {
    vars.write(kTouchdownRate, climb * kFeetPerMetre * 60);
    memory.groundKnots = std::max(0.0, along({east, north}, turned));
    next = kFieldElevation;
    vars.write(tok::kOnGround, 1);
    vars.write(tok::kVerticalSpeed, 0);
    vars.write(tok::kBank, 0);
    vars.write(tok::kPitch, std::clamp(reading(vars, tok::kPitch, -90, 90, 0), 0.0, 12.0));
  }
  vars.write(tok::kAltitude, next);
}

void fly(VariableStore& vars, AircraftMemory& memory, const FlightControls& controls,
         double seconds) {
  const FlightInputs inputs = flightInputs(vars, controls);
  FlightState state = flightState(vars);
  FlightRates rates;
  if (state.onGround) {
    const double headwind = -along(windKnots(vars), state.heading);
    rates = rollOnTheGround(state, memory, inputs, headwind, seconds);
  } else {
    rates = flyThroughTheAir(state, memory, inputs, seconds);
  }
  writeState(vars, state, rates);
  move(vars, memory, seconds);
}

void stepFlapsAndGear(VariableStore& vars, double seconds) {
  const double flapTarget = reading(vars, tok::kFlapHandle, 0, kHandleFull, 0) / kHandleFull;
  travel(vars, tok::kFlapPosition, flapTarget * kFlapFull, kFlapFull / kFlapTravelSeconds, seconds);
  const double gearTarget = reading(vars, tok::kGearHandle, 0, kHandleFull, 0);
  for (ID32 leg : {tok::kNoseGear, tok::kLeftGear, tok::kRightGear})
    travel(vars, leg, gearTarget, kHandleFull / kGearTravelSeconds, seconds);
}

}  // namespace

void stepFlight(VariableStore& vars, AircraftMemory& memory, const FlightControls& controls,
                double seconds) {
  stepFlapsAndGear(vars, seconds);
  const int steps =
      static_cast<int>(std::min<double>(kMostSteps, std::ceil(seconds / kLongestStep)));
  const double each = std::min(kLongestStep, seconds / steps);
  for (int i = 0; i < steps; ++i) fly(vars, memory, controls, each);
}

}  // namespace panelhost
