#pragma once
// The aircraft's systems as they step in simulated time and the special answers to key events,
// shared by the aircraft's files. Every value a system reads goes through `reading`, so a token
// that a script set to NaN, an infinity or an absurd size gives a usable number and the values
// the systems write stay finite.
#include <cstdint>

#include "panelhost/aircraft.h"

namespace panelhost {

// The token's value within [low, high]; `fallback` when it is not a number or infinite.
double reading(const VariableStore& vars, ID32 token, double low, double high, double fallback);
// A switch token is on when its value, truncated, is not 0 (as the switch panel reads it).
bool switchedOn(const VariableStore& vars, ID32 token);
// Moves `current` towards `target` as a first-order lag with time constant `tau` seconds.
double approach(double current, double target, double seconds, double tau);

// Ambient pressure in inches of mercury at an altitude in feet (standard atmosphere).
double ambientPressure(double altitudeFeet);

// Engine (aircraft_engine.cpp)
void stepEngine(VariableStore& vars, AircraftMemory& memory, double seconds);
void engageStarter(VariableStore& vars, AircraftMemory& memory, std::uint32_t value);
// True revolutions per minute, from the engine speed token and its scale.
double engineRpm(const VariableStore& vars);
bool engineRunning(const VariableStore& vars);

// Electrics (aircraft_electrics.cpp)
void stepElectrics(VariableStore& vars, AircraftMemory& memory, double seconds);

// Flight, flaps and gear (aircraft_flight.cpp) and the clock (aircraft_clock.cpp)
void stepFlight(VariableStore& vars, AircraftMemory& memory, const FlightControls& controls,
                double seconds);
void stepClock(VariableStore& vars, AircraftMemory& memory, double seconds);

// Radios (aircraft_radios.cpp)
void stepTransponderThousands(VariableStore& vars, AircraftMemory& memory, std::uint32_t value);
void stepTransponderHundreds(VariableStore& vars, AircraftMemory& memory, std::uint32_t value);
void stepTransponderTens(VariableStore& vars, AircraftMemory& memory, std::uint32_t value);
void stepTransponderUnits(VariableStore& vars, AircraftMemory& memory, std::uint32_t value);
void setCom1Frequency(VariableStore& vars, AircraftMemory& memory, std::uint32_t value);
void setNav1Frequency(VariableStore& vars, AircraftMemory& memory, std::uint32_t value);
void setNav2Frequency(VariableStore& vars, AircraftMemory& memory, std::uint32_t value);
void setAdfFrequency(VariableStore& vars, AircraftMemory& memory, std::uint32_t value);

// Receivers (aircraft_navigation.cpp): what the tuned radios hear where the aircraft is.
void stepNavigation(VariableStore& vars, const AircraftMemory& memory);

}  // namespace panelhost
