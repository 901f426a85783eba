// Flight in its simplest form: level, with the airspeed following the engine's power, the
// altitude following the vertical speed, the heading following the turn rate and the aircraft
// going over the ground at its airspeed (no wind) along its heading. Flaps and
// gear travel after their handles; the clock runs.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "gauges/sim_ids.h"
#include "panelhost/aircraft_systems.h"

namespace panelhost {
namespace {

constexpr double kFlapTravelSeconds = 8;
constexpr double kGearTravelSeconds = 6;
constexpr double kHandleFull = 16383;
constexpr double kFlapFull = 16384;
constexpr double kGlideKnots = 55;
constexpr double kKnotsPerPower = 83;
constexpr double kFlapDragKnots = 10;
constexpr double kStandardRate = 900;  // turn-rate units of 3 degrees a second
constexpr double kFeetPerSecondPerUnit = 3.28084 / 256;
constexpr double kSecondsPerDay = 86400;

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

void stepAirspeed(VariableStore& vars, double seconds) {
  const double flaps = reading(vars, tok::kFlapPosition, 0, kFlapFull, 0) / kFlapFull;
  const bool grounded = switchedOn(vars, tok::kOnGround);
  const double target =
      grounded ? 0 : kGlideKnots + kKnotsPerPower * enginePower(vars) - kFlapDragKnots * flaps;
  const double now = reading(vars, tok::kAirspeed, 0, 1000, 0);
  vars.write(tok::kAirspeed, approach(now, target, seconds, 8));
}

void stepPosition(VariableStore& vars, double seconds) {
  const double climb = reading(vars, tok::kVerticalSpeed, -1e6, 1e6, 0) * kFeetPerSecondPerUnit;
  const double altitude = reading(vars, tok::kAltitude, -2000, 100000, 0);
  vars.write(tok::kAltitude, std::clamp(altitude + climb * seconds, -2000.0, 100000.0));

  const double rate = reading(vars, tok::kTurnRate, -100 * kStandardRate, 100 * kStandardRate, 0);
  const double heading = reading(vars, tok::kHeading, -1e9, 1e9, 0);
  const double next = wrapDegrees(heading + 3 * rate / kStandardRate * seconds);
  vars.write(tok::kHeading, next);
  vars.write(tok::kCompass, next);

  const double track = next * std::numbers::pi / 180;
  const double nm = reading(vars, tok::kAirspeed, 0, 1000, 0) * seconds / 3600;
  for (auto [token, along] :
       {std::pair{kPositionEast, std::sin(track)}, std::pair{kPositionNorth, std::cos(track)}}) {
    const double now = reading(vars, token, -kGridLimitNm, kGridLimitNm, 0);
    vars.write(token, std::clamp(now + nm * along, -kGridLimitNm, kGridLimitNm));
  }
}

void stepFlapsAndGear(VariableStore& vars, double seconds) {
  const double flapTarget = reading(vars, tok::kFlapHandle, 0, kHandleFull, 0) / kHandleFull;
  travel(vars, tok::kFlapPosition, flapTarget * kFlapFull, kFlapFull / kFlapTravelSeconds, seconds);
  const double gearTarget = reading(vars, tok::kGearHandle, 0, kHandleFull, 0);
  for (ID32 leg : {tok::kNoseGear, tok::kLeftGear, tok::kRightGear})
    travel(vars, leg, gearTarget, kHandleFull / kGearTravelSeconds, seconds);
}

}  // namespace

void stepFlight(VariableStore& vars, double seconds) {
  stepFlapsAndGear(vars, seconds);
  stepAirspeed(vars, seconds);
  stepPosition(vars, seconds);
}

void stepClock(VariableStore& vars, AircraftMemory& memory, double seconds) {
  const double hour = std::trunc(reading(vars, tok::kClockHour, 0, 23, 12));
  const double minute = std::trunc(reading(vars, tok::kClockMinute, 0, 59, 0));
  const double second = std::trunc(reading(vars, tok::kClockSecond, 0, 59, 0));
  memory.clockFraction += std::fmod(seconds, kSecondsPerDay);
  // Eighteen cycles of 1/18 s may add up to a hair below one second.
  const double whole = std::floor(memory.clockFraction + 1e-9);
  memory.clockFraction -= whole;
  const double now = std::fmod(hour * 3600 + minute * 60 + second + whole, kSecondsPerDay);
  const double nextHour = std::floor(now / 3600);
  const double nextMinute = std::floor((now - nextHour * 3600) / 60);
  vars.write(tok::kClockHour, nextHour);
  vars.write(tok::kClockMinute, nextMinute);
  vars.write(tok::kClockSecond, now - nextHour * 3600 - nextMinute * 60);
  vars.write(tok::kLocalHour, nextHour);
  vars.write(tok::kLocalMinute, nextMinute);
}

}  // namespace panelhost
