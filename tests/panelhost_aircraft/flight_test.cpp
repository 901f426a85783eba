// Flight in simulated time: the altitude and heading follow their rates, the airspeed the power
// and the flaps; flaps, gear and the clock.
#include "aircraft_fixture.h"

namespace aircraft_test {
namespace {

using Flight = CruiseTest;

TEST_F(Flight, FlapsTravelAfterTheHandleOverTime) {
  send(evt::kFlapsDown);  // a notch down
  EXPECT_EQ(value(tok::kFlapHandle), 8192);
  EXPECT_EQ(value(tok::kFlapPosition), 0);
  fly(1);
  EXPECT_NEAR(value(tok::kFlapPosition), 2048, 1e-6);
  fly(4);
  EXPECT_NEAR(value(tok::kFlapPosition), 8192 * 16384.0 / 16383, 1e-6);
  send(evt::kFlapsDown);  // and down: the handle stops at 16383
  send(evt::kFlapsDown);
  EXPECT_EQ(value(tok::kFlapHandle), 16383);
  fly(10);
  EXPECT_EQ(value(tok::kFlapPosition), 16384);
  send(evt::kFlapsUp);
  send(evt::kFlapsUp);
  send(evt::kFlapsUp);
  EXPECT_EQ(value(tok::kFlapHandle), 0);
  fly(2);
  EXPECT_NEAR(value(tok::kFlapPosition), 16384 - 4096, 1e-6);
  fly(10);
  EXPECT_EQ(value(tok::kFlapPosition), 0);
}

TEST_F(Flight, GearFollowsItsHandle) {
  send(evt::kGearToggle);
  EXPECT_EQ(value(tok::kGearHandle), 16383);
  fly(3);
  EXPECT_NEAR(value(tok::kNoseGear), 16383.0 / 2, 1);
  EXPECT_EQ(value(tok::kLeftGear), value(tok::kNoseGear));
  fly(4);
  EXPECT_EQ(value(tok::kRightGear), 16383);
  send(evt::kGearToggle);
  EXPECT_EQ(value(tok::kGearHandle), 0);
  fly(6);
  EXPECT_EQ(value(tok::kNoseGear), 0);
}

TEST_F(Flight, AltitudeFollowsTheVerticalSpeedAndHeadingTheTurnRate) {
  // Held there, as a script's "set" holds them, whatever the flight model would make of them.
  vars_.pin(tok::kVerticalSpeed, 256);  // 1 m/s
  vars_.pin(tok::kTurnRate, 900);       // standard rate to the right
  fly(20);
  EXPECT_NEAR(value(tok::kAltitude), 3000 + 20 * 3.28084, 1e-6);
  EXPECT_NEAR(value(tok::kHeading), 90 + 60, 1e-6);
  EXPECT_EQ(value(tok::kCompass), value(tok::kHeading));
  fly(80);
  EXPECT_NEAR(value(tok::kHeading), 30, 1e-6);  // past north
  vars_.pin(tok::kTurnRate, -1800);
  fly(10);
  EXPECT_NEAR(value(tok::kHeading), 330, 1e-6);
}

TEST_F(Flight, AirspeedFollowsThePowerAndTheFlaps) {
  const double cruise = value(tok::kAirspeed);
  EXPECT_NEAR(cruise, 110, 1);
  send(evt::kThrottleSet, 0);
  fly(60);
  const double idle = value(tok::kAirspeed);
  EXPECT_LT(idle, cruise - 25);
  send(evt::kFlapsDown);
  send(evt::kFlapsDown);
  fly(60);
  EXPECT_NEAR(value(tok::kAirspeed), idle - 10, 0.5);
}

using Parked = AircraftTest;

TEST_F(Parked, StandsStillOnTheGround) {
  EXPECT_EQ(value(tok::kOnGround), 1);
  write(tok::kBatteryMaster, 1);
  send(evt::kMagnetoStart);
  fly(30);
  EXPECT_GT(rpm(), 900);
  EXPECT_EQ(value(tok::kAirspeed), 0);
  EXPECT_EQ(value(tok::kAltitude), 0);
}

TEST_F(Parked, TheClockRunsAndWrapsAtMidnight) {
  fly(3661);
  EXPECT_EQ(value(tok::kClockHour), 13);
  EXPECT_EQ(value(tok::kClockMinute), 1);
  EXPECT_EQ(value(tok::kClockSecond), 1);
  EXPECT_EQ(value(tok::kLocalHour), 13);
  write(tok::kClockHour, 23);
  write(tok::kClockMinute, 59);
  write(tok::kClockSecond, 58);
  fly(3);
  EXPECT_EQ(value(tok::kClockHour), 0);
  EXPECT_EQ(value(tok::kClockMinute), 0);
  EXPECT_EQ(value(tok::kClockSecond), 1);
}

}  // namespace
}  // namespace aircraft_test
