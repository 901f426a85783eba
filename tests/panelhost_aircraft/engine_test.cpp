// The engine: it starts on the start event only with fuel, mixture and the battery, spools past
// 3000 on the engine speed token, settles where throttle and propeller put it, runs down to a
// standstill without magnetos, and the values around it follow.
#include "aircraft_fixture.h"

namespace aircraft_test {
namespace {

using EngineStart = AircraftTest;

TEST_F(EngineStart, PrimedStartCranksFiresAndSpoolsPast3000) {
  batteryOnAndStart();
  EXPECT_EQ(value(tok::kMagnetos), 4);  // the key at start
  double last = 0;
  bool passed3000 = false;
  for (int cycle = 0; cycle < 36; ++cycle) {
    fly(1.0 / 18);
    EXPECT_GE(value(tok::kEngineSpeed), last) << "cycle " << cycle;
    last = value(tok::kEngineSpeed);
    passed3000 = passed3000 || last > 3000;
  }
  EXPECT_TRUE(passed3000);
  EXPECT_EQ(value(tok::kMagnetos), 3);  // the key springs back to both
  fly(20);
  // Cold throttle is a tenth open: 800 + 1900 x 0.1 rpm.
  EXPECT_NEAR(rpm(), 800 + 1900 * 1638.0 / 16383, 1);
  EXPECT_GT(value(tok::kEngineSpeed), 3000);
}

TEST_F(EngineStart, NeedsFuelFromTheSelectedTank) {
  write(tok::kFuelSelector, 0);
  batteryOnAndStart();
  fly(1);
  EXPECT_GT(rpm(), 100);  // the starter turns it
  EXPECT_LT(rpm(), 400);  // but it does not fire
  fly(10);
  EXPECT_EQ(value(tok::kEngineSpeed), 0);

  write(tok::kFuelSelector, 3);
  write(tok::kRightQuantity, 0);  // the right tank is dry
  send(evt::kMagnetoStart);
  fly(10);
  EXPECT_EQ(value(tok::kEngineSpeed), 0);

  write(tok::kFuelSelector, 1);  // both tanks: the left one still has fuel
  send(evt::kMagnetoStart);
  fly(5);
  EXPECT_GT(rpm(), 900);
}

TEST_F(EngineStart, NeedsTheMixtureAboveCutOff) {
  write(tok::kMixture, 1000);
  batteryOnAndStart();
  fly(10);
  EXPECT_EQ(value(tok::kEngineSpeed), 0);
  send(evt::kMixtureSet, 16383);  // mixture rich
  send(evt::kMagnetoStart);
  fly(5);
  EXPECT_GT(rpm(), 900);
}

TEST_F(EngineStart, TheStarterTurnsOnlyOnTheBattery) {
  send(evt::kMagnetoStart);
  fly(5);
  EXPECT_EQ(value(tok::kEngineSpeed), 0);
  EXPECT_EQ(value(tok::kMagnetos), 3);  // the key still springs back
}

TEST_F(EngineStart, WithoutTheStartEventNothingTurns) {
  write(tok::kBatteryMaster, 1);
  write(tok::kMagnetos, 3);
  fly(10);
  EXPECT_EQ(value(tok::kEngineSpeed), 0);
  EXPECT_EQ(value(tok::kFuelFlow), 0);
}

using RunningEngine = CruiseTest;

TEST_F(RunningEngine, MagnetosOffRunDownToAStandstillAndItStaysThere) {
  EXPECT_GT(rpm(), 2000);
  send(evt::kMagnetosOff);
  fly(1);
  const double after1s = rpm();
  EXPECT_LT(after1s, 2000);
  EXPECT_GT(after1s, 0);
  fly(10);
  EXPECT_EQ(value(tok::kEngineSpeed), 0);
  send(evt::kMagnetosBoth);  // both magnetos again: a stopped engine does not start by itself
  fly(5);
  EXPECT_EQ(value(tok::kEngineSpeed), 0);
  send(evt::kMagnetoStart);  // the key restarts it
  fly(10);
  EXPECT_GT(rpm(), 2000);
}

TEST_F(RunningEngine, ThrottleAndPropellerSetTheSpeedAndOneMagnetoDropsIt) {
  send(evt::kThrottleSet, 16383);
  fly(15);
  EXPECT_NEAR(rpm(), 2700, 1);
  send(evt::kPropellerSet, 0);  // propeller lever back: the governor holds 1800
  fly(15);
  EXPECT_NEAR(rpm(), 1800, 1);
  send(evt::kMagnetoRight);  // right magneto only
  fly(15);
  EXPECT_NEAR(rpm(), 1800 * 0.97, 1);
  send(evt::kThrottleSet, 0);
  send(evt::kMagnetosBoth);
  fly(15);
  EXPECT_NEAR(rpm(), 800, 1);
}

TEST_F(RunningEngine, ValuesFollowTheEngineAndFuelBurnsFromTheSelectedTank) {
  const double left = value(tok::kLeftQuantity);
  const double right = value(tok::kRightQuantity);
  fly(360);
  const double flow = value(tok::kFuelFlow);
  EXPECT_GT(flow, 5);
  EXPECT_NEAR(left - value(tok::kLeftQuantity), flow / 10, 0.05);  // a tenth of an hour
  EXPECT_EQ(value(tok::kRightQuantity), right);
  EXPECT_NEAR(value(tok::kSuction), 5, 1e-6);
  EXPECT_GT(value(tok::kOilPressure) * 0.003356933, 50);
  EXPECT_LT(value(tok::kManifoldPressure) / 1024, 29.92);

  // Held at 3000 ft, which a glide without the engine would leave.
  vars_.pin(tok::kAltitude, 3000);
  send(evt::kMagnetosOff);
  fly(600);
  EXPECT_EQ(value(tok::kFuelFlow), 0.0);
  EXPECT_LT(value(tok::kOilPressure), 1);
  EXPECT_LT(value(tok::kSuction), 0.01);
  // Stopped, the manifold reads the air outside: 3000 ft of standard atmosphere.
  EXPECT_NEAR(value(tok::kManifoldPressure) / 1024, 26.82, 0.02);
  // Oil and cylinders cool towards the air outside (9 degrees C at 3000 ft).
  EXPECT_LT(value(tok::kOilTemperature) * 0.008544921, 30);
  EXPECT_LT(value(tok::kCylinderHead), 150);
}

TEST_F(RunningEngine, StopsWhenTheSelectedTankRunsDry) {
  write(tok::kLeftQuantity, 0.01);  // about three seconds at cruise
  fly(20);
  EXPECT_EQ(value(tok::kLeftQuantity), 0);
  EXPECT_EQ(value(tok::kEngineSpeed), 0);
}

TEST_F(RunningEngine, OpenCowlFlapsCoolTheCylinders) {
  fly(300);
  const double closed = value(tok::kCylinderHead);
  for (int i = 0; i < 20; ++i) send(evt::kCowlFlapsOpen);
  EXPECT_EQ(value(tok::kCowlFlaps), 1);
  fly(300);
  EXPECT_LT(value(tok::kCylinderHead), closed - 50);
}

}  // namespace
}  // namespace aircraft_test
