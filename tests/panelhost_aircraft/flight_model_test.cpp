// The flight model's invariants: more power climbs faster at the same pitch, the stall speed
// rises with the load and falls with the flaps and the wing stalls there after its warning,
// brakes stop a roll, and the controls keep to their ranges and refuse what is no number.
#include "aircraft_fixture.h"
#include "panelhost/flight_aerodynamics.h"
#include "panelhost/flight_controls.h"

namespace aircraft_test {
namespace {

using panelhost::Control;
using FlightModel = CruiseTest;

TEST_F(FlightModel, MorePowerClimbsFasterAtTheSamePitch) {
  double last = -1e9;
  for (double throttle : {0.0, 0.5, 0.8, 1.0}) {
    aircraft_.reset(panelhost::AircraftStart::Cruise);
    setControl(aircraft_, Control::Throttle, throttle);
    fly(30);
    EXPECT_GT(value(tok::kVerticalSpeed), last) << throttle;
    last = value(tok::kVerticalSpeed);
  }
  EXPECT_GT(last, 0);
}

TEST_F(FlightModel, StallSpeedRisesWithLoadFallsWithFlapsAndTheWingStallsThere) {
  // Each row stalls faster than the one before.
  const struct { double load, flaps; } rows[] = {{1, 1}, {1, 0.5}, {1, 0}, {1.5, 0}, {2, 0}};
  double last = 0;
  for (const auto& row : rows) {
    const double knots = panelhost::stallSpeedKnots(10000, row.load, {row.flaps, 1});
    EXPECT_GT(knots, last) << row.load << " " << row.flaps;
    last = knots;
  }
  // Power off, stick held back: the warning sounds first, then the nose drops at the speed.
  setControl(aircraft_, Control::Throttle, 0);
  setControl(aircraft_, Control::Elevator, 1);
  double warnedAt = 0, brokeAt = 0;
  for (int cycle = 0; cycle < 18 * 120 && brokeAt == 0; ++cycle) {
    const double pitch = value(tok::kPitch);
    fly(1.0 / 18);
    if (warnedAt == 0 && value(panelhost::kStallWarning) == 1) warnedAt = value(tok::kAirspeed);
    if (value(tok::kPitch) < pitch - 0.3) brokeAt = value(tok::kAirspeed);
  }
  const double weight =
      (panelhost::kEmptyPounds + 6 * (value(tok::kLeftQuantity) + value(tok::kRightQuantity))) *
      panelhost::kNewtonsPerPound;
  EXPECT_GT(warnedAt, brokeAt + 3);
  EXPECT_NEAR(brokeAt, panelhost::stallSpeedKnots(weight, 1, {0, 0}), 4);
  EXPECT_EQ(value(tok::kOnGround), 0);
}

using OnTheGround = AircraftTest;

TEST_F(OnTheGround, BrakesStopARoll) {
  const struct {
    Control brake;
    double value;
    bool stops;
  } rows[] = {
      {Control::Brakes, 0, false}, {Control::Brakes, 1, true}, {Control::ParkingBrake, 1, true}};
  for (const auto& row : rows) {
    aircraft_.reset(panelhost::AircraftStart::Cold);
    write(tok::kMagnetos, 3);
    write(tok::kEngineSpeed, 8000);  // running at 2000 rpm
    setControl(aircraft_, Control::ParkingBrake, 0);
    setControl(aircraft_, Control::Throttle, 1);
    fly(8);
    EXPECT_GT(value(tok::kAirspeed), 25);
    setControl(aircraft_, Control::Throttle, 0);
    setControl(aircraft_, row.brake, row.value);
    fly(8);
    EXPECT_EQ(value(tok::kAirspeed) == 0, row.stops) << static_cast<int>(row.brake);
    EXPECT_EQ(value(tok::kOnGround), 1);
  }
}

TEST_F(FlightModel, ControlsKeepToTheirRangesAndRefuseWhatIsNoNumber) {
  const struct {
    const char* name;
    double given, kept;
  } rows[] = {{"elevator", 5, 1},      {"aileron", -3, -1},       {"rudder", 0.25, 0.25},
              {"brakes", -1, 0},       {"parking-brake", 0.7, 1}, {"throttle", 2, 1},
              {"propeller", 0.5, 0.5}, {"mixture", -0.5, 0},      {"flaps", 1.5, 1},
              {"trim", -2, -1}};
  for (const auto& row : rows) {
    const auto control = panelhost::controlNamed(row.name);
    ASSERT_TRUE(control) << row.name;
    EXPECT_EQ(panelhost::controlName(*control), row.name);
    EXPECT_TRUE(setControl(aircraft_, *control, row.given));
    EXPECT_NEAR(controlValue(aircraft_, *control), row.kept, 1e-4) << row.name;
    for (double bad : {std::nan(""), double(INFINITY), -double(INFINITY)}) {
      EXPECT_FALSE(setControl(aircraft_, *control, bad));
      EXPECT_FALSE(nudgeControl(aircraft_, *control, bad));
    }
    EXPECT_NEAR(controlValue(aircraft_, *control), row.kept, 1e-4) << row.name;
    EXPECT_TRUE(nudgeControl(aircraft_, *control, -1));
    EXPECT_NEAR(controlValue(aircraft_, *control),
                std::max(panelhost::controlLow(*control), row.kept - 1), 1e-4);
  }
  EXPECT_FALSE(panelhost::controlNamed("stick"));
  fly(5);
  EXPECT_TRUE(std::isfinite(value(tok::kAltitude)));
}

}  // namespace
}  // namespace aircraft_test
