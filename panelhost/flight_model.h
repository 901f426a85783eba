#pragma once
// The flight model's step, between the tokens it is read from and written to
// (aircraft_flight.cpp) and the two ways the aircraft moves: through the air (flight_air.cpp)
// and rolling on its wheels (flight_ground.cpp).
//
// The stick commands attitude, as a pilot's hands holding it would: the elevator (with the trim)
// sets the pitch the nose is brought to, the ailerons the bank, each as fast as the airspeed
// lets them; let go, the aircraft holds its attitude. The path then follows the forces: lift
// bends it, thrust, drag and gravity speed it up or slow it down, so at a held pitch less power
// means a slower, descending aircraft. Past the critical angle of attack the wing stalls and the
// nose drops whatever the stick says. The rudder slips or skids the aircraft (the ball) and
// steers the nose wheel on the ground.
#include "panelhost/aircraft.h"
#include "panelhost/flight_aerodynamics.h"

namespace panelhost {

// Where the aircraft is going, in knots and degrees (pitch and path up, bank right, heading
// clockwise from north).
struct FlightState {
  double knots = 0;  // through the air
  double pathDegrees = 0;
  double pitch = 0;
  double bank = 0;
  double heading = 0;
  bool onGround = false;
};

struct FlightInputs {
  double elevator = 0;
  double aileron = 0;
  double rudder = 0;
  double trim = 0;
  double brakes = 0;  // the toe brakes, or 1 with the parking brake set
  double power = 0;   // share of the engine's full power
  double weight = 0;  // newtons
  bool gearDown = false;
  Configuration config;
};

// What a step leaves besides the new state.
struct FlightRates {
  double turnDegreesPerSecond = 0;
  double slipDegrees = 0;  // the nose left of the path; the ball rolls right
  bool stallWarning = false;
};

// The pitch the stick and the trim ask for, and how fast the controls act at an airspeed.
double commandedPitch(const FlightInputs& inputs);
double controlAuthority(double knots);

FlightRates flyThroughTheAir(FlightState& state, AircraftMemory& memory, const FlightInputs& inputs,
                             double seconds);
// `headwindKnots`: the wind's share along the nose. Lifts off when the wing carries the weight.
FlightRates rollOnTheGround(FlightState& state, AircraftMemory& memory, const FlightInputs& inputs,
                            double headwindKnots, double seconds);

}  // namespace panelhost
