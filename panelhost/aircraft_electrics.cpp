// The electrics: the battery master feeds the consumers that are switched on; the alternator
// charges while its switch is on and the engine turns at least 600 rpm. The ammeter shows the
// battery's current: the charge the alternator puts back after what the battery gave (the
// starter above all), or the load while the battery alone carries it.
#include <algorithm>
#include <array>
#include <cmath>

#include "gauges/sim_ids.h"
#include "panelhost/aircraft_systems.h"

namespace panelhost {
namespace {

struct Consumer {
  ID32 token;
  double amperes;
};

// What each switch draws while it is on (the battery master covers the bus itself).
constexpr auto kConsumers = std::to_array<Consumer>({
    {tok::kBatteryMaster, 2},
    {tok::kAvionicsMaster, 3},
    {tok::kLandingLight, 8},
    {tok::kTaxiLight, 5},
    {tok::kNavigationLights, 2},
    {tok::kBeacon, 1.5},
    {tok::kStrobes, 2},
    {tok::kPitotHeat, 10},
    {tok::kPropDeIce, 6},
    {tok::kPanelLights, 1},
});

constexpr double kStarterAmperes = 100;
constexpr double kAlternatorRpm = 600;
constexpr double kMaxCharge = 6;
constexpr double kTrickleCharge = 0.5;
// The alternator puts back what was drawn at one sixtieth a second (at most kMaxCharge).
constexpr double kRechargeSeconds = 60;

// Amperes the switched-on consumers (and a turning starter) draw from the bus.
double electricalLoad(const VariableStore& vars, const AircraftMemory& memory) {
  double load = memory.starterSeconds > 0 ? kStarterAmperes : 0;
  for (const Consumer& consumer : kConsumers)
    if (switchedOn(vars, consumer.token)) load += consumer.amperes;
  return load;
}

}  // namespace

void stepElectrics(VariableStore& vars, AircraftMemory& memory, double seconds) {
  const bool battery = switchedOn(vars, tok::kBatteryMaster);
  const bool charging = switchedOn(vars, tok::kAlternator) && engineRpm(vars) >= kAlternatorRpm;
  double amperes = 0;
  if (battery && charging) {
    amperes = std::min(kMaxCharge, kTrickleCharge + memory.batteryDrawn / kRechargeSeconds);
    memory.batteryDrawn = std::max(0.0, memory.batteryDrawn - amperes * seconds);
  } else if (battery) {
    amperes = -electricalLoad(vars, memory);
    memory.batteryDrawn = std::min(1e7, memory.batteryDrawn - amperes * seconds);
  }
  vars.write(tok::kAmperes, amperes);
}

}  // namespace panelhost
