// The engine: a fixed-pitch-like piston engine behind a governor that the propeller lever
// limits. It fires while it turns at least 150 rpm with a magneto on, fuel from the selected
// tank and the mixture above cut-off; the starter turns a stopped engine at 300 rpm for 1.5 s.
// Manifold pressure, fuel flow and burn, oil, cylinder head and suction follow the engine.
#include <algorithm>
#include <cmath>

#include "gauges/sim_ids.h"
#include "panelhost/aircraft_systems.h"

namespace panelhost {
namespace {

constexpr double kIdleRpm = 800;
constexpr double kFullRpm = 2700;
constexpr double kCrankRpm = 300;
constexpr double kFiringRpm = 150;
constexpr double kStoppedRpm = 20;  // below this a running-down engine stands still
constexpr double kMaxRpm = 4000;
constexpr double kStarterSeconds = 1.5;
constexpr double kStarvedMixture = 0.1;
constexpr double kSingleMagnetoDrop = 0.97;
constexpr double kDefaultScale = 16384;
constexpr double kLeverFull = 16383;
constexpr double kMagnetoStart = 4;
constexpr double kMagnetoBoth = 3;

// Oil temperature and pressure in the units of their tokens.
constexpr double kOilDegreesPerUnit = 0.008544921;
constexpr double kOilPsiPerUnit = 0.003356933;

double leverFraction(const VariableStore& vars, ID32 token) {
  return reading(vars, token, 0, kLeverFull, 0) / kLeverFull;
}

// 65536 / scale engine-speed units make one rpm; a scale that is no positive number counts as
// the aircraft's own.
double speedScale(const VariableStore& vars) {
  const double scale = vars.value(tok::kEngineSpeedScale);
  return std::isfinite(scale) && scale >= 1 ? scale : kDefaultScale;
}

int magnetos(const VariableStore& vars) {
  return static_cast<int>(reading(vars, tok::kMagnetos, 0, kMagnetoStart, 0));
}

bool fuelReachesEngine(const VariableStore& vars) {
  const double left = reading(vars, tok::kLeftQuantity, 0, 1e6, 0);
  const double right = reading(vars, tok::kRightQuantity, 0, 1e6, 0);
  switch (static_cast<int>(reading(vars, tok::kFuelSelector, 0, 3, 0))) {
    case 1:
      return left + right > 0;
    case 2:
      return left > 0;
    case 3:
      return right > 0;
    default:
      return false;
  }
}

// Takes the burnt fuel from the tank or tanks the selector feeds from.
void burnFuel(VariableStore& vars, double gallons) {
  const auto take = [&](ID32 tank, double amount) {
    vars.write(tank, std::max(0.0, reading(vars, tank, 0, 1e6, 0) - amount));
  };
  switch (static_cast<int>(reading(vars, tok::kFuelSelector, 0, 3, 0))) {
    case 1:
      take(tok::kLeftQuantity, gallons / 2);
      take(tok::kRightQuantity, gallons / 2);
      break;
    case 2:
      take(tok::kLeftQuantity, gallons);
      break;
    case 3:
      take(tok::kRightQuantity, gallons);
      break;
    default:
      break;
  }
}

// The speed the engine settles at while it fires: the throttle between idle and full power,
// limited by the governor the propeller lever sets (1800..2700 rpm).
double governedRpm(const VariableStore& vars) {
  const double throttle = kIdleRpm + (kFullRpm - kIdleRpm) * leverFraction(vars, tok::kThrottle);
  const double governor = 1800 + 900 * leverFraction(vars, tok::kPropeller);
  const int magneto = magnetos(vars);
  return std::min(throttle, governor) * (magneto == 1 || magneto == 2 ? kSingleMagnetoDrop : 1.0);
}

double ambientCelsius(double altitudeFeet) {
  return 15.0 - 1.98 * altitudeFeet / 1000.0;
}

double oilPsi(double rpm) {
  if (rpm <= kIdleRpm) return 25 * rpm / kIdleRpm;
  return std::min(80.0, 25 + 50 * (rpm - kIdleRpm) / (kFullRpm - kIdleRpm));
}

struct Temperatures {
  double oilCelsius;
  double cylinderFahrenheit;
};

Temperatures temperatures(const VariableStore& vars, bool firing, double power, double altitude) {
  const double ambient = ambientCelsius(altitude);
  if (!firing) return {ambient, ambient * 9 / 5 + 32};
  const double cowl = reading(vars, tok::kCowlFlaps, 0, 1, 0);
  return {60 + 40 * power, 250 + 200 * power - 60 * cowl};
}

void advance(VariableStore& vars, ID32 token, double fallback, double target, double seconds,
             double tau) {
  vars.write(token, approach(reading(vars, token, -1e9, 1e9, fallback), target, seconds, tau));
}

}  // namespace

double engineRpm(const VariableStore& vars) {
  const double raw = vars.value(tok::kEngineSpeed);
  if (!std::isfinite(raw)) return 0;
  return std::clamp(raw * speedScale(vars) / 65536.0, 0.0, kMaxRpm);
}

bool engineRunning(const VariableStore& vars) {
  return engineRpm(vars) >= kFiringRpm && magnetos(vars) > 0 && fuelReachesEngine(vars) &&
         leverFraction(vars, tok::kMixture) >= kStarvedMixture;
}

// The key at start: both magnetos and the starter, whatever the magnetos were before.
void engageStarter(VariableStore& vars, AircraftMemory& memory, std::uint32_t) {
  memory.starterSeconds = kStarterSeconds;
  vars.write(tok::kMagnetos, kMagnetoStart);
}

void stepEngine(VariableStore& vars, AircraftMemory& memory, double seconds) {
  // The starter turns only on the battery's current.
  const bool cranking = memory.starterSeconds > 0 && switchedOn(vars, tok::kBatteryMaster);
  if (memory.starterSeconds > 0) {
    memory.starterSeconds = std::max(0.0, memory.starterSeconds - seconds);
    // The key springs back from start to both.
    if (memory.starterSeconds == 0 && magnetos(vars) == kMagnetoStart)
      vars.write(tok::kMagnetos, kMagnetoBoth);
  }

  const double rpm = engineRpm(vars);
  const bool firing = engineRunning(vars);
  double next = 0;
  if (firing) {
    next = approach(rpm, governedRpm(vars), seconds, 1.0);
  } else if (cranking) {
    next = approach(rpm, kCrankRpm, seconds, 0.3);
  } else {
    next = approach(rpm, 0, seconds, 1.5);
    if (next < kStoppedRpm) next = 0;
  }
  vars.write(tok::kEngineSpeed, next * 65536.0 / speedScale(vars));

  const double altitude = reading(vars, tok::kAltitude, -2000, 100000, 0);
  const double ambient = ambientPressure(altitude);
  const double throttle = leverFraction(vars, tok::kThrottle);
  const double manifoldTarget =
      firing ? std::min(ambient, 12 + (ambient - 13) * throttle) : ambient;
  const double manifold =
      approach(reading(vars, tok::kManifoldPressure, 0, 60 * 1024, ambient * 1024) / 1024,
               manifoldTarget, seconds, 0.5);
  vars.write(tok::kManifoldPressure, manifold * 1024);

  const double power = firing ? manifold / 29.92 * next / kFullRpm : 0;
  const double mixture = leverFraction(vars, tok::kMixture);
  // The flow settles with the power and stops with the engine.
  if (firing) {
    advance(vars, tok::kFuelFlow, 0, (1.5 + 14 * power) * (0.55 + 0.45 * mixture), seconds, 0.5);
  } else {
    vars.write(tok::kFuelFlow, 0);
  }
  burnFuel(vars, reading(vars, tok::kFuelFlow, 0, 100, 0) * seconds / 3600);

  const Temperatures heat = temperatures(vars, firing, power, altitude);
  advance(vars, tok::kOilTemperature, 0, heat.oilCelsius / kOilDegreesPerUnit, seconds, 90);
  advance(vars, tok::kCylinderHead, 59, heat.cylinderFahrenheit, seconds, 45);
  advance(vars, tok::kOilPressure, 0, oilPsi(next) / kOilPsiPerUnit, seconds, 0.5);
  advance(vars, tok::kSuction, 0, std::min(5.0, 5 * next / 1200), seconds, 0.3);
}

}  // namespace panelhost
