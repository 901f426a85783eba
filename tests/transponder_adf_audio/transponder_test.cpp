// The transponder: TEST springing back, the reply cycle, the mode knob's ends with the digit
// set it shows, and the digit knobs stepping the simulator's code.
#include "face_script.h"

using namespace faces_test;

namespace {

TEST(Transponder, TestSpringsBackToAltAndTheReplyLightBurnsFromThe19thToThe53rdUpdate) {
  const std::string test = "click XPDR 38 30\n";
  const std::string springBack = expectAfter("XPDR", {{9, 3, "4"}, {1, 3, "3"}, {8, 2, "-1"}});
  const std::string reply = expectAfter("XPDR", {{1, 2, "1"}, {34, 2, "1"}, {1, 2, "-1"}});
  run(test + test + springBack + reply + "update 8\n" + test +
      expectAfter("XPDR", {{18, 2, "-1"}, {1, 2, "1"}}));
}

TEST(Transponder, OffShowsTheDarkDigitsAndTheKnobsStillStepTheCode) {
  const auto out =
      run(clicks("XPDR", 20, 30, 3) + clicks("XPDR", 111, 30) + clicks("XPDR", 155, 30) +
          clicks("XPDR", 198, 30) + clicks("XPDR", 241, 30) + R"(expect-value XPDR 3 0
expect-value XPDR 1 -1
expect-token 0x26 0x2311
expect-value XPDR 4 2
expect-value XPDR 7 3
value XPDR 4
value XPDR 11
)" + clicks("XPDR", 38, 30, 6) +
          "expect-value XPDR 3 4\nsounds\n");
  EXPECT_TRUE(printed(out, "value XPDR 4 2 shown"));
  EXPECT_TRUE(printed(out, "value XPDR 11 3 hidden"));
  const auto sounds = linesStartingWith(out, "play");
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "play 118 0"), 9);
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "play 255 0"), 4);
}

// The code digits show the low 16 bits of whatever the host made of the token.
TEST(Transponder, HostileCodesShowTheirLow16Bits) {
  std::string body;
  for (const auto& [code, image] :
       {std::pair{"nan", 1}, {"inf", 1}, {"-inf", 1}, {"0xFFFF", 16}, {"-1", 16}, {"0x10077", 8}})
    body += std::string("set 0x26 ") + code + "\nupdate\nexpect-value XPDR 4 " +
            std::to_string(image) + "\nexpect-value XPDR 9 " + std::to_string(image) + "\n";
  run(body);
}

}  // namespace
