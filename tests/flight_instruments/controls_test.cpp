// The instruments' moving parts: the press-to-test buttons, the ammeter's charge pulse, the
// altimeter's setting knob, the turn coordinator's ball, and clicks that miss every area.
#include <gtest/gtest.h>

#include <algorithm>

#include "instrument_panel.h"

namespace {

using instruments_test::InstrumentPanel;
using instruments_test::ScriptRun;

std::string repeat(const std::string& lines, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += lines;
  return out;
}

class InstrumentControls : public ::testing::Test {
 protected:
  InstrumentPanel panel;
};

TEST_F(InstrumentControls, TestButtonStaysDownFor36CallsAndSpringsBackWithASecondClick) {
  const ScriptRun run =
      panel.run("set 0x92 212\nupdate\nsounds\nclick ENG 55 52\nsounds\n" +
                repeat("update\nvalue ENG 9\nvalue ENG 1\n", 36) +
                "sounds\nupdate\nvalue ENG 9\nsounds\nupdate 60\nvalue ENG 9\nvalue ENG 1\n");
  const auto button = run.values("ENG", "9");
  ASSERT_EQ(button.size(), 38u) << run.all();
  EXPECT_TRUE(std::all_of(button.begin(), button.begin() + 36, [](double v) { return v == 1.0; }));
  EXPECT_EQ(button[36], 0.0) << "springs back on the 37th call";
  EXPECT_EQ(button[37], 0.0);
  const auto needle = run.values("ENG", "1");
  ASSERT_EQ(needle.size(), 37u);
  EXPECT_TRUE(std::all_of(needle.begin(), needle.begin() + 36, [](double v) { return v == 250.0; }))
      << "full scale while tested";
  EXPECT_NEAR(needle.back(), 100.0, 1e-9) << "back to the reading";
  // One click when pressed, none while held down, one when it springs back.
  const auto plays = run.startingWith("play 118 ");
  EXPECT_EQ(plays.size(), 2u) << run.all();
  std::vector<std::string> order;
  for (const auto& line : run.lines)
    if (line == "play 118 0" || line.rfind("value ENG 9", 0) == 0) order.push_back(line);
  ASSERT_GE(order.size(), 39u);
  EXPECT_EQ(order.front(), "play 118 0");
  EXPECT_EQ(order[37], "value ENG 9 0 shown");
  EXPECT_EQ(order[38], "play 118 0") << "the second click comes with the release";
}

TEST_F(InstrumentControls, EachButtonTestsOnlyItsOwnDialAtFullScale) {
  struct Case {
    int x, y;
    const char* button;
    const char* needle;
    double full;
  };
  const Case cases[] = {{53, 50, "9", "1", 250},
                        {119, 50, "8", "2", 125},
                        {53, 115, "7", "4", 30},
                        {119, 115, "6", "3", 100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    const ScriptRun run = panel.run(
        "set 0x92 100\nset 0x93 0\nset 0x94 0\nset 0x2EF 0\n"
        "click ENG " +
        std::to_string(c.x) + " " + std::to_string(c.y) +
        "\nupdate\nvalue ENG 1\nvalue ENG 2\nvalue ENG 3\nvalue ENG 4\n"
        "value ENG 6\nvalue ENG 7\nvalue ENG 8\nvalue ENG 9\n");
    for (const char* depth : {"6", "7", "8", "9"})
      EXPECT_EQ(run.value("ENG", depth), depth == std::string(c.button) ? 1.0 : 0.0) << depth;
    for (const char* depth : {"1", "2", "3", "4"}) {
      if (depth == std::string(c.needle)) {
        EXPECT_EQ(run.value("ENG", depth), c.full);
      } else {
        EXPECT_LT(run.value("ENG", depth), 50.0) << depth;
      }
    }
  }
}

TEST_F(InstrumentControls, PressingAgainWhileDownKeepsTheFirstPressesTime) {
  const ScriptRun run = panel.run(
      "click ENG 119 115\nupdate 20\nclick ENG 119 115\nupdate 16\nvalue ENG 6\n"
      "update\nvalue ENG 6\n");
  EXPECT_EQ(run.values("ENG", "6"), (std::vector<double>{1, 0}));
}

TEST_F(InstrumentControls, AmmeterShowsAChargePulseAfterALongRunThenCountsAgain) {
  // Alternator on and engine running from the first update: the count is the update's number.
  const std::string running = "set 0x16B 1\nset 0x87 3100\nset 0x2EF 0\n";
  const ScriptRun run =
      panel.run(running + "update 10790\n" + repeat("update\nvalue ENG 4\n", 200) +
                "update 10800\n" + repeat("update\nvalue ENG 4\n", 30));
  const auto amps = run.values("ENG", "4");
  ASSERT_EQ(amps.size(), 230u);
  const auto first = std::find(amps.begin(), amps.end(), 15.0);
  ASSERT_NE(first, amps.begin() + 200) << "no pulse in the first window";
  EXPECT_EQ(first - amps.begin(), 10) << "the pulse starts with the 10801st call";
  const auto last = std::find(first, amps.begin() + 200, 0.0);
  EXPECT_EQ(last - first, 179) << "3 A x 5 while the count lies strictly between 10800 and 10980";
  EXPECT_TRUE(std::all_of(amps.begin(), first, [](double v) { return v == 0.0; }));
  EXPECT_TRUE(std::all_of(last, amps.begin() + 200, [](double v) { return v == 0.0; }));
  // After 11000 the count starts over: the next pulse comes 11001 calls after the first.
  const auto pulseStart = first - amps.begin();
  const auto secondWindow = amps.begin() + 200;
  const auto second = std::find(secondWindow, amps.end(), 15.0);
  ASSERT_NE(second, amps.end()) << "no second pulse";
  const long callsBetween = 200 - pulseStart + 10800 + (second - secondWindow);
  EXPECT_EQ(callsBetween, 11001);
}

TEST_F(InstrumentControls, AmmeterCountsOnlyWithAlternatorAndRunningEngine) {
  const ScriptRun run = panel.run(
      "set 0x16B 0\nset 0x87 3100\nset 0x2EF 0\nupdate 10850\nvalue ENG 4\n"
      "set 0x16B 1\nset 0x87 0\nupdate 10850\nvalue ENG 4\n");
  EXPECT_EQ(run.values("ENG", "4"), (std::vector<double>{0, 0}));
}

TEST_F(InstrumentControls, TestedAmmeterShowsFullChargeOverAnyReading) {
  const ScriptRun run = panel.run("set 0x2EF -20\nclick ENG 55 117\nupdate\nvalue ENG 4\n");
  EXPECT_EQ(run.value("ENG", "4"), 30.0);
}

TEST_F(InstrumentControls, AltimeterKnobSendsSettingEventsWithAClickEachStep) {
  const ScriptRun run = panel.run(
      "release 0x4C\nupdate\nevents\nsounds\nget 0x4C\n"
      "click ALT 15 130\nevents\nsounds\nget 0x4C\n"
      "click ALT 30 130\nclick ALT 30 130\nevents\nsounds\nget 0x4C\n"
      "hold ALT 10 125 4\nevents\n");
  const auto events = run.startingWith("event ");
  ASSERT_EQ(events.size(), 7u) << run.all();
  EXPECT_EQ(events[0], "event 0x1015C 0");
  EXPECT_EQ(events[1], "event 0x1015B 0");
  EXPECT_EQ(events[2], "event 0x1015B 0");
  for (std::size_t i = 3; i < 7; ++i) EXPECT_EQ(events[i], "event 0x1015C 0") << "held";
  EXPECT_EQ(run.startingWith("play 118 0").size(), 3u);
  // The simulator moved the setting a step each way.
  const auto settings = run.startingWith("get 0x4C ");
  ASSERT_EQ(settings.size(), 3u);
  EXPECT_NEAR(std::stod(settings[1].substr(9)) - std::stod(settings[0].substr(9)), -0.01, 1e-9);
  EXPECT_NEAR(std::stod(settings[2].substr(9)) - std::stod(settings[1].substr(9)), 0.02, 1e-9);
}

TEST_F(InstrumentControls, KnobAndButtonAreasEndExactlyAtTheirEdges) {
  struct Probe {
    const char* gauge;
    int x, y;
    const char* hit;  // the event line, or "" for none
  };
  const Probe probes[] = {
      {"ALT", 9, 121, "event 0x1015C 0"},
      {"ALT", 22, 148, "event 0x1015C 0"},
      {"ALT", 23, 121, "event 0x1015B 0"},
      {"ALT", 36, 148, "event 0x1015B 0"},
      {"ALT", 8, 130, ""},
      {"ALT", 37, 130, ""},
      {"ALT", 15, 149, ""},
      {"ALT", 15, 120, ""},
      {"ALT", -5, -5, ""},
      {"ALT", 100000, 100000, ""},
      {"RPM", 67, 67, ""},
      {"TURN", 20, 45, ""},
  };
  for (const Probe& probe : probes) {
    SCOPED_TRACE(std::string(probe.gauge) + " " + std::to_string(probe.x) + "," +
                 std::to_string(probe.y));
    const ScriptRun run =
        panel.run("update\nsounds\nclick " + std::string(probe.gauge) + " " +
                  std::to_string(probe.x) + " " + std::to_string(probe.y) + "\nevents\nsounds\n");
    const auto events = run.startingWith("event ");
    if (*probe.hit) {
      EXPECT_EQ(events, std::vector<std::string>{probe.hit});
      EXPECT_EQ(run.startingWith("play 118").size(), 1u);
    } else {
      EXPECT_TRUE(events.empty()) << run.all();
      EXPECT_TRUE(run.startingWith("play 118").empty()) << run.all();
    }
  }
}

TEST_F(InstrumentControls, TestButtonAreasEndExactlyAtTheirEdges) {
  const std::pair<int, int> inside[] = {{53, 50}, {65, 62}, {59, 56}};
  const std::pair<int, int> outside[] = {{52, 50}, {66, 56}, {59, 63}, {59, 49}, {30, 30}};
  for (const auto& [x, y] : inside) {
    const ScriptRun run = panel.run("click ENG " + std::to_string(x) + " " + std::to_string(y) +
                                    "\nupdate\nvalue ENG 9\n");
    EXPECT_EQ(run.value("ENG", "9"), 1.0) << x << "," << y;
  }
  for (const auto& [x, y] : outside) {
    const ScriptRun run =
        panel.run("click ENG " + std::to_string(x) + " " + std::to_string(y) +
                  "\nupdate\nvalue ENG 9\nvalue ENG 8\nvalue ENG 7\nvalue ENG 6\n");
    for (const char* depth : {"6", "7", "8", "9"})
      EXPECT_EQ(run.value("ENG", depth), 0.0) << x << "," << y << " depth " << depth;
  }
  // The right button does nothing: the buttons take left clicks.
  const ScriptRun right = panel.run("click ENG 59 56 right\nupdate\nvalue ENG 9\n");
  EXPECT_EQ(right.value("ENG", "9"), 0.0);
}

TEST_F(InstrumentControls, OneBallShowsAtATimeBySideAndStaysWhenCentred) {
  const ScriptRun run = panel.run(
      "update\nvalue TURN 2\nvalue TURN 3\n"
      "set 0x45 40\nupdate\nvalue TURN 2\nvalue TURN 3\n"
      "set 0x45 0\nupdate\nvalue TURN 2\nvalue TURN 3\n"
      "set 0x45 -25\nupdate\nvalue TURN 2\nvalue TURN 3\n"
      "set 0x45 nan\nupdate\nvalue TURN 2\nvalue TURN 3\n"
      "set 0x45 inf\nupdate\nvalue TURN 2\nvalue TURN 3\n");
  std::vector<std::string> shown;
  for (const auto& line : run.startingWith("value TURN "))
    shown.push_back(line.substr(line.rfind(' ') + 1));
  EXPECT_EQ(shown, (std::vector<std::string>{"shown", "shown",   // never moved: both alike
                                             "shown", "hidden",  // right: the rising-right one
                                             "shown", "hidden",  // centred: no change
                                             "hidden", "shown",  // left
                                             "hidden", "shown",  // not a number: no change
                                             "shown", "hidden"}));
  // Both sliders follow the ball; the host moves each by its own scales.
  EXPECT_EQ(run.values("TURN", "2")[1], 40.0);
  EXPECT_EQ(run.values("TURN", "3")[3], -25.0);
}

TEST_F(InstrumentControls, TurnFlagKeepsItsOwnCallbackWhicheverWayTheBallGoes) {
  const ScriptRun run = panel.run(
      "set 0x45 40\nupdate\nvalue TURN 1\nset 0x45 -40\nset 0x16C 0\nset 0x16B 0\nupdate\n"
      "value TURN 1\n");
  EXPECT_EQ(run.values("TURN", "1"), (std::vector<double>{-1, 1}));
  EXPECT_EQ(run.hidden("TURN", "1"), false);
}

}  // namespace
