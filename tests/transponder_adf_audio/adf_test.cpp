// The ADF receiver: its digit rings and their wraps, clicks on the edges of their areas, the
// whole-kHz display, the transfer's two words, and the simulator's words out of range.
#include "face_script.h"

using namespace faces_test;

namespace {

struct Turn {
  int x, y, times;
  const char* standby;
};

TEST(Adf, DigitRingsWrapWithinTheNextDigitAndTheHundredsOverTheBand) {
  const Turn turns[] = {
      {255, 34, 1, " 350.9"}, {255, 22, 1, " 350.0"}, {239, 34, 5, " 300.0"},
      {231, 34, 1, " 200.0"}, {231, 34, 1, "1600.0"}, {231, 22, 1, " 200.0"},
      {231, 22, 6, " 800.0"}, {231, 22, 1, " 900.0"}, {239, 22, 10, " 900.0"},
      {247, 34, 1, " 909.0"}, {234, 27, 1, "1009.0"}, {235, 28, 1, "1099.0"},
      {226, 16, 1, "1099.0"}, {259, 28, 1, "1099.0"}, {243, 39, 1, "1098.0"},
  };
  std::string body;
  for (const Turn& turn : turns)
    body +=
        clicks("ADF", turn.x, turn.y, turn.times) + "expect-value ADF 3 \"" + turn.standby + "\"\n";
  run(body);
}

TEST(Adf, WithoutTunableTenthsWholeKilohertzShowAndTheTenthsKnobIsIgnored) {
  const char* whole = R"(" 350  ")";
  run("set 0x11 0\n" + expectAfter("ADF", {{1, 3, whole}}) + clicks("ADF", 255, 22) +
      expectAfter("ADF", {{0, 4, whole}}) + "set 0x11 nan\n" + expectAfter("ADF", {{1, 3, whole}}) +
      "set 0x11 1\n" + expectAfter("ADF", {{1, 3, R"(" 350.0")"}}));
}

TEST(Adf, TransferSendsTheExtensionWordThenTheFrequencyAndSwaps) {
  const auto out = run(
      clicks("ADF", 231, 34, 2) + clicks("ADF", 255, 22, 5) + "events\nclick ADF 107 43\nevents\n" +
      expectAfter("ADF", {{1, 4, R"("1650.5")"}, {0, 3, R"(" 350.0")"}}) + "set 0x10 0xFFF\n" +
      expectAfter("ADF", {{1, 4, R"("2665.5")"}}) + "click ADF 107 43\n" +
      expectAfter("ADF", {{1, 3, R"("1699.9")"}}) + "set 0x12 inf\nset 0x10 -inf\n" +
      expectAfter("ADF", {{1, 4, R"("   0.0")"}}) + "click ADF 107 43\n" +
      expectAfter("ADF", {{1, 3, R"(" 200.0")"}}));
  const auto sent = std::find(out.begin(), out.end(), "event 0x101FF 261");
  ASSERT_NE(sent, out.end());
  EXPECT_EQ(std::vector<std::string>(sent, sent + 2),
            (std::vector<std::string>{"event 0x101FF 261", "event 0x100B2 1616"}));
}

TEST(Adf, DarkWithoutAvionicsOrPower) {
  run("set 0x2E4 nan\n" + expectAfter("ADF", {{2, 1, "-1"}, {0, 4, "\"\""}}) + "set 0x2E4 1\n" +
      clicks("ADF", 183, 45) + expectAfter("ADF", {{1, 2, "0"}, {0, 3, "\"\""}}));
}

}  // namespace
