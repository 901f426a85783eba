// The roll's pace by the clock: whole pixels after a time, and the instant of the next move.
#include <gtest/gtest.h>

#include "pages/credits_pace.h"

namespace {

using std::chrono::nanoseconds;

TEST(CreditsPaceTest, MovesThirtyPixelsASecondAndWakesExactlyWhenTheNextPixelIsDue) {
  EXPECT_EQ(RollPace{}.PixelsAfter(std::chrono::seconds(10)), 300);
  for (const int pps : {1, 7, 30, 1000}) {
    const RollPace pace{pps};
    for (const std::int64_t ns :
         {0LL, 1LL, 33'333'333LL, 33'333'334LL, 999'999'999LL, 86'400'000'000'000LL}) {
      SCOPED_TRACE(testing::Message() << pps << " px/s after " << ns << " ns");
      const std::int64_t moved = pace.PixelsAfter(nanoseconds(ns));
      const nanoseconds next = pace.NextMoveAfter(nanoseconds(ns));
      EXPECT_GT(next.count(), ns);
      EXPECT_EQ(pace.PixelsAfter(next), moved + 1);
      EXPECT_EQ(pace.PixelsAfter(next - nanoseconds(1)), moved);
    }
  }
  const RollPace still{0};
  EXPECT_EQ(still.PixelsAfter(std::chrono::hours(1)), 0);
  EXPECT_EQ(still.NextMoveAfter(nanoseconds(5)), nanoseconds::max());
  EXPECT_EQ(RollPace{}.PixelsAfter(nanoseconds(-5)), 0);
}

}  // namespace
