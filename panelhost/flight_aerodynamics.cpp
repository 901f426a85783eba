#include "panelhost/flight_aerodynamics.h"

#include <algorithm>
#include <cmath>

namespace panelhost {
namespace {

constexpr double kLiftSlope = 0.08;  // per degree
constexpr double kCleanCriticalAngle = 16;
constexpr double kFlapCriticalAngleLoss = 2;
constexpr double kFlapLift = 0.45;
constexpr double kInducedFactor = 3.14159265 * 0.75 * 7.4;  // pi, span efficiency, aspect ratio
constexpr double kFlapDrag = 0.03;
constexpr double kGearDrag = 0.012;
// Past the critical angle the lift falls away this much a degree, down to a share of its peak,
// while the drag of the broken flow grows.
constexpr double kStallLiftLoss = 0.08;
constexpr double kStalledLiftShare = 0.6;
constexpr double kBrokenLiftShare = 0.85;  // the lift just after the flow breaks
constexpr double kReattachDegrees = 4;
constexpr double kStallDrag = 0.02;
constexpr double kFullPowerWatts = 160 * 745.7;
constexpr double kStaticThrust = 2400;
constexpr double kPropellerEfficiency = 0.8;

// The cruise start (110 kt level at 3000 ft with 38 gallons on board, pitch 0, the table's
// manifold pressure and 2320 rpm) flies level: the lift at 0 degrees carries its weight and the
// parasite drag takes up its thrust.
constexpr double kCruiseKnots = 110;
constexpr double kCruiseWeight = (kEmptyPounds + 38 * kPoundsPerGallon) * kNewtonsPerPound;
constexpr double kCruisePower = 23605.0 / 1024 / 29.92 * 2320 / 2700;
constexpr double kCruiseMetresPerSecond = kCruiseKnots * kMetresPerSecondPerKnot;
constexpr double kCruiseQ = 0.5 * kAirDensity * kCruiseMetresPerSecond * kCruiseMetresPerSecond;
constexpr double kZeroAngleLift = kCruiseWeight / (kCruiseQ * kWingArea);
constexpr double kParasiteDrag = kPropellerEfficiency * kCruisePower * kFullPowerWatts /
                                     kCruiseMetresPerSecond / (kCruiseQ * kWingArea) -
                                 kZeroAngleLift * kZeroAngleLift / kInducedFactor;

double unstalledLift(double alphaDegrees, const Configuration& config) {
  return kZeroAngleLift + kFlapLift * config.flaps + kLiftSlope * alphaDegrees;
}

}  // namespace

double criticalAngle(const Configuration& config) {
  return kCleanCriticalAngle - kFlapCriticalAngleLoss * config.flaps;
}

double liftCoefficient(double alphaDegrees, const Configuration& config, bool stalled) {
  const double critical = criticalAngle(config);
  const double attached = std::max(unstalledLift(alphaDegrees, config), -1.2);
  if (!stalled && alphaDegrees <= critical) return attached;
  const double peak = unstalledLift(critical, config);
  const double past = std::max(0.0, alphaDegrees - critical);
  return std::min(attached, std::max(peak * kStalledLiftShare,
                                     peak * kBrokenLiftShare - kStallLiftLoss * past));
}

bool flowBroken(double alphaDegrees, const Configuration& config, bool wasBroken) {
  const double critical = criticalAngle(config);
  return alphaDegrees > critical || (wasBroken && alphaDegrees > critical - kReattachDegrees);
}

double dragCoefficient(double alphaDegrees, const Configuration& config, bool stalled) {
  const double lift = liftCoefficient(alphaDegrees, config, stalled);
  const double past = std::max(0.0, alphaDegrees - criticalAngle(config));
  return kParasiteDrag + kFlapDrag * config.flaps + kGearDrag * config.gear +
         lift * lift / kInducedFactor + kStallDrag * past;
}

double dynamicPressure(double knots) {
  const double speed = knots * kMetresPerSecondPerKnot;
  return 0.5 * kAirDensity * speed * speed;
}

double thrustNewtons(double powerShare, double knots) {
  const double watts = std::clamp(powerShare, 0.0, 1.5) * kFullPowerWatts;
  const double speed = std::max(knots, 0.0) * kMetresPerSecondPerKnot;
  return std::min(watts / kFullPowerWatts * kStaticThrust,
                  speed > 0 ? kPropellerEfficiency * watts / speed : kStaticThrust);
}

double stallSpeedKnots(double weightNewtons, double loadFactor, const Configuration& config) {
  const double lift = unstalledLift(criticalAngle(config), config);
  return std::sqrt(2 * std::max(0.0, weightNewtons * loadFactor) /
                   (kAirDensity * kWingArea * lift)) /
         kMetresPerSecondPerKnot;
}

}  // namespace panelhost
