// The warning strip and the breaker panel's gear lights in a panel host with the simulated
// aircraft and the switch panel that keeps the electrical flags.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/gauge_panel.h"

namespace {

using testsupport::GaugePanel;

// Depths of the strip's lamps: the simulator's warning, the starter, low voltage.
constexpr int kWarning = 1, kStarter = 2, kVoltage = 3;

TEST(WarningStrip, LowVoltageAndWarningLampsByBatteryAlternatorEngineAndWarning) {
  // battery, alternator, engine speed, warning; low-voltage lamp, warning lamp
  const std::tuple<double, double, double, double, double, double> cases[] = {
      {1, 0, 0, 1, 1, 1},     {1, 1, 2000, 0.5, -1, -1}, {0, 0, 0, 1, -1, -1},
      {1, 0, 2000, -2, 1, 1}, {1, 1, 1.0, 0, -1, -1},    {1, 1, 0.5, 0, 1, -1}};
  for (auto [battery, alternator, rpm, warning, voltageLamp, warningLamp] : cases) {
    GaugePanel panel;
    for (auto [token, value] : {std::pair{tok::kBatteryMaster, battery},
                                {tok::kAlternator, alternator},
                                {tok::kEngineSpeed, rpm},
                                {tok::kWarning, warning}})
      panel.pin(token, value);
    panel.update(2);
    EXPECT_EQ(panel.value("WARN", kVoltage), voltageLamp) << battery << alternator << rpm;
    EXPECT_EQ(panel.value("WARN", kWarning), warningLamp) << warning << " " << battery;
  }
}

TEST(WarningStrip, StarterLampFollowsTheKeyAtStartWhileTheEngineRuns) {
  GaugePanel panel;
  std::string seen;
  for (int x : {80, 80, 80, 80, 20}) {  // key up to start, then down a notch
    panel.click("SWIT", x, 50);
    panel.update(2);
    seen += panel.value("WARN", kStarter) > 0 ? '#' : '.';
  }
  EXPECT_EQ(seen, "...#.");
}

// Every token the gear, DME, clock, lever, selector, brake and warning gauges read.
TEST(PanelGauges, HostileTokenValuesGiveDrawableValues) {
  const ID32 tokens[] = {tok::kWarning,      tok::kEngineSpeed,  tok::kThrottle,
                         tok::kOnGround,     tok::kGearHandle,   tok::kNoseGear,
                         tok::kLeftGear,     tok::kRightGear,    tok::kNav1DmeDistance,
                         tok::kNav1DmeSpeed, tok::kClockSecond,  tok::kLocalHour,
                         tok::kLocalMinute,  tok::kFuelSelector, tok::kParkingBrake};
  for (double bad : testsupport::kHostileValues) {
    GaugePanel panel;
    for (ID32 token : tokens) panel.pin(token, bad);
    for (int press = 0; press < 4; ++press) {
      panel.click("DME", 98, 50);
      panel.click("CLK", 180, -85);
      panel.update(10);
      for (auto [gauge, last] : {std::pair{"GEAR", 5}, {"CBPL", 5}, {"WARN", 3}, {"FSEL", 3}})
        for (int depth = 1; depth <= last; ++depth)
          EXPECT_FALSE(std::isnan(panel.value(gauge, depth))) << gauge << " " << depth;
      EXPECT_FALSE(std::isnan(panel.value("PBRK", 1)));
    }
  }
}

}  // namespace
