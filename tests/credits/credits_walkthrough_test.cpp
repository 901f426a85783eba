// The credits page through `qtp --automate`: the roll read and moved through its properties,
// the Exit question cancelled and the worker ended before the page closes.
#include <gtest/gtest.h>

#include "tests/e2e/walkthrough.h"

namespace {

using e2e::inOrder;

class CreditsWalkthrough : public e2e::WalkthroughTest {};

TEST_F(CreditsWalkthrough, CancelledExitRestartsTheRollAndReturnEndsTheWorkerFirst) {
  const QStringList lines = holds(R"(screen 600
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
)");
  EXPECT_TRUE(inOrder(
      lines, {"form TCreditsDLG shown", "worker BMDThread1 started", "worker BMDThread1 ended",
              R"(message white "QTP wird beendet!" ok="OK" abort="Abbruch" -> Abbruch)",
              "worker BMDThread1 started", "worker BMDThread1 ended", "form TCreditsDLG closed"}));
}

TEST_F(CreditsWalkthrough, OnlyWritablePropertiesTakeAValueThatFits) {
  const struct {
    const char* line;
    const char* failLine;
  } cases[] = {
      {"set DestImage scrolling yes",
       R"(fail 3: DestImage has no property "scrolling" that can be set)"},
      {"set DestImage speed fast", R"(fail 3: DestImage speed cannot be "fast")"},
  };
  for (const auto& c : cases) {
    const e2e::Outcome outcome =
        walk.run(QStringLiteral("screen 600\nclick IC2\n%1\n").arg(c.line));
    EXPECT_EQ(outcome.exitCode, 1) << c.line;
    EXPECT_EQ(outcome.lines.value(outcome.lines.size() - 1), c.failLine);
  }
}

}  // namespace
