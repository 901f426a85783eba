// The engine levers, the fuel selector and the parking brake in a panel host with the simulated
// aircraft.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/gauge_panel.h"

namespace {

using testsupport::Event;
using testsupport::GaugePanel;

TEST(EngineLevers, DragSetsTheAxisFromThePointerHeightHeldAtTheTravelsEnds) {
  const std::tuple<const char*, int, Event> drags[] = {
      {"THR2", -10, {evt::kThrottleSet, 16383}},  // above the gauge
      {"THR2", 100, {evt::kThrottleSet, 0}},      // below it
      {"THR3", 40, {evt::kPropellerSet, 8191}},
      {"THR4", 79, {evt::kMixtureSet, 204}}};
  GaugePanel panel;
  for (auto [gauge, y, sent] : drags) {
    EXPECT_TRUE(panel.drag(gauge, 40, y));
    EXPECT_EQ(panel.events(), std::vector{sent}) << gauge << " " << y;
    panel.update();
    EXPECT_EQ(panel.value(gauge, 1), sent.second);  // the slider shows the aircraft's axis
  }
}

TEST(AlternateAir, SpringsBackFromTheBottomIn40UpdatesAndSendsNothing) {
  GaugePanel panel;
  EXPECT_TRUE(panel.drag("THR5", 30, 120));
  panel.update();
  EXPECT_EQ(panel.value("THR5", 1, 0), 10000);
  EXPECT_EQ(panel.value("THR5", 1, 1), 9750);
  panel.update(39);
  EXPECT_EQ(panel.value("THR5", 1, 1), 0);
  EXPECT_TRUE(panel.events().empty());
}

TEST(FuelSelector, TopAreaTurnsToOffOnlyWithin54UpdatesOfAStopPress) {
  GaugePanel panel;
  const Event left = {evt::kFuelSelectorLeft, 1}, off = {evt::kFuelSelectorOff, 1};
  const auto top = [&] {
    return panel.click("FSEL", 120, 40) ? panel.events() : std::vector<Event>{};
  };
  EXPECT_EQ(top(), std::vector{left});
  EXPECT_TRUE(panel.click("FSEL", 241, 92));  // the stop button's far corner
  panel.update(54);
  EXPECT_EQ(top(), std::vector{off});
  panel.update();
  EXPECT_EQ(top(), std::vector{left});
  EXPECT_TRUE(panel.click("FSEL", 233, 139) && panel.click("FSEL", 110, 110));
  EXPECT_FALSE(panel.click("FSEL", 159, 40) || panel.click("FSEL", 120, 65));
  EXPECT_EQ(panel.events(), (std::vector<Event>{{evt::kFuelSelectorRight, 1}, left}));
  EXPECT_EQ(panel.sounds(), (std::vector<int>{118, 199, 118, 118, 118, 118}));
  for (auto [position, image] : {std::pair{0, 0}, {1, 0}, {2, 1}, {3, 2}, {7, 0}}) {
    panel.pin(tok::kFuelSelector, position);
    panel.update();
    EXPECT_EQ(panel.value("FSEL", 2), image) << position;
  }
}

TEST(ParkingBrake, PullReleasesASetBrakeAndSetsAReleasedOne) {
  GaugePanel panel(panelhost::AircraftStart::Cold);
  EXPECT_TRUE(panel.click("PBRK", 36, 25));
  EXPECT_EQ(panel.events(), (std::vector<Event>{{evt::kBrakes, 0}}));
  panel.update();
  EXPECT_EQ(panel.value("PBRK", 1), -1);
  EXPECT_TRUE(panel.click("PBRK", 0, 0) && !panel.click("PBRK", 37, 10));
  EXPECT_EQ(panel.events(), (std::vector<Event>{{evt::kParkingBrakeSet, 1}}));
}

}  // namespace
