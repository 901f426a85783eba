#pragma once
// The single-engine aircraft's airframe in numbers and the forces on it: lift with the angle of
// attack and the flaps, breaking above the critical angle; parasite, induced, flap, gear and
// stall drag; propeller thrust from the engine's power; weight with the fuel on board. The air's
// density is taken at sea level at every height, so the indicated airspeed is the true one.
namespace panelhost {

inline constexpr double kGravity = 9.80665;
inline constexpr double kMetresPerSecondPerKnot = 0.514444;
inline constexpr double kNewtonsPerPound = 4.44822;
inline constexpr double kAirDensity = 1.225;
inline constexpr double kWingArea = 16.2;  // square metres
// The aircraft without fuel, with its pilot; a gallon of fuel weighs six pounds.
inline constexpr double kEmptyPounds = 1970;
inline constexpr double kPoundsPerGallon = 6;

struct Configuration {
  double flaps = 0;  // 0 up .. 1 fully down
  double gear = 0;   // 0 up .. 1 down and locked
};

// Above this angle of attack, in degrees, the wing stalls; flaps lower it.
double criticalAngle(const Configuration& config);
// Once broken, the flow stays broken until the angle is well below the critical one again:
// `stalled` says whether it is, and the lift is then at most the broken flow's.
double liftCoefficient(double alphaDegrees, const Configuration& config, bool stalled = false);
double dragCoefficient(double alphaDegrees, const Configuration& config, bool stalled = false);
// Whether the flow is broken after this angle, given whether it was.
bool flowBroken(double alphaDegrees, const Configuration& config, bool wasBroken);
// Dynamic pressure in pascals at an airspeed in knots.
double dynamicPressure(double knots);
// Propeller thrust in newtons from a share of the engine's full power at an airspeed in knots:
// the static thrust at low speed, the propeller's efficiency over the speed above it.
double thrustNewtons(double powerShare, double knots);
// The speed in knots below which the wing cannot carry `weightNewtons` times `loadFactor`.
double stallSpeedKnots(double weightNewtons, double loadFactor, const Configuration& config);

}  // namespace panelhost
