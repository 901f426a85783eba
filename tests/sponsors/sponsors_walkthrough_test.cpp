// The sponsors page as a person meets it, from the main menu through `qtp --automate`.
#include "walkthrough.h"

namespace {

using SponsorsWalkthrough = e2e::WalkthroughTest;

TEST_F(SponsorsWalkthrough, ALogoFoundOnThePageOpensItsSponsorAndReturnLeadsBack) {
  const QStringList lines = holds(
      "screen 800\nclick IC1\nexpect MVImage hint \"Internetverbindung zu MV\"\n"
      "expect PiperImage visible no\nmove Image1 570 400\nexpect PiperImage visible yes\n"
      "click PiperImage\nclick ReturnBtn\nexpect-form TMainDLG\n");
  EXPECT_TRUE(
      e2e::inOrder(lines, {"form TSponsorsDLG shown",
                           R"(open "https://www.piper-aircraft.example/" verb="" params="" dir="")",
                           "form TSponsorsDLG closed", "form TMainDLG closed"}));
}

}  // namespace
