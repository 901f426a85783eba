// COM2: the panel's own radio. Its rings over exact channels, the spacing button's reset, and a
// transfer that swaps its two frequencies without a word to the simulator.
#include <gtest/gtest.h>

#include "radio_panel.h"

using namespace radio_test;
using Sounds = std::vector<int>;

namespace {

TEST(Com2Displays, StartAt118AndShowOnlyWithPowerAndAvionics) {
  RadioPanel panel;
  EXPECT_EQ(panel.standby("COM2"), "118.000");
  EXPECT_EQ(panel.active("COM2"), "118.000");
  EXPECT_EQ(panel.value("COM2", kComDepths.lit), 1.0);
  panel.click("COM2", Area::Power);
  EXPECT_EQ(panel.standby("COM2"), "");
  EXPECT_EQ(panel.active("COM2"), "");
  EXPECT_EQ(panel.value("COM2", kComDepths.lit), -1.0);
  EXPECT_DOUBLE_EQ(panel.value("COM2", kComDepths.standby), 118.0);
}

TEST(Com2Tuning, TwentyFiveKilohertzRingShowsEveryChannelExactlyOnce) {
  RadioPanel panel;
  panel.click("COM2", Area::Spacing);
  for (int step = 1; step <= 39; ++step) {
    panel.click("COM2", Area::FractionUp);
    char expected[16];
    std::snprintf(expected, sizeof expected, "118.%03d", step * 25);
    ASSERT_EQ(panel.standby("COM2"), expected) << step;
  }
  EXPECT_DOUBLE_EQ(panel.value("COM2", kComDepths.standby), 118.975);
  panel.click("COM2", Area::FractionUp);
  EXPECT_EQ(panel.standby("COM2"), "118.000");
  // And down again from .975: 39 steps reach .000 exactly, the 40th wraps.
  expectSteps(panel, "COM2",
              {{Area::FractionDown, 1, "118.975"}, {Area::FractionDown, 39, "118.000"}});
  EXPECT_DOUBLE_EQ(panel.value("COM2", kComDepths.standby), 118.0);
  expectSteps(panel, "COM2", {{Area::FractionDown, 1, "118.975"}});
}

TEST(Com2Tuning, FiftyKilohertzRingWrapsAtNineHundredFifty) {
  RadioPanel panel;
  expectSteps(panel, "COM2",
              {{Area::FractionDown, 1, "118.950"},
               {Area::FractionUp, 1, "118.000"},
               {Area::FractionUp, 19, "118.950"},
               {Area::FractionUp, 1, "118.000"}});
}

TEST(Com2Tuning, WholeMegahertzWrapsBetween118And136) {
  RadioPanel panel;
  expectSteps(panel, "COM2",
              {{Area::WholeDown, 1, "136.000"},
               {Area::WholeUp, 1, "118.000"},
               {Area::WholeUp, 18, "136.000"},
               {Area::WholeUp, 1, "118.000"}});
}

TEST(Com2Spacing, To50KilohertzStepsTheFractionStartsAgainAtFiveHundred) {
  RadioPanel panel;
  panel.click("COM2", Area::WholeUp, 0);
  panel.click("COM2", Area::WholeUp, 0);
  panel.click("COM2", Area::Spacing);
  panel.click("COM2", Area::FractionDown);
  EXPECT_EQ(panel.standby("COM2"), "120.975");
  panel.click("COM2", Area::Spacing);
  EXPECT_EQ(panel.standby("COM2"), "120.500");
  EXPECT_EQ(panel.value("COM2", kComDepths.spacing), 0.0);
  panel.click("COM2", Area::FractionUp);
  panel.click("COM2", Area::Spacing);  // back to 25 kHz steps: unchanged
  EXPECT_EQ(panel.standby("COM2"), "120.550");
  EXPECT_EQ(panel.value("COM2", kComDepths.spacing), 1.0);
}

TEST(Com2Transfer, SwapsBothFrequenciesSilentlyToTheSimulator) {
  RadioPanel panel;
  panel.click("COM2", Area::WholeUp);
  panel.click("COM2", Area::Spacing);
  panel.click("COM2", Area::FractionDown);  // 119.975
  panel.sounds();
  panel.click("COM2", Area::Transfer);
  EXPECT_EQ(panel.active("COM2"), "119.975");
  EXPECT_EQ(panel.standby("COM2"), "118.000");
  EXPECT_EQ(panel.sounds(), (Sounds{199}));
  EXPECT_TRUE(panel.events().empty());
  // The old active frequency tunes on as a standby of whole MHz and fraction.
  panel.click("COM2", Area::Transfer);
  EXPECT_EQ(panel.standby("COM2"), "119.975");
  EXPECT_EQ(panel.active("COM2"), "118.000");
  panel.click("COM2", Area::FractionUp);
  EXPECT_EQ(panel.standby("COM2"), "119.000");
  panel.click("COM2", Area::WholeUp);
  EXPECT_EQ(panel.standby("COM2"), "120.000");
}

TEST(Com2Transfer, AStepTakenSinceTheLastDrawIsSwappedToo) {
  RadioPanel panel;
  panel.click("COM2", Area::WholeUp, 0);
  panel.click("COM2", Area::Transfer);
  EXPECT_EQ(panel.active("COM2"), "119.000");
  EXPECT_EQ(panel.standby("COM2"), "118.000");
}

}  // namespace
