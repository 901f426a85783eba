// The attitude indicator's horizon, knob and gyro flag, the RMI's pointers and flags with its
// source switch, and the marker lights with their switch.
#include "instrument_probe.h"

namespace {

using namespace nav_test;
using namespace tok;

double horizonAt(RadioPanel& panel, double pitch) {
  settle(panel, {{kPitch, pitch}});
  return reading(panel, "ADI", 1, Y);
}

TEST(AttitudeIndicator, SphereFillsItsRoundWindowAboutTheTextureCentreOnly) {
  RadioPanel panel;
  for (const double pitch : {-40.0, 0.0, 40.0}) {
    settle(panel, {{kPitch, pitch}, {kBank, 30}});
    const QImage image = panel.host().renderGauge(*panel.host().findGauge("ADI"));
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) == qRgb(40, 120, 200) || image.pixel(x, y) == qRgb(130, 80, 40))
          ++(std::hypot(x - 82, y - 84) < 57 ? inside : outside);
    EXPECT_GT(inside, 7000) << pitch;  // sky and earth fill the window, r 56
    EXPECT_EQ(outside, 0) << pitch;
  }
}

TEST(AttitudeIndicator, PitchKnobStopsAtFifteenAndItsHalvesMeetAtTheirEdges) {
  RadioPanel panel;
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(panel.clickAt("ADI", 66, 128));
  EXPECT_EQ(panel.sounds(), std::vector<int>(20, 118));
  // The horizon stops at 43 degrees before the knob's shift; a NaN pitch reads level.
  const double pitches[] = {43, 43.5, -kInf, kNaN}, horizons[] = {28, 43, -43, -15};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(horizonAt(panel, pitches[i]), horizons[i]) << i;
  const int xs[] = {80, 81, 95, 96, 65, 81}, ys[] = {151, 128, 151, 140, 140, 127};
  const double shifted[] = {-15, -14, -13, -13, -13, -13};  // at the stop, then up, up, misses
  for (int i = 0; i < 6; ++i) {
    panel.clickAt("ADI", xs[i], ys[i]);
    EXPECT_EQ(horizonAt(panel, 0), shifted[i]) << xs[i] << "," << ys[i];
  }
}

TEST(AttitudeIndicator, GyroFlagFollowsPitchAndStoredSuctionAndBankPointerTheBank) {
  RadioPanel panel;
  const double pitch[] = {0, 50, 50.5, -51, 0, kNaN, 0, kInf},
               suction[] = {5, 5, 5, 5, 0.49, 5, kNaN, 5};
  const double flag[] = {-1, -1, 1, 1, 1, -1, 1, 1};
  for (int i = 0; i < 8; ++i) {
    settle(panel, {{kPitch, pitch[i]}, {kSuction, suction[i]}, {kBank, pitch[i]}});
    EXPECT_EQ(reading(panel, "ADI", 4), flag[i]) << i;
    EXPECT_EQ(reading(panel, "ADI", 2), (std::isfinite(pitch[i]) ? pitch[i] : 0) - 90) << i;
  }
}

TEST(Rmi, FirstSourceTurnsTheRadialOntoTheCardUnlessItHasNoBearing) {
  RadioPanel panel;  // the switch starts on the first source
  const double heading[] = {90, 0, 180, 270, 90, 90, 90, kNaN},
               flags[] = {0, 0, 0, 0x40, 8, 0x80, 0, 0};
  const double signal[] = {1, 1, 1, 1, 1, 1, 0, 1}, pointer[] = {190, 100, 100, 10, 90, 90, 90, 0};
  for (int i = 0; i < 8; ++i) {
    panel.set(kNav1Radial, i < 7 ? 18200 : kInf);
    settle(panel, {{kHeading, heading[i]}, {kNav1Flags, flags[i]}, {kNav1Signal, signal[i]}});
    EXPECT_NEAR(reading(panel, "RMI", 2), pointer[i], 1e-9) << i;
    EXPECT_EQ(reading(panel, "RMI", 1), std::isfinite(heading[i]) ? 360 - heading[i] : 360);
  }
  // The ADF pointer parks without a signal or power; its flag and the warning flag.
  settle(panel, {{kAdfBearing, 123}, {kAdfSignal, 1}, {kWarning, 4e9}});
  EXPECT_EQ(reading(panel, "RMI", 3) + reading(panel, "RMI", 4) + reading(panel, "RMI", 6), 123);
  settle(panel, {{kBatteryMaster, 0}, {kAlternator, 0}, {kWarning, kNaN}, {kAdfSignal, 0}});
  EXPECT_EQ(reading(panel, "RMI", 3) + reading(panel, "RMI", 4) + reading(panel, "RMI", 6), 305);
}

TEST(Rmi, SwitchHandsTheSecondSourceToThePointerAndItsFlagAtItsNextUpdate) {
  RadioPanel panel;
  settle(panel, {{kNav2Bearing, 45}, {kNav1Signal, 1}, {kHeading, 0}, {kNav1Radial, 18200}});
  ASSERT_TRUE(panel.clickAt("RMSW", 35, 58));
  EXPECT_FALSE(panel.clickAt("RMSW", 36, 24));
  EXPECT_EQ(panel.sounds(), std::vector<int>{118});
  panel.update();
  EXPECT_EQ(reading(panel, "RMSW", 1), 0);
  EXPECT_NEAR(reading(panel, "RMI", 2), 100, 1e-9);  // the RMI updated before the switch did
  panel.update();
  EXPECT_EQ(reading(panel, "RMI", 2), 45);
  settle(panel, {{kNav2Flags, 0x88}});
  EXPECT_EQ(reading(panel, "RMI", 2), 90);
  // The pointer's flag watches the selected source's signal (NaN is none), and drops without
  // avionics.
  const double nav1[] = {1, 0, kNaN, 0, 1, 1}, nav2[] = {0, 1, kNaN, 1, 0, 1};
  const double avionics[] = {1, 1, 1, 1, 1, 0}, flag[] = {1, -1, 1, 1, -1, 1};
  for (int i = 0; i < 6; ++i) {
    if (i == 3) panel.clickAt("RMSW", 20, 40);  // back to the first source
    settle(panel, {{kNav1Signal, nav1[i]}, {kNav2Signal, nav2[i]}, {kAvionicsMaster, avionics[i]}});
    EXPECT_EQ(reading(panel, "RMI", 5), flag[i]) << i;
  }
}

TEST(MarkerLights, SwitchPositionPicksTheLampRowAndAvionicsPowerIt) {
  RadioPanel panel;
  const double beacons[] = {1, 2, 3, 0, 4, kNaN}, lit[] = {2, 1, 0, -1, -1, -1};
  for (int position = 1; position <= 3; ++position) {
    ASSERT_TRUE(panel.clickAt("OMI", 81, 32));
    const int state = position % 3;
    for (int i = 0; i < 6; ++i) {
      settle(panel, {{kMarkerBeacon, beacons[i]}, {kAvionicsMaster, 1}});
      EXPECT_EQ(reading(panel, "OMI", 2), state);
      EXPECT_EQ(reading(panel, "OMI", 4), state == 1 ? lit[i] : -1) << i;
      EXPECT_EQ(reading(panel, "OMI", 3), state == 2 ? lit[i] : -1) << i;
      settle(panel, {{kAvionicsMaster, 0}});
      EXPECT_EQ(reading(panel, "OMI", 3) + reading(panel, "OMI", 4), -2);
    }
  }
  EXPECT_EQ(panel.sounds(), std::vector<int>(3, 118));
}

}  // namespace
