// The arithmetic of the radios' channels on its own: the BCD forms both ways, the channel a
// transfer takes over, the second COM radio's exact fraction ring and its split, and the
// condition for the NAV identifier.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gauges/radio_state.h"
#include "gauges/sim_ids.h"

using namespace radio;

namespace {

TEST(Bcd, ComChannelsGoOutWithoutTheirUnitsDigitAndComeBackWhole) {
  EXPECT_EQ(comBcd(118025), 0x1802u);
  EXPECT_EQ(comBcd(136975), 0x3697u);
  EXPECT_EQ(comBcd(121525), 0x2152u);
  EXPECT_EQ(comBcd(118000), 0x1800u);
  for (UINT32 khz = kComLowest; khz <= kComHighest; khz += kComGrid) {
    const Decoded back = decodeComBcd(comBcd(khz));
    ASSERT_EQ(back.channel, khz);
    char text[16];
    std::snprintf(text, sizeof text, "%6.3f", back.megahertz);
    char expected[16];
    std::snprintf(expected, sizeof expected, "%u.%03u", khz / 1000, khz % 1000);
    ASSERT_STREQ(text, expected);
  }
}

TEST(Bcd, NavChannelsRoundTripInFourDigits) {
  EXPECT_EQ(navBcd(11030), 0x1030u);
  EXPECT_EQ(navBcd(10800), 0x0800u);
  for (UINT32 units = kNavLowest; units <= kNavHighest; units += kNavGrid)
    ASSERT_EQ(decodeNavBcd(navBcd(units)).channel, units);
}

TEST(Bcd, OnlyTheLowSixteenBitsCount) {
  EXPECT_EQ(decodeComBcd(0xABCD2152).channel, 121525u);
  EXPECT_EQ(decodeNavBcd(0xFFFF1030).channel, 11030u);
}

TEST(TakenOver, FrequenciesOutsideTheBandOrOffTheGridBecomeTheNearestChannelBelowOrTheEnd) {
  EXPECT_EQ(comChannelOf(0), kComLowest);
  EXPECT_EQ(comChannelOf(121510), 121500u);
  EXPECT_EQ(comChannelOf(121524), 121500u);
  EXPECT_EQ(comChannelOf(137000), kComHighest);
  EXPECT_EQ(comChannelOf(std::numeric_limits<UINT32>::max()), kComHighest);
  EXPECT_EQ(navChannelOf(10799), kNavLowest);
  EXPECT_EQ(navChannelOf(11032), 11030u);
  EXPECT_EQ(navChannelOf(11799), kNavHighest);
}

TEST(Com2Fraction, StepsLandOnTheExactChannelValues) {
  double fraction = 0.0;
  for (int step = 1; step < 40; ++step) {
    fraction = com2FractionUp(fraction, kSpacing25);
    ASSERT_EQ(fraction, step / 40.0) << step;
  }
  EXPECT_EQ(fraction, 0.975);
  EXPECT_EQ(com2FractionUp(fraction, kSpacing25), 0.0);
  for (int step = 38; step >= 0; --step) {
    fraction = com2FractionDown(fraction, kSpacing25);
    ASSERT_EQ(fraction, step / 40.0) << step;
  }
  EXPECT_EQ(com2FractionDown(0.0, kSpacing25), 0.975);
}

TEST(Com2Fraction, FiftyKilohertzStepsWrapAtTheEndsOfTheRing) {
  EXPECT_EQ(com2FractionDown(0.0, kSpacing50), 0.95);
  EXPECT_EQ(com2FractionDown(0.025, kSpacing50), 0.95);
  EXPECT_EQ(com2FractionUp(0.95, kSpacing50), 0.0);
  EXPECT_EQ(com2FractionUp(0.925, kSpacing50), 0.0);
  EXPECT_EQ(com2FractionUp(0.9, kSpacing50), 0.95);
  EXPECT_EQ(com2FractionForSpacing(0.975, kSpacing50), 0.5);
  EXPECT_EQ(com2FractionForSpacing(0.975, kSpacing25), 0.975);
}

TEST(Com2Split, AnyFrequencySplitsIntoAWholeMegahertzOfTheBandAndAChannelFraction) {
  const std::pair<double, SplitFrequency> cases[] = {
      {119.975, {119.0, 0.975}},
      {118.0, {118.0, 0.0}},
      {121.9999999, {122.0, 0.0}},
      {136.975, {136.0, 0.975}},
      {140.0, {136.0, 0.975}},
      {0.0, {118.0, 0.0}},
      {-1e300, {118.0, 0.0}},
      {std::nan(""), {118.0, 0.0}},
      {std::numeric_limits<double>::infinity(), {118.0, 0.0}},
  };
  for (const auto& [megahertz, split] : cases) {
    const SplitFrequency got = splitCom2(megahertz);
    EXPECT_EQ(got.whole, split.whole) << megahertz;
    EXPECT_EQ(got.fraction, split.fraction) << megahertz;
  }
}

TEST(NavIdent, HeardOnlyWithPullPowerAvionicsAndTheAudioSelection) {
  EXPECT_EQ(navIdentEvent({.power = 1, .pull = 1}, 1, 1), evt::kNavIdentOn);
  EXPECT_EQ(navIdentEvent({.power = 1, .pull = 1}, 7, 1), evt::kNavIdentOn);
  EXPECT_EQ(navIdentEvent({.power = 1, .pull = 0}, 1, 1), evt::kNavIdentOff);
  EXPECT_EQ(navIdentEvent({.power = 0, .pull = 1}, 1, 1), evt::kNavIdentOff);
  EXPECT_EQ(navIdentEvent({.power = 1, .pull = 1}, 0, 1), evt::kNavIdentOff);
  EXPECT_EQ(navIdentEvent({.power = 1, .pull = 1}, 1, 0), evt::kNavIdentOff);
}

}  // namespace
