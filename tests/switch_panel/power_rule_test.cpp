// The power rule the instruments share, and how token values become the flags behind it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gauges/panel_state.h"

namespace {

TEST(PowerRule, BatteryAloneOrAlternatorWithTheEngineLatched) {
  struct Case {
    SINT32 battery, alternator, latch;
    bool powered;
  };
  const Case cases[] = {{0, 0, 0, false}, {1, 0, 0, true},  {0, 1, 0, false},
                        {0, 0, 1, false}, {0, 1, 1, true},  {1, 1, 1, true},
                        {2, 0, 0, false}, {0, 2, 1, false}, {-1, 1, 0, false}};
  for (const Case& c : cases) {
    PanelState state;
    state.battery = c.battery;
    state.alternator = c.alternator;
    state.engine_speed_latch = c.latch;
    EXPECT_EQ(state.powered(), c.powered) << c.battery << c.alternator << c.latch;
  }
}

TEST(PowerRule, StartsUnpowered) {
  EXPECT_FALSE(PanelState{}.powered());
  EXPECT_EQ(PanelState{}.primed, 0);
  EXPECT_EQ(PanelState{}.starter, 0);
}

TEST(TokenTruncation, TruncatesTowardsZeroAndHoldsOddValuesSafe) {
  EXPECT_EQ(truncateToInt32(1.0), 1);
  EXPECT_EQ(truncateToInt32(0.999), 0);
  EXPECT_EQ(truncateToInt32(-0.5), 0);
  EXPECT_EQ(truncateToInt32(-2.7), -2);
  EXPECT_EQ(truncateToInt32(16383.9), 16383);
  EXPECT_EQ(truncateToInt32(std::nan("")), 0);
  EXPECT_EQ(truncateToInt32(INFINITY), std::numeric_limits<SINT32>::max());
  EXPECT_EQ(truncateToInt32(-INFINITY), std::numeric_limits<SINT32>::min());
  EXPECT_EQ(truncateToInt32(1e12), std::numeric_limits<SINT32>::max());
  EXPECT_EQ(truncateToInt32(-1e12), std::numeric_limits<SINT32>::min());
}

}  // namespace
