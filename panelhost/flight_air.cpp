// Through the air: the forces bend and speed the path, the stick brings the attitude round.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "panelhost/aircraft_systems.h"
#include "panelhost/flight_model.h"

namespace panelhost {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr double kPitchPerElevator = 20;
constexpr double kPitchPerTrim = 10;
// Lowered flaps change the downwash over the tail: the nose settles lower.
constexpr double kPitchPerFlaps = -5.75;
constexpr double kBankPerAileron = 60;
// The attitude closes on the commanded one at this share a second, no faster than the rates.
constexpr double kAttitudeGain = 1.5;
constexpr double kMaxPitchRate = 8;
constexpr double kMaxRollRate = 30;
constexpr double kFullAuthorityKnots = 90;
constexpr double kStallNoseDrop = 10;  // degrees a second while the wing is stalled
constexpr double kStallWarningMargin = 3;
constexpr double kSlipPerRudder = 12;
constexpr double kAdverseYaw = 0.05;  // degrees of slip per degree a second of roll
constexpr double kSlipSeconds = 1;
constexpr double kSideForce = 0.012;  // side force coefficient per degree of slip
// Below this the path's turn and bend are taken at this speed, so a stopped aircraft falls.
constexpr double kLeastMetresPerSecond = 5;

double towards(double now, double target, double maxRate, double seconds) {
  const double rate = std::clamp(kAttitudeGain * (target - now), -maxRate, maxRate);
  return now + rate * seconds;
}

}  // namespace

double commandedPitch(const FlightInputs& inputs) {
  return kPitchPerElevator * inputs.elevator + kPitchPerTrim * inputs.trim +
         kPitchPerFlaps * inputs.config.flaps;
}

double controlAuthority(double knots) {
  return std::clamp(knots / kFullAuthorityKnots, 0.0, 1.0);
}

FlightRates flyThroughTheAir(FlightState& state, AircraftMemory& memory, const FlightInputs& inputs,
                             double seconds) {
  const double alpha = state.pitch - state.pathDegrees;
  const double area = dynamicPressure(state.knots) * kWingArea;
  const double thrust = thrustNewtons(inputs.power, state.knots);
  const double mass = inputs.weight / kGravity;
  const double speed = std::max(state.knots * kMetresPerSecondPerKnot, kLeastMetresPerSecond);
  const double path = state.pathDegrees * kRadiansPerDegree;
  const double bank = state.bank * kRadiansPerDegree;
  const bool stalled = flowBroken(alpha, inputs.config, memory.stalled);
  memory.stalled = stalled;
  const double lift = liftCoefficient(alpha, inputs.config, stalled) * area +
                      thrust * std::sin(alpha * kRadiansPerDegree);
  const double drag = dragCoefficient(alpha, inputs.config, stalled) * area;
  const double side = -kSideForce * memory.slipDegrees * area;

  const double accelerating =
      (thrust * std::cos(alpha * kRadiansPerDegree) - drag) / mass - kGravity * std::sin(path);
  const double bending = (lift * std::cos(bank) - inputs.weight * std::cos(path)) / (mass * speed);
  const double turning =
      (lift * std::sin(bank) + side) / (mass * speed * std::max(std::cos(path), 0.1));

  const double authority = controlAuthority(state.knots);
  double pitch = towards(state.pitch, commandedPitch(inputs), kMaxPitchRate * authority, seconds);
  if (stalled) pitch = std::min(pitch, state.pitch - kStallNoseDrop * seconds);
  const double bankNow =
      towards(state.bank, kBankPerAileron * inputs.aileron, kMaxRollRate * authority, seconds);
  const double rollRate = (bankNow - state.bank) / seconds;

  const double slipTarget = -kSlipPerRudder * inputs.rudder * authority + kAdverseYaw * rollRate;
  const double slip = approach(memory.slipDegrees, slipTarget, seconds, kSlipSeconds);
  const double slipRate = (slip - memory.slipDegrees) / seconds;
  memory.slipDegrees = slip;

  state.knots =
      std::clamp(state.knots + accelerating * seconds / kMetresPerSecondPerKnot, 0.0, 1000.0);
  state.pathDegrees =
      std::clamp(state.pathDegrees + bending * seconds / kRadiansPerDegree, -90.0, 90.0);
  state.pitch = std::clamp(pitch, -90.0, 90.0);
  state.bank = std::clamp(bankNow, -180.0, 180.0);
  const double turn = turning / kRadiansPerDegree - slipRate;
  return {turn, slip, stalled || alpha > criticalAngle(inputs.config) - kStallWarningMargin};
}

}  // namespace panelhost
