// The audio panel: the selector's ends with the light set it shows, buttons and the HI/LO pair,
// the marker lamp test waiting for power, and the NAV1 and ADF identifiers its SPEAKER buttons
// let through.
#include "face_script.h"

using namespace faces_test;

namespace {

TEST(AudioPanel, SelectorStopsAtItsEndsAndSwitchesTheLightSets) {
  const auto out =
      run(clicks("AUDP", 234, 30, 5) + clicks("AUDP", 53, 41) + clicks("AUDP", 35, 44) +
          R"(expect-value AUDP 2 0
expect-value AUDP 1 -1
expect-value AUDP 12 1
expect-value AUDP 30 1
value AUDP 30
value AUDP 41
value AUDP 42
)" + clicks("AUDP", 259, 30, 6) +
          clicks("AUDP", 35, 16) + "expect-value AUDP 2 5\nvalue AUDP 21\nvalue AUDP 43\nsounds\n");
  for (const char* line :
       {"value AUDP 30 1 hidden", "value AUDP 41 1 hidden", "value AUDP 42 0 shown",
        "value AUDP 21 0 hidden", "value AUDP 43 1 shown"})
    EXPECT_TRUE(printed(out, line)) << line;
  EXPECT_EQ(linesStartingWith(out, "play"), std::vector<std::string>(14, "play 199 0"));
}

TEST(AudioPanel, LampTestWaitsForThePanelThenLightsAllLampsFor36Updates) {
  run("set 0x162 1\n" + clicks("AUDP", 234, 30, 4) + clicks("AUDP", 23, 30) +
      expectAfter("AUDP", {{5, 3, "-1"}}) + "click AUDP 259 30\n" +
      expectAfter("AUDP", {{36, 3, "3"}, {1, 3, "2"}}) + "set 0x162 3\n" +
      expectAfter("AUDP", {{1, 3, "0"}}) + "set 0x162 nan\n" + expectAfter("AUDP", {{1, 3, "-1"}}));
}

// The knobs send their identifier event at every update: heard while pulled with the
// receiver's SPEAKER button pressed and the panel on, and no longer once the selector is off.
TEST(AudioPanel, SpeakerButtonsLetTheNav1AndAdfIdentifiersThrough) {
  const auto out = run(clicks("NAV1", 198, 37) + clicks("ADF", 199, 37) + clicks("AUDP", 113, 18) +
                       clicks("AUDP", 193, 18) + "events\nupdate\nevents\n" +
                       clicks("AUDP", 234, 30, 4) + "events\nupdate\nevents\n");
  // ADF comes before NAV1 on the panel: each update sends ADF's event, then NAV1's.
  const auto idents = linesStartingWith(out, "event 0x101");
  const auto heard = std::find(idents.begin(), idents.end(), "event 0x10131 1");
  ASSERT_NE(heard, idents.end());
  EXPECT_EQ(*(heard + 1), "event 0x1012D 1");
  EXPECT_EQ(std::vector<std::string>(idents.end() - 2, idents.end()),
            (std::vector<std::string>{"event 0x1012C 1", "event 0x10128 1"}));
}

}  // namespace
