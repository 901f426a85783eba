// The credits page through `qtp --automate`: the roll read and moved through its properties,
// the Exit question cancelled and the worker ended before the page closes.
#include <gtest/gtest.h>

#include "tests/e2e/walkthrough.h"

namespace {

using e2e::inOrder;

class CreditsWalkthrough : public e2e::WalkthroughTest {};

// Ends on a property that cannot be set, after the page has closed.
TEST_F(CreditsWalkthrough, CancelledExitRestartsTheRollAndReturnEndsTheWorkerFirst) {
  const e2e::Outcome outcome = walk.run(R"(screen 600
click IC2
expect DestImage geometry 2,2,329,178
expect DestImage scrolling no
expect DestImage speed 30
move Image1 100 100
expect DestImage scrolling yes
set DestImage speed 0
set DestImage offset 603
expect DestImage offset 603
answer Abbruch
click ExitBtn
expect DestImage scrolling yes
expect DestImage offset 0
click ReturnBtn
expect-form TMainDLG
set ExitBtn x 5
)");
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_TRUE(
      inOrder(outcome.lines,
              {"form TCreditsDLG shown", "worker BMDThread1 started", "worker BMDThread1 ended",
               R"(message white "QTP wird beendet!" ok="OK" abort="Abbruch" -> Abbruch)",
               "worker BMDThread1 started", "worker BMDThread1 ended", "form TCreditsDLG closed",
               R"(fail 17: ExitBtn has no property "x" that can be set)"}));
}

}  // namespace
