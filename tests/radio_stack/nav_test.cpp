// NAV1 and NAV2: displays with two decimals, transfer with each receiver's key event, the
// 50 kHz rings and the identifier events of the knobs.
#include <gtest/gtest.h>

#include "radio_panel.h"

using namespace radio_test;
using Events = std::vector<Event>;
using Sounds = std::vector<int>;

namespace {

struct Receiver {
  const char* face;
  ID32 token;
  ID32 setEvent;
};

const Receiver kReceivers[] = {{"NAV1", tok::kNav1Frequency, evt::kNav1FrequencySet},
                               {"NAV2", tok::kNav2Frequency, evt::kNav2FrequencySet}};

class NavTest : public ::testing::TestWithParam<Receiver> {};

TEST_P(NavTest, DisplaysShowTwoDecimalsOnlyWithPowerAndAvionics) {
  const Receiver r = GetParam();
  RadioPanel panel;
  panel.set(r.token, 0x1030);
  panel.update();
  EXPECT_EQ(panel.standby(r.face), "108.00");
  EXPECT_EQ(panel.active(r.face), "110.30");
  panel.set(r.token, 0x1797);  // no 25 kHz reading on NAV
  panel.update();
  EXPECT_EQ(panel.active(r.face), "117.97");
  EXPECT_NEAR(panel.value(r.face, kNavDepths.active), 117.97, 1e-9);
  panel.set(tok::kAvionicsMaster, 0);
  panel.update();
  EXPECT_EQ(panel.standby(r.face), "");
  EXPECT_EQ(panel.active(r.face), "");
  EXPECT_EQ(panel.value(r.face, kNavDepths.lit), -1.0);
}

TEST_P(NavTest, TransferSendsTheStandbyAndTakesTheSimulatorsFrequency) {
  const Receiver r = GetParam();
  RadioPanel panel;
  panel.set(r.token, 0x1030);
  panel.update();
  panel.click(r.face, Area::Transfer);
  EXPECT_EQ(panel.events(), (Events{{r.setEvent, 0x0800}}));
  EXPECT_EQ(panel.sounds(), (Sounds{255}));
  EXPECT_EQ(panel.standby(r.face), "110.30");
  panel.set(r.token, 0x0800);
  panel.update();
  panel.click(r.face, Area::Transfer);
  EXPECT_EQ(panel.events(), (Events{{r.setEvent, 0x1030}}));
  EXPECT_EQ(panel.standby(r.face), "108.00");
}

TEST_P(NavTest, TransferBringsASimulatorFrequencyOffTheBandOrGridOntoAChannel) {
  const Receiver r = GetParam();
  RadioPanel panel;
  const std::pair<double, const char*> cases[] = {{0x1032, "110.30"}, {0x1799, "117.95"},
                                                  {0x0795, "108.00"}, {0x2000, "117.95"},
                                                  {0xFFFF, "117.95"}, {std::nan(""), "108.00"}};
  for (const auto& [simulator, standby] : cases) {
    panel.set(r.token, simulator);
    panel.update();
    panel.click(r.face, Area::Transfer);
    EXPECT_EQ(panel.standby(r.face), standby) << simulator;
  }
}

TEST_P(NavTest, RingsWrapWithinTheBandAndTheMegahertz) {
  const Receiver r = GetParam();
  RadioPanel panel;
  expectSteps(panel, r.face,
              {{Area::WholeDown, 1, "117.00"},
               {Area::WholeUp, 1, "108.00"},
               {Area::WholeDown, 1, "117.00"},
               {Area::FractionDown, 1, "117.95"},
               {Area::FractionUp, 1, "117.00"},
               {Area::FractionUp, 19, "117.95"},
               {Area::WholeUp, 1, "108.95"}});
  EXPECT_EQ(panel.sounds(), Sounds(25, 255));
  EXPECT_TRUE(panel.events().empty());
}

TEST_P(NavTest, KnobSendsTheIdentifierOffEventAtEveryUpdateWithoutAudioSelection) {
  const Receiver r = GetParam();
  RadioPanel panel;
  panel.click(r.face, Area::Pull, 0);
  panel.allEvents();
  panel.update(3);
  // NAV1 and NAV2 each send one per update; the audio panel has selected neither.
  EXPECT_EQ(panel.allEvents(), Events(6, Event{evt::kNavIdentOff, 1}));
}

TEST_P(NavTest, PowerClicksAndPullBeepsAndTheKnobShowsBoth) {
  const Receiver r = GetParam();
  RadioPanel panel;
  EXPECT_EQ(panel.value(r.face, kNavDepths.knob), 1.0);
  panel.click(r.face, Area::Pull);
  EXPECT_EQ(panel.value(r.face, kNavDepths.knob), 3.0);
  panel.click(r.face, Area::Power);
  EXPECT_EQ(panel.value(r.face, kNavDepths.knob), 2.0);
  EXPECT_EQ(panel.value(r.face, kNavDepths.lit), -1.0);
  panel.click(r.face, Area::Pull);
  EXPECT_EQ(panel.value(r.face, kNavDepths.knob), 0.0);
  panel.click(r.face, Area::Power);
  EXPECT_EQ(panel.value(r.face, kNavDepths.knob), 1.0);
  EXPECT_EQ(panel.sounds(), (Sounds{255, 118, 255, 118}));
  EXPECT_TRUE(panel.events().empty());
}

INSTANTIATE_TEST_SUITE_P(Receivers, NavTest, ::testing::ValuesIn(kReceivers),
                         [](const auto& param) { return std::string(param.param.face); });

}  // namespace
