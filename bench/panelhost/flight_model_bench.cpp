// How long the simulated aircraft takes for one panel cycle of simulated time: the flight model
// alone, and every system (engine, electrics, flight, receivers, clock) together, in cruise.
#include <benchmark/benchmark.h>

#include "gauges/sim_ids.h"
#include "panelhost/aircraft.h"
#include "panelhost/aircraft_systems.h"

namespace {

using panelhost::SimulatedAircraft;

void FlightModelStep(benchmark::State& state) {
  panelhost::VariableStore vars;
  SimulatedAircraft aircraft(vars);
  panelhost::AircraftMemory memory;
  for (auto _ : state)
    panelhost::stepFlight(vars, memory, aircraft.controls(), SimulatedAircraft::kCycleSeconds);
  benchmark::DoNotOptimize(vars.value(tok::kAltitude));
}
BENCHMARK(FlightModelStep);

void AircraftStep(benchmark::State& state) {
  panelhost::VariableStore vars;
  SimulatedAircraft aircraft(vars);
  for (auto _ : state) aircraft.step(SimulatedAircraft::kCycleSeconds);
  benchmark::DoNotOptimize(vars.value(tok::kAltitude));
}
BENCHMARK(AircraftStep);

}  // namespace
