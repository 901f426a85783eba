// The gear panel, the DME and the clock in a panel host with the simulated aircraft.
#include <gtest/gtest.h>

#include "tests/support/gauge_panel.h"

namespace {

using testsupport::Event;
using testsupport::GaugePanel;

TEST(Dme, ReadoutsByKnobPositionAndAvionicsPower) {
  struct Case {
    int knobSteps;                   // clicks to the right from OFF
    std::vector<double> settings;    // avionics, NAV1 distance and speed, NAV2 distance and speed
    std::vector<std::string> texts;  // time, speed, distance
  };
  const Case cases[] = {{1, {1, 30, 120, 0, 0}, {"15", "120", "30.0"}},
                        {1, {1, 0, 0, 9, 9}, {"--", "---", "----"}},
                        {3, {0, 30, 120, 12, 100}, {"//", "///", "////"}},
                        {3, {1, 30, 120, 60, 60}, {"60", " 60", "60.0"}},  // exactly an hour
                        {2, {1, 30, 120, 12, 100}, {"--", "---", "----"}},
                        {0, {1, 30, 120, 12, 100}, {"", "", ""}},
                        {1, {1, 5, 0, 0, 0}, {"99", "---", " 5.0"}},
                        {1, {1, 30, 2000, 0, 0}, {" 1", "999", "30.0"}},  // from the real speed
                        {1, {1, -5, 100, 0, 0}, {"", "100", "----"}}};
  const ID32 tokens[] = {tok::kAvionicsMaster, tok::kNav1DmeDistance, tok::kNav1DmeSpeed,
                         tok::kNav2DmeDistance, tok::kNav2DmeSpeed};
  for (const Case& c : cases) {
    GaugePanel panel;
    for (std::size_t i = 0; i < c.settings.size(); ++i) panel.pin(tokens[i], c.settings[i]);
    for (int i = 0; i < c.knobSteps; ++i) panel.click("DME", 98, 50);
    panel.update(3);
    EXPECT_EQ((std::vector{panel.text("DME", 4), panel.text("DME", 5), panel.text("DME", 6)}),
              c.texts)
        << "knob " << c.knobSteps << ", NAV1 " << c.settings[1] << " at " << c.settings[2];
  }
}

TEST(Dme, KnobStopsAtItsEndsAndItsAreasMeetBetweenColumns86And87) {
  GaugePanel panel;
  const std::pair<int, double> clicks[] = {{108, 1}, {87, 2}, {100, 3}, {109, 3}, {86, 2},
                                           {65, 1},  {64, 1}, {70, 0},  {86, 0}};
  for (auto [x, mode] : clicks) {
    panel.click("DME", x, 60);
    panel.update();
    // The lit face, the knob and the legend.
    EXPECT_EQ((std::vector{panel.value("DME", 1), panel.value("DME", 2), panel.value("DME", 3)}),
              (std::vector<double>{mode < 1 ? -1.0 : 1.0, mode, mode - 1}))
        << x;
  }
  EXPECT_FALSE(panel.click("DME", 70, 61));
}

TEST(Clock, ButtonWalksTimeOfDayStopwatchZeroRunningStoppedAndBack) {
  GaugePanel panel;
  const auto at = [&](double hour, double minute, double second) {
    for (auto [token, value] : {std::pair{tok::kClockHour, hour},
                                {tok::kClockMinute, minute},
                                {tok::kClockSecond, second}})
      panel.host().vars().write(token, value);
    panel.update();
    return panel.text("CLK", 1);
  };
  const auto press = [&](int x, int y) {
    EXPECT_TRUE(panel.click("CLK", x, y));
    panel.update();
    return panel.text("CLK", 1);
  };
  EXPECT_EQ(at(10, 0, 0), "10:00");
  EXPECT_EQ(press(175, -90), "00:00");
  EXPECT_EQ(press(194, -71), "00:00");
  EXPECT_EQ(at(11, 2, 3), "02:03");  // minutes and seconds only
  EXPECT_EQ(press(180, -80), "02:03");
  EXPECT_EQ(at(11, 7, 0), "02:03");
  EXPECT_EQ(press(180, -80), "11:07");
  EXPECT_FALSE(panel.click("CLK", 195, -80) || panel.click("CLK", 180, -70) ||
               panel.click("CLK", 50, 20));
  at(23, 59, 50);
  press(180, -80);
  press(180, -80);
  panel.update(30 * 18 - 1);  // the aircraft's clock runs on past midnight
  EXPECT_EQ(panel.text("CLK", 1), "00:30");
}

TEST(GearLights, TransitLightsOfBothPanelsFlashLit22Dark7UntilTheThrottleOpens) {
  GaugePanel panel;
  for (ID32 token : {tok::kOnGround, tok::kThrottle, tok::kGearHandle, tok::kNoseGear})
    panel.pin(token, 0);
  std::string gear, breakers;
  for (int call = 1; call <= 62; ++call) {
    if (call >= 59) panel.pin(tok::kThrottle, call < 61 ? 2 : 0);
    panel.update();
    gear += panel.value("GEAR", 5) > 0 ? '#' : '.';
    breakers += panel.value("CBPL", 5) > 0 ? '#' : '.';
  }
  const std::string period = std::string(22, '#') + std::string(7, '.');
  EXPECT_EQ(gear, period + period + "..##");  // the open throttle clears the count
  EXPECT_EQ(breakers, gear);
}

TEST(GearLights, HandleLowersTheGearLitInTransitThenGreenLegByLeg) {
  GaugePanel panel;
  EXPECT_TRUE(panel.click("GEAR", 61, -22));
  EXPECT_FALSE(panel.click("GEAR", 60, 0));
  EXPECT_EQ(panel.events(), (std::vector<Event>{{evt::kGearToggle, 1}}));
  EXPECT_EQ(panel.sounds(), std::vector<int>{142});
  // Handle, right, nose and left lights, transit light, on both panels.
  const auto lights = [&](const char* gauge, int first) {
    std::vector<double> out;
    for (int depth = first; depth < first + 5; ++depth) out.push_back(panel.value(gauge, depth));
    return out;
  };
  panel.update(100);  // 5.6 of the legs' 6 seconds down
  EXPECT_EQ(lights("GEAR", 1), (std::vector<double>{1, -1, 1, -1, 1}));
  EXPECT_EQ(lights("CBPL", 1), (std::vector<double>{0, -1, 1, -1, 1}));  // its overlay first
  panel.update(20);
  EXPECT_EQ(lights("GEAR", 1), (std::vector<double>{1, 1, 1, 1, -1}));
}

}  // namespace
