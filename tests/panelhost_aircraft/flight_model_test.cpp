// The flight model's invariants: more power climbs faster at the same pitch, the stall speed
// rises with the load and falls with the flaps, brakes stop a roll, and the wind drifts the
// aircraft. (The controls' ranges and refusals: script_test.cpp.)
#include "aircraft_fixture.h"
#include "panelhost/flight_aerodynamics.h"
#include "panelhost/flight_controls.h"

namespace aircraft_test {
namespace {

using panelhost::Control;
using FlightModel = CruiseTest;

TEST_F(FlightModel, MorePowerClimbsFasterAndTheStallSpeedRisesWithLoadFallsWithFlaps) {
  double last = -1e9;
  for (double throttle : {0.0, 0.5, 0.8, 1.0}) {
    aircraft_.reset(panelhost::AircraftStart::Cruise);
    setControl(aircraft_, Control::Throttle, throttle);
    fly(30);
    EXPECT_GT(value(tok::kVerticalSpeed), last) << throttle;
    last = value(tok::kVerticalSpeed);
  }
  EXPECT_GT(last, 0);
  aircraft_.controls() = {NAN, INFINITY, -INFINITY, NAN};  // set around setControl
  fly(5);
  EXPECT_TRUE(std::isfinite(value(tok::kPitch)) && std::isfinite(value(tok::kBank)));
  last = 0;
  for (auto [load, flaps] : {std::pair{1.0, 1.0}, {1.0, 0.5}, {1.0, 0.0}, {1.5, 0.0}, {2.0, 0.0}}) {
    const double knots = panelhost::stallSpeedKnots(10000, load, {flaps, 1});
    EXPECT_GT(knots, last) << load << " " << flaps;
    last = knots;
  }
}

TEST_F(FlightModel, BrakesStopARoll) {
  for (auto [brake, amount, stops] : {std::tuple{Control::Brakes, 1.0, true},
                                      {Control::ParkingBrake, 1.0, true},
                                      {Control::Brakes, 0.0, false}}) {
    aircraft_.reset(panelhost::AircraftStart::Cold);
    write(tok::kMagnetos, 3);
    write(tok::kEngineSpeed, 8000);  // running at 2000 rpm
    setControl(aircraft_, Control::ParkingBrake, 0);
    setControl(aircraft_, Control::Throttle, 1);
    fly(8);
    EXPECT_GT(value(tok::kAirspeed), 25);
    setControl(aircraft_, Control::Throttle, 0);
    setControl(aircraft_, brake, amount);
    fly(8);
    EXPECT_EQ(value(tok::kAirspeed) == 0, stops) << static_cast<int>(brake);
  }
}

// A wind from the north drifts the aircraft south at its speed; parked, it shows as airspeed.
TEST_F(FlightModel, WindDriftsTheAircraftAndBlowsOverTheParkedOne) {
  write(panelhost::kWindSpeed, 20);
  fly(180);
  EXPECT_NEAR(value(panelhost::kPositionNorth), -1, 0.01);
  aircraft_.reset(panelhost::AircraftStart::Cold);
  write(panelhost::kWindDirection, 90);  // on the nose
  write(panelhost::kWindSpeed, 15);
  fly(1);
  EXPECT_EQ(value(tok::kAirspeed), 15);
  EXPECT_EQ(value(panelhost::kPositionEast), 0.3);
}

}  // namespace
}  // namespace aircraft_test
