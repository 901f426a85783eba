// The goal watched over the simulated aircraft's tokens: conditions, steps in order with their
// times, and the valley race gates flown in order.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "gauges/sim_ids.h"
#include "panelhost/aircraft.h"
#include "panelhost/lesson_watcher.h"

namespace {

using namespace panelhost;

constexpr double kCycle = SimulatedAircraft::kCycleSeconds;

GoalStep step(const std::string& text) {
  std::string error;
  auto parsed = parseGoalStep(text, error);
  EXPECT_TRUE(parsed) << text << ": " << error;
  return parsed.value_or(GoalStep{});
}

struct Watched : ::testing::Test {
  VariableStore vars_;
  SimulatedAircraft aircraft_{vars_, AircraftStart::Cruise};
};

TEST_F(Watched, ConditionsReadTheTokensTheWayTheyAreWritten) {
  const struct {
    const char* condition;
    ID32 token;
    double value;
    bool holds;
  } kCases[] = {
      {"heading=000+-10", tok::kHeading, 355, true},  // around north
      {"heading=270+-10", tok::kHeading, 355, false},
      {"bank=45+-5", tok::kBank, -44, true},  // either side
      {"vs>=500", tok::kVerticalSpeed, 256 * 600 / 60 / 3.28084, true},
      {"vs>=500", tok::kVerticalSpeed, 256 * 400 / 60 / 3.28084, false},
      {"dme2<=2", tok::kNav2DmeDistance, 0, false},  // nothing heard
      {"dme2<=2", tok::kNav2DmeDistance, 1.5, true},
      {"altitude>=1000", tok::kAltitude, std::nan(""), false},
      {"airspeed<60", tok::kAirspeed, 59, true},
      {"stalled", kStallWarning, 1, true},
      {"stalled", kStallWarning, 0, false},
      {"on_ground", tok::kOnGround, 1, true},
      {"engine_stopped", tok::kEngineSpeed, 0, true},
      {"engine_running", tok::kMagnetos, 0, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.condition);
    aircraft_.reset(AircraftStart::Cruise);
    vars_.write(c.token, c.value);
    EXPECT_EQ(stepHolds(step(c.condition), GoalReadings{vars_, 0}), c.holds);
  }
}

TEST_F(Watched, StepsAreMetInOrderAndATimedStepMustHoldWithoutABreak) {
  LessonWatcher watcher({step("on_ground"), step("altitude>=1000 for 2s")});
  EXPECT_FALSE(watcher.observe(vars_, kCycle));  // aloft: the first step waits
  EXPECT_EQ(watcher.step(), 0u);
  vars_.write(tok::kOnGround, 1);
  EXPECT_FALSE(watcher.observe(vars_, kCycle));
  EXPECT_EQ(watcher.step(), 1u);
  for (int i = 0; i < 30; ++i) EXPECT_FALSE(watcher.observe(vars_, kCycle));
  vars_.write(tok::kAltitude, 900);  // a break starts the time afresh
  EXPECT_FALSE(watcher.observe(vars_, kCycle));
  vars_.write(tok::kAltitude, 1000);
  int cycles = 1;
  while (!watcher.observe(vars_, kCycle)) ++cycles;
  EXPECT_EQ(cycles, 36);
  EXPECT_TRUE(watcher.complete());
  EXPECT_FALSE(watcher.observe(vars_, kCycle));  // told once
}

TEST_F(Watched, GatesCountOnlyFlownThroughInOrderBetweenFloorAndCeiling) {
  const auto gates = valleyGates();
  LessonWatcher watcher({step("gates=" + std::to_string(gates.size()))});
  const auto through = [&](const ValleyGate& gate, double altitude, double direction) {
    const double angle = (gate.headingDegrees + direction) * std::numbers::pi / 180;
    vars_.write(tok::kAltitude, altitude);
    for (double along : {-0.2, 0.2}) {
      vars_.write(kPositionEast, gate.east + along * std::sin(angle));
      vars_.write(kPositionNorth, gate.north + along * std::cos(angle));
      watcher.observe(vars_, kCycle);
    }
  };
  const double middle = (gates[0].floorFeet + gates[0].ceilingFeet) / 2;
  through(gates[1], middle, 0);  // out of order
  through(gates[0], gates[0].ceilingFeet + 50, 0);
  through(gates[0], middle, 180);  // the wrong way
  EXPECT_EQ(watcher.gatesPassed(), 0);
  through(gates[0], middle, 0);
  EXPECT_EQ(watcher.gatesPassed(), 1);
  for (std::size_t i = 1; i < gates.size(); ++i)
    through(gates[i], (gates[i].floorFeet + gates[i].ceilingFeet) / 2, 0);
  EXPECT_TRUE(watcher.complete());
}

}  // namespace
