// On the wheels: thrust against drag, rolling friction and the brakes on what the wing does not
// yet carry; the nose wheel steers with the rudder, the elevator lifts the nose once the air
// flows fast enough; the aircraft lifts off when the wing carries its weight.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "panelhost/flight_model.h"

namespace panelhost {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr double kRollingFriction = 0.02;
constexpr double kBellyFriction = 0.4;  // sliding on the fuselage with the gear up
constexpr double kBrakeFriction = 0.5;
constexpr double kMaxRotationRate = 5;  // degrees a second at full authority
constexpr double kNoseSettleRate = 3;
constexpr double kTailStrikePitch = 12;
constexpr double kMaxSteering = 10;  // nose-wheel degrees at full rudder
constexpr double kWheelbase = 2;     // metres

}  // namespace

FlightRates rollOnTheGround(FlightState& state, AircraftMemory& memory, const FlightInputs& inputs,
                            double headwindKnots, double seconds) {
  const double airKnots = std::max(0.0, memory.groundKnots + headwindKnots);
  const double area = dynamicPressure(airKnots) * kWingArea;
  const double lift = liftCoefficient(state.pitch, inputs.config) * area;
  const double onWheels = std::max(0.0, inputs.weight - lift);
  const double push =
      thrustNewtons(inputs.power, airKnots) - dragCoefficient(state.pitch, inputs.config) * area;
  const double friction =
      ((inputs.gearDown ? kRollingFriction : kBellyFriction) + kBrakeFriction * inputs.brakes) *
      onWheels;
  const double mass = inputs.weight / kGravity;
  // Standing, friction holds the aircraft against any push it can take up.
  if (memory.groundKnots > 0 || push > friction) {
    memory.groundKnots = std::clamp(
        memory.groundKnots + (push - friction) / mass * seconds / kMetresPerSecondPerKnot, 0.0,
        1000.0);
  }

  const double target = std::clamp(commandedPitch(inputs), 0.0, kTailStrikePitch);
  const double rate =
      target > state.pitch ? kMaxRotationRate * controlAuthority(airKnots) : -kNoseSettleRate;
  const double pitch = state.pitch + rate * seconds;
  state.pitch = rate > 0 ? std::min(pitch, target) : std::max(pitch, target);

  const double steering = std::tan(kMaxSteering * inputs.rudder * kRadiansPerDegree);
  const double turn =
      memory.groundKnots * kMetresPerSecondPerKnot * steering / kWheelbase / kRadiansPerDegree;
  memory.slipDegrees = 0;
  memory.stalled = false;
  state.knots = std::max(0.0, memory.groundKnots + headwindKnots);
  state.pathDegrees = 0;
  state.bank = 0;
  state.onGround = lift < inputs.weight;
  return {turn, 0, false};
}

}  // namespace panelhost
