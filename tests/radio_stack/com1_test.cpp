// COM1: the simulator's COM radio. Displays, the 25 kHz reading of the simulator's digits,
// transfer with its key event, the tuning rings with every wrap and the spacing button.
#include <gtest/gtest.h>

#include "radio_panel.h"

using namespace radio_test;
using Events = std::vector<Event>;
using Sounds = std::vector<int>;

namespace {

TEST(Com1Displays, ShowStandbyAndTheSimulatorsFrequencyWithThreeDecimals) {
  RadioPanel panel;
  panel.set(tok::kCom1Frequency, 0x1850);
  panel.update();
  EXPECT_EQ(panel.standby("COM1"), "118.000");
  EXPECT_EQ(panel.active("COM1"), "118.500");
  EXPECT_DOUBLE_EQ(panel.value("COM1", kComDepths.standby), 118.0);
  EXPECT_NEAR(panel.value("COM1", kComDepths.active), 118.5, 1e-9);
}

TEST(Com1Displays, HundredthsTwoAndSevenReadAsTwentyFiveKilohertzChannels) {
  RadioPanel panel;
  const std::pair<double, const char*> cases[] = {{0x2152, "121.525"}, {0x1807, "118.075"},
                                                  {0x3697, "136.975"}, {0x1805, "118.050"},
                                                  {0x2310, "123.100"}, {0x1801, "118.010"}};
  for (const auto& [bcd, text] : cases) {
    panel.set(tok::kCom1Frequency, bcd);
    panel.update();
    EXPECT_EQ(panel.active("COM1"), text);
  }
  // The callback's value carries the single-precision 25 kHz constant.
  panel.set(tok::kCom1Frequency, 0x2152);
  panel.update();
  EXPECT_DOUBLE_EQ(panel.value("COM1", kComDepths.active),
                   121.0 + 0.5 + static_cast<double>(0.025f));
}

TEST(Com1Displays, StayEmptyWithoutAvionicsPowerWhileTheKnobsStillTune) {
  RadioPanel panel;
  panel.set(tok::kAvionicsMaster, 0);
  panel.update();
  EXPECT_EQ(panel.standby("COM1"), "");
  EXPECT_EQ(panel.active("COM1"), "");
  EXPECT_EQ(panel.value("COM1", kComDepths.lit), -1.0);
  panel.click("COM1", Area::WholeUp);
  EXPECT_DOUBLE_EQ(panel.value("COM1", kComDepths.standby), 119.0);
  panel.click("COM1", Area::Transfer);
  EXPECT_EQ(panel.events(), (Events{{evt::kCom1FrequencySet, 0x1900}}));
  panel.set(tok::kAvionicsMaster, 1);
  panel.update();
  EXPECT_EQ(panel.value("COM1", kComDepths.lit), 1.0);
  EXPECT_FALSE(panel.standby("COM1").empty());
}

TEST(Com1Displays, AnyAvionicsValueButZeroCountsAsOn) {
  RadioPanel panel;
  for (double avionics : {2.0, -1.0, 1e12}) {
    panel.set(tok::kAvionicsMaster, avionics);
    panel.update();
    EXPECT_EQ(panel.standby("COM1"), "118.000") << avionics;
  }
  panel.set(tok::kAvionicsMaster, std::nan(""));
  panel.update();
  EXPECT_EQ(panel.standby("COM1"), "");
}

TEST(Com1Transfer, SendsTheStandbyWithoutItsUnitsDigitAndTakesTheSimulatorsFrequency) {
  RadioPanel panel;
  panel.set(tok::kCom1Frequency, 0x2152);
  panel.update();
  panel.click("COM1", Area::Transfer);
  EXPECT_EQ(panel.events(), (Events{{evt::kCom1FrequencySet, 0x1800}}));
  EXPECT_EQ(panel.sounds(), (Sounds{199}));
  EXPECT_EQ(panel.standby("COM1"), "121.525");
  // 121.525 goes back as 0x2152.
  panel.set(tok::kCom1Frequency, 0x1800);
  panel.update();
  panel.click("COM1", Area::Transfer);
  EXPECT_EQ(panel.events(), (Events{{evt::kCom1FrequencySet, 0x2152}}));
  EXPECT_EQ(panel.standby("COM1"), "118.000");
}

TEST(Com1Transfer, SendsEveryKindOfChannelInFourDigits) {
  RadioPanel panel;
  // 118.025 and 136.975 from the standby's rings.
  panel.click("COM1", Area::Spacing);
  panel.click("COM1", Area::FractionUp);
  panel.click("COM1", Area::Transfer);
  EXPECT_EQ(panel.events(), (Events{{evt::kCom1FrequencySet, 0x1802}}));
  panel.set(tok::kCom1Frequency, 0x1800);
  panel.update();
  panel.click("COM1", Area::Transfer);  // standby back to 118.000
  panel.click("COM1", Area::WholeDown);
  panel.click("COM1", Area::FractionDown);
  EXPECT_EQ(panel.standby("COM1"), "136.975");
  panel.events();
  panel.click("COM1", Area::Transfer);
  EXPECT_EQ(panel.events(), (Events{{evt::kCom1FrequencySet, 0x3697}}));
}

TEST(Com1Transfer, ASimulatorFrequencyOffTheBandOrGridBecomesTheNearestChannel) {
  RadioPanel panel;
  const std::pair<double, const char*> cases[] = {
      {0x0000, "118.000"}, {0x1751, "118.000"}, {0x3800, "136.975"}, {0xFFFF, "136.975"},
      {0x2151, "121.500"}, {0x2159, "121.575"}, {-5.0, "136.975"},   {std::nan(""), "118.000"}};
  for (const auto& [simulator, standby] : cases) {
    panel.set(tok::kCom1Frequency, simulator);
    panel.update();
    panel.click("COM1", Area::Transfer);
    EXPECT_EQ(panel.standby("COM1"), standby) << simulator;
  }
}

TEST(Com1Tuning, WholeMegahertzWrapsOverTheBandKeepingTheFraction) {
  RadioPanel panel;
  expectSteps(panel, "COM1",
              {{Area::WholeDown, 1, "136.000"},
               {Area::WholeUp, 1, "118.000"},
               {Area::Spacing, 1, "118.000"},
               {Area::FractionDown, 1, "118.975"},
               {Area::WholeDown, 1, "136.975"},
               {Area::WholeUp, 1, "118.975"},
               {Area::WholeUp, 18, "136.975"}});
}

TEST(Com1Tuning, TwentyFiveKilohertzRingWrapsWithinTheMegahertz) {
  RadioPanel panel;
  panel.click("COM1", Area::Spacing);
  EXPECT_EQ(panel.value("COM1", kComDepths.spacing), 1.0);
  expectSteps(panel, "COM1",
              {{Area::FractionDown, 1, "118.975"},
               {Area::FractionUp, 1, "118.000"},
               {Area::FractionUp, 39, "118.975"},
               {Area::FractionUp, 1, "118.000"}});
}

TEST(Com1Tuning, FiftyKilohertzRingWrapsWithinTheMegahertz) {
  RadioPanel panel;
  EXPECT_EQ(panel.value("COM1", kComDepths.spacing), 0.0);
  expectSteps(panel, "COM1",
              {{Area::FractionDown, 1, "118.950"},
               {Area::FractionUp, 1, "118.000"},
               {Area::FractionUp, 19, "118.950"},
               {Area::FractionUp, 1, "118.000"}});
}

TEST(Com1Tuning, AnOddChannelLeftFrom25KilohertzStepsStaysOnItsOwnRingIn50KilohertzSteps) {
  RadioPanel panel;
  // Into 25 kHz steps, one step up, back to 50 kHz steps: the standby is unchanged.
  expectSteps(panel, "COM1",
              {{Area::Spacing, 1, "118.000"},
               {Area::FractionUp, 1, "118.025"},
               {Area::Spacing, 1, "118.025"},
               {Area::FractionDown, 1, "118.975"},
               {Area::FractionUp, 1, "118.025"},
               {Area::WholeDown, 1, "136.025"},
               {Area::FractionDown, 2, "136.925"},
               {Area::FractionUp, 2, "136.025"}});
}

TEST(Com1Tuning, KnobStepsBeepAndRepeatWhileHeld) {
  RadioPanel panel;
  panelhost::Gauge* com1 = panel.host().findGauge("COM1");
  ASSERT_NE(com1, nullptr);
  EXPECT_TRUE(panel.host().hold(*com1, QPoint(255, 20), 5));
  EXPECT_EQ(panel.standby("COM1"), "123.000");
  EXPECT_EQ(panel.sounds(), (Sounds{255, 255, 255, 255, 255}));
  EXPECT_TRUE(panel.events().empty());
}

TEST(Com1Spacing, ToggleFlipsTheLightAndBeepsWithoutTouchingTheStandby) {
  RadioPanel panel;
  panel.click("COM1", Area::WholeUp);
  panel.sounds();
  panel.click("COM1", Area::Spacing);
  EXPECT_EQ(panel.value("COM1", kComDepths.spacing), 1.0);
  panel.click("COM1", Area::Spacing);
  EXPECT_EQ(panel.value("COM1", kComDepths.spacing), 0.0);
  EXPECT_EQ(panel.standby("COM1"), "119.000");
  EXPECT_EQ(panel.sounds(), (Sounds{255, 255}));
  EXPECT_TRUE(panel.events().empty());
}

}  // namespace
