// The ignition key and the engine start: dry crank, primed start, the fuel pump's windows and
// the magneto clicks while the engine turns.
#include <gtest/gtest.h>

#include "panel_script.h"

using switch_panel_test::linesStartingWith;
using switch_panel_test::PanelScript;
using Lines = std::vector<std::string>;

namespace {

// Points on the key's two halves and on the pump button.
constexpr const char* kKeyUp = "click SWIT 80 50\n";
constexpr const char* kKeyDown = "click SWIT 20 50\n";
constexpr const char* kPumpPress = "click THR1 210 30\n";

std::string engineStopped(int battery) {
  return "set 0x87 0\nset 0x16B 0\nset 0x16C " + std::to_string(battery) +
         "\nupdate\nsounds\nevents\n";
}

std::string updates(int n) {
  return "update " + std::to_string(n) + "\n";
}

Lines keyImages(const Lines& out) {
  return linesStartingWith(out, "value SWIT 5 ");
}

TEST(IgnitionKey, DryCrankHoldsStartFor54UpdatesThenReturnsToBothWithoutAStart) {
  PanelScript panel;
  const Lines out =
      panel.lines(engineStopped(1) + "sounds\n" + kKeyUp + updates(54) + "value SWIT 5\n" +
                  updates(1) + "value SWIT 5\n" + updates(100) + "events\nsounds\n");
  EXPECT_EQ(keyImages(out), (Lines{"value SWIT 5 4 shown", "value SWIT 5 3 shown"}));
  EXPECT_TRUE(linesStartingWith(out, "event").empty());
  EXPECT_EQ(linesStartingWith(out, "play 31"), (Lines{"play 318 1", "play 316 0"}));
}

TEST(IgnitionKey, PrimedStartSendsTheStartEventOnThe51stUpdateAndReturnsOnThe55th) {
  PanelScript panel;
  const Lines out = panel.lines(engineStopped(1) + kPumpPress + updates(1) + "sounds\n" + kKeyUp +
                                updates(50) + "events\n" + updates(1) + "events\n" + updates(3) +
                                "value SWIT 5\n" + updates(1) + "value SWIT 5\nsounds\n");
  EXPECT_EQ(linesStartingWith(out, "event"), (Lines{"event 0x1018B 1"}));
  EXPECT_EQ(keyImages(out), (Lines{"value SWIT 5 4 shown", "value SWIT 5 3 shown"}));
  EXPECT_EQ(linesStartingWith(out, "play"),
            (Lines{"play 318 1", "play 226 0", "play 118 0", "play 315 0"}));
}

TEST(IgnitionKey, StartEventDoesNotNeedTheBatteryButTheStarterSoundsDo) {
  PanelScript panel;
  const Lines primedThenBatteryOff =
      panel.lines(engineStopped(1) + kPumpPress + updates(1) + "set 0x16C 0\nupdate\nsounds\n" +
                  kKeyUp + updates(60) + "events\nsounds\n");
  EXPECT_EQ(linesStartingWith(primedThenBatteryOff, "event"), (Lines{"event 0x1018B 1"}));
  EXPECT_TRUE(linesStartingWith(primedThenBatteryOff, "play 315").empty());

  const Lines dryWithoutBattery =
      panel.lines(engineStopped(0) + kKeyUp + updates(60) + "events\nsounds\n");
  EXPECT_TRUE(linesStartingWith(dryWithoutBattery, "event").empty());
  EXPECT_TRUE(linesStartingWith(dryWithoutBattery, "play").empty());
}

TEST(IgnitionKey, WithTheEngineStoppedEveryClickUpGoesStraightToStartAndDownSendsNothing) {
  PanelScript panel;
  const Lines out =
      panel.lines(engineStopped(0) + updates(1) + "value SWIT 5\n" + kKeyUp + updates(1) +
                  "value SWIT 5\n" + kKeyDown + kKeyDown + updates(1) + "value SWIT 5\nevents\n");
  EXPECT_EQ(keyImages(out),
            (Lines{"value SWIT 5 0 shown", "value SWIT 5 4 shown", "value SWIT 5 2 shown"}));
  EXPECT_TRUE(linesStartingWith(out, "event").empty());
}

TEST(IgnitionKey, WithTheEngineTurningClicksStepTheMagnetosAndTheKeyShowsTheSimulators) {
  PanelScript panel;
  std::string script = "set 0x87 2300\nset 0x84 2\nupdate\nevents\n";
  for (int i = 0; i < 4; ++i) script += kKeyUp;
  script += "events\nupdate\nvalue SWIT 5\n";
  for (int i = 0; i < 5; ++i) script += kKeyDown;
  script += "events\nsounds\n";
  const Lines out = panel.lines(script);
  // Up from OFF: R, L, BOTH, then START without an event or a crank; down from START: BOTH,
  // L, R, OFF, and OFF again at the bottom.
  EXPECT_EQ(linesStartingWith(out, "event"),
            (Lines{"event 0x10188 1", "event 0x10189 1", "event 0x1018A 1", "event 0x1018A 1",
                   "event 0x10189 1", "event 0x10188 1", "event 0x10187 1", "event 0x10187 1"}));
  EXPECT_EQ(keyImages(out), (Lines{"value SWIT 5 2 shown"}));
  EXPECT_TRUE(linesStartingWith(out, "play 315").empty());
  EXPECT_TRUE(linesStartingWith(out, "play 316").empty());
}

TEST(IgnitionKey, MagnetoPositionIsTruncatedAndBadValuesDrawNothingOdd) {
  PanelScript panel;
  const Lines out = panel.lines(
      "set 0x87 2300\nset 0x84 2.9\nupdate\nvalue SWIT 5\n"
      "set 0x84 nan\nupdate\nvalue SWIT 5\nset 0x87 nan\nupdate\nvalue SWIT 5\n");
  EXPECT_EQ(keyImages(out),
            (Lines{"value SWIT 5 2 shown", "value SWIT 5 0 shown", "value SWIT 5 0 shown"}));
}

// Key up from BOTH with the engine stopped after the given updates since a pump press; the
// output shows whether the engine was started.
std::string startAfterPump(int updatesSincePress) {
  return engineStopped(1) + kPumpPress + updates(updatesSincePress) + kKeyUp + updates(60) +
         "events\n";
}

TEST(AuxFuelPump, PrimesForExactly180Updates) {
  PanelScript panel;
  EXPECT_EQ(linesStartingWith(panel.lines(startAfterPump(180)), "event"),
            (Lines{"event 0x1018B 1"}));
  EXPECT_TRUE(linesStartingWith(panel.lines(startAfterPump(181)), "event").empty());
}

TEST(AuxFuelPump, ASecondPressDoesNotLengthenTheWindow) {
  PanelScript panel;
  const Lines out = panel.lines(engineStopped(1) + kPumpPress + updates(100) + kPumpPress +
                                updates(81) + kKeyUp + updates(60) + "events\n");
  EXPECT_TRUE(linesStartingWith(out, "event").empty());
}

TEST(AuxFuelPump, WithoutBatteryItOnlyClicksAndDoesNotPrime) {
  PanelScript panel;
  const Lines out = panel.lines(engineStopped(0) + kPumpPress + "sounds\n" + updates(1) + kKeyUp +
                                updates(60) + "events\n");
  EXPECT_EQ(linesStartingWith(out, "play"), (Lines{"play 118 0"}));
  EXPECT_TRUE(linesStartingWith(out, "event").empty());
}

TEST(AuxFuelPump, ButtonShowsPressedFor60Updates) {
  PanelScript panel;
  const Lines out = panel.lines(engineStopped(0) + "value THR1 3\n" + kPumpPress + updates(60) +
                                "value THR1 3\n" + updates(1) + "value THR1 3\n");
  EXPECT_EQ(linesStartingWith(out, "value"),
            (Lines{"value THR1 3 0 shown", "value THR1 3 1 shown", "value THR1 3 0 shown"}));
}

}  // namespace
