// The COM faces' power and pull switches with their conditional sounds, the lit faces, and
// clicks at the edges of the areas and outside every area.
#include <gtest/gtest.h>

#include "radio_panel.h"

using namespace radio_test;
using Sounds = std::vector<int>;

namespace {

class ComSwitchTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ComSwitchTest, PowerOnWithAvionicsPlaysTheRadiosSoundBeforeTheClick) {
  const std::string face = GetParam();
  RadioPanel panel;
  panel.click(face, Area::Power);
  EXPECT_EQ(panel.value(face, kComDepths.knob), 0.0);
  EXPECT_EQ(panel.value(face, kComDepths.lit), -1.0);
  EXPECT_EQ(panel.sounds(), (Sounds{118}));
  panel.click(face, Area::Power);
  EXPECT_EQ(panel.value(face, kComDepths.knob), 1.0);
  EXPECT_EQ(panel.value(face, kComDepths.lit), 1.0);
  EXPECT_EQ(panel.sounds(), (Sounds{288, 118}));
  EXPECT_TRUE(panel.events().empty());
}

TEST_P(ComSwitchTest, PowerOnWithoutAvionicsOnlyClicks) {
  const std::string face = GetParam();
  RadioPanel panel;
  panel.set(tok::kAvionicsMaster, 0);
  panel.update();
  panel.click(face, Area::Power);
  panel.click(face, Area::Power);
  EXPECT_EQ(panel.sounds(), (Sounds{118, 118}));
  EXPECT_EQ(panel.value(face, kComDepths.knob), 1.0);
}

TEST_P(ComSwitchTest, PullOnPlaysItsSoundOnlyWithAvionicsAndPower) {
  const std::string face = GetParam();
  RadioPanel panel;
  panel.click(face, Area::Pull);
  EXPECT_EQ(panel.value(face, kComDepths.knob), 3.0);
  EXPECT_EQ(panel.sounds(), (Sounds{289, 118}));
  panel.click(face, Area::Pull);
  EXPECT_EQ(panel.sounds(), (Sounds{118}));
  panel.click(face, Area::Power);  // off, no avionics sound either way
  panel.sounds();
  panel.click(face, Area::Pull);
  EXPECT_EQ(panel.value(face, kComDepths.knob), 2.0);
  EXPECT_EQ(panel.sounds(), (Sounds{118}));
  panel.click(face, Area::Pull);
  panel.set(tok::kAvionicsMaster, 0);
  panel.update();
  panel.click(face, Area::Power);
  panel.click(face, Area::Pull);
  EXPECT_EQ(panel.sounds(), (Sounds{118, 118, 118}));
  EXPECT_EQ(panel.value(face, kComDepths.knob), 3.0);
}

INSTANTIATE_TEST_SUITE_P(ComFaces, ComSwitchTest, ::testing::Values("COM1", "COM2"));

TEST(RadioAreas, EdgePixelsBelongToTheirAreaAndTheNextPixelToNone) {
  RadioPanel panel;
  // Transfer button 88, 36, 18 x 11: first and last pixel take the click.
  EXPECT_TRUE(panel.clickAt("COM1", 88, 36));
  EXPECT_TRUE(panel.clickAt("COM1", 105, 46));
  EXPECT_FALSE(panel.clickAt("COM1", 106, 46));
  EXPECT_FALSE(panel.clickAt("COM1", 87, 36));
  EXPECT_FALSE(panel.clickAt("NAV1", 105, 47));
  panel.update();
  EXPECT_EQ(panel.events().size(), 2u);
  // The NAV knob's columns meet at 243: left of it is down, from it up.
  panel.clickAt("NAV1", 242, 14);
  panel.update();
  EXPECT_EQ(panel.standby("NAV1"), "117.00");
  panel.clickAt("NAV1", 243, 41);
  panel.update();
  EXPECT_EQ(panel.standby("NAV1"), "117.05");
}

TEST(RadioAreas, ClicksOutsideEveryAreaChangeNothing) {
  RadioPanel panel;
  for (const char* face : {"COM1", "COM2", "NAV1", "NAV2"}) {
    for (auto [x, y] : {std::pair{0, 0},
                        {273, 52},
                        {-1, 10},
                        {274, 10},
                        {50, 60},
                        {160, 25},
                        {1000000, -1000000}}) {
      EXPECT_FALSE(panel.clickAt(face, x, y)) << face << " " << x << "," << y;
    }
  }
  panel.update();
  EXPECT_TRUE(panel.events().empty());
  EXPECT_TRUE(panel.sounds().empty());
  EXPECT_EQ(panel.standby("COM1"), "118.000");
  EXPECT_EQ(panel.standby("NAV2"), "108.00");
}

TEST(RadioAreas, EachFaceGivesItsHelpAndTheKnobsTheirArrows) {
  RadioPanel panel;
  const std::pair<const char*, ID32> faces[] = {
      {"COM1", 0xA701}, {"COM2", 0xA703}, {"NAV1", 0xA700}, {"NAV2", 0xA702}};
  for (const auto& [face, help] : faces) {
    const panelhost::Gauge* gauge = panel.host().findGauge(face);
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(panel.host().help(*gauge, QPoint(10, 10)).helpId, help) << face;
    const int down = isNav(face) ? 235 : 229;
    const int up = isNav(face) ? 249 : 255;
    EXPECT_EQ(panel.host().help(*gauge, QPoint(down, 20)).cursor, CURSOR_DOWN_ARROW);
    EXPECT_EQ(panel.host().help(*gauge, QPoint(up, 34)).cursor, CURSOR_UP_ARROW);
    EXPECT_EQ(panel.host().help(*gauge, QPoint(96, 41)).cursor, CURSOR_HAND);
  }
}

}  // namespace
