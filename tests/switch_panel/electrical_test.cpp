// The electrical switches: the hum of the electrical system, the engine-speed latch and its
// run-down, the switch clicks and the avionics master.
#include <gtest/gtest.h>

#include "panel_script.h"

using switch_panel_test::linesStartingWith;
using switch_panel_test::PanelScript;
using switch_panel_test::withoutStops;
using Lines = std::vector<std::string>;

namespace {

// Battery and alternator as given, engine speed pinned; one update so the switch icons have
// read them.
std::string electrical(int battery, int alternator, int engineSpeed) {
  return "set 0x16C " + std::to_string(battery) + "\nset 0x16B " + std::to_string(alternator) +
         "\nset 0x87 " + std::to_string(engineSpeed) + "\nupdate\n";
}

TEST(BatteryHum, LoopsOnceWhileTheBatteryIsOnAndStopsWhenBatteryAndAlternatorAreOff) {
  PanelScript panel;
  const Lines out = panel.lines(electrical(1, 0, 0) +
                                "update 20\n"
                                "sounds\n"
                                "set 0x16C 0\n"
                                "update\n"
                                "sounds\n");
  // Played on every update, the looping hum starts once and is not restarted while it plays.
  EXPECT_EQ(out, (Lines{"play 318 1", "stop 318"}));
}

TEST(BatteryHum, BatteryOffKeepsTheHumWhileTheAlternatorIsOn) {
  PanelScript panel;
  const Lines out = panel.lines(electrical(1, 1, 0) + "sounds\n" + electrical(0, 1, 0) +
                                "sounds\n" + electrical(0, 0, 0) + "sounds\n");
  EXPECT_EQ(out, (Lines{"play 318 1", "stop 318"}));
}

TEST(BatteryHum, AlternatorAloneHumsOnlyOnceTheEngineHasRunAboveItsSpeed) {
  PanelScript panel;
  EXPECT_TRUE(panel.lines(electrical(0, 1, 2500) + "update 5\nsounds\n").empty());
  EXPECT_EQ(panel.lines(electrical(0, 1, 3100) + "sounds\n"), (Lines{"play 318 1"}));
}

TEST(BatteryHum, ASwitchValueOtherThanExactlyOneDoesNotStartIt) {
  PanelScript panel;
  const Lines out = panel.lines(electrical(0, 0, 0) + "set 0x16C 0.5\nupdate 3\n" +
                                "set 0x16C nan\nupdate 3\nset 0x16C inf\nupdate 3\nsounds\n");
  EXPECT_TRUE(linesStartingWith(out, "play").empty());
}

// The run-down starts at the first update below 2900 after the latch was set, plays its sound
// once and clears the latch on its 61st update. The latch is seen through the alternator's
// hum: switched off and on again, the hum comes back only while the latch holds.
std::string runDownThenRestartHum(int updatesBelow) {
  return electrical(0, 1, 3100) + "set 0x87 2800\nupdate " + std::to_string(updatesBelow) +
         "\nsounds\nset 0x16B 0\nupdate\nset 0x16B 1\nupdate\nsounds\n";
}

TEST(EngineSpeedLatch, RunDownPlaysItsSoundOnceAndEndsTheLatchOnItsSixtyFirstUpdate) {
  PanelScript panel;
  EXPECT_EQ(panel.lines(runDownThenRestartHum(58)),
            (Lines{"play 318 1", "play 317 0", "stop 318", "play 318 1"}));
  EXPECT_EQ(panel.lines(runDownThenRestartHum(59)),
            (Lines{"play 318 1", "play 317 0", "stop 318"}));
}

TEST(EngineSpeedLatch, SpeedBetweenTheThresholdsNeitherSetsNorEndsIt) {
  PanelScript panel;
  const Lines out = panel.lines(electrical(0, 1, 2950) + "update 100\nsounds\n" +
                                electrical(0, 1, 3001) + "set 0x87 2950\nupdate 100\nsounds\n");
  EXPECT_EQ(out, (Lines{"play 318 1"}));
}

struct SwitchClick {
  const char* name;
  int x;
  int y;
  const char* event;
};

// Clicked in the middle of each switch.
const SwitchClick kSwitches[] = {
    {"PITOT HEAT", 235, 45, "event 0x10142 1"}, {"PROP DE-ICE", 199, 45, "event 0x10023 1"},
    {"STROBE", 274, 45, "event 0x10018 1"},     {"BEACON", 314, 45, "event 0x102BF 1"},
    {"NAV", 353, 45, "event 0x1034B 1"},        {"TAXI", 392, 45, "event 0x102C0 1"},
    {"LAND", 432, 45, "event 0x100D7 1"},       {"BAT", 128, 45, "event 0x102C1 1"},
    {"ALT", 160, 45, "event 0x102C2 1"},
};

TEST(SwitchClicks, EachSwitchSendsItsEventAndClicks) {
  PanelScript panel;
  std::string script = electrical(0, 0, 0) + "sounds\n";
  Lines expected;
  for (const SwitchClick& s : kSwitches) {
    script +=
        "click SWIT " + std::to_string(s.x) + " " + std::to_string(s.y) + "\nevents\nsounds\n";
    expected.push_back(s.event);
    expected.push_back("play 118 0");
  }
  EXPECT_EQ(withoutStops(panel.lines(script)), expected);
}

TEST(SwitchIcons, ShowTheirTokensAndTheElectricalSwitchesTrackThem) {
  PanelScript panel;
  // Depth and token of every switch icon that shows the simulator's own value.
  const std::pair<int, const char*> icons[] = {{10, "0x16B"}, {11, "0x16C"}, {12, "0xE"},
                                               {13, "0x171"}, {14, "0x26B"}, {15, "0x170"},
                                               {16, "0xB"},   {17, "0x8D"},  {18, "0xD"}};
  std::string script;
  for (const auto& [depth, token] : icons) script += std::string("set ") + token + " 0\n";
  script += "update\n";
  for (const auto& [depth, token] : icons) script += "value SWIT " + std::to_string(depth) + "\n";
  for (const auto& [depth, token] : icons) script += std::string("set ") + token + " 1\n";
  script += "update\n";
  for (const auto& [depth, token] : icons) script += "value SWIT " + std::to_string(depth) + "\n";
  const Lines out = linesStartingWith(panel.lines(script), "value");
  ASSERT_EQ(out.size(), 2 * std::size(icons));
  for (std::size_t i = 0; i < std::size(icons); ++i) {
    const std::string depth = std::to_string(icons[i].first);
    EXPECT_EQ(out[i], "value SWIT " + depth + " 0 shown");
    EXPECT_EQ(out[i + std::size(icons)], "value SWIT " + depth + " 1 shown");
  }
}

TEST(AvionicsMaster, ClickSendsItsEventAndTheIconFollowsTheSimulator) {
  PanelScript panel;
  const Lines out = panel.lines(
      "set 0x16C 0\nset 0x16B 0\nupdate\nsounds\n"
      "release 0x2E4\nupdate\nvalue AVMA 1\n"
      "click AVMA 24 40\nevents\nsounds\nupdate\nvalue AVMA 1\n"
      "help AVMA 24 40\nhelp AVMA 2 2\n");
  EXPECT_EQ(withoutStops(out),
            (Lines{"value AVMA 1 1 shown", "event 0x102F5 1", "play 118 0", "value AVMA 1 0 shown",
                   "help AVMA 0xAB0F 5", "help AVMA 0xAB0F -1"}));
}

}  // namespace
