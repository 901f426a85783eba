// The switch panel's other controls: flap handle, elevator tab and trim, cowl flaps, the
// panel-light levers, the vent blower, the pedestal's trim wheel and the five toggles.
#include <gtest/gtest.h>

#include "panel_script.h"

using switch_panel_test::linesStartingWith;
using switch_panel_test::PanelScript;
using switch_panel_test::withoutStops;
using Lines = std::vector<std::string>;

namespace {

// Silent electrics (battery off, alternator on, engine stopped: the hum neither starts nor
// stops), so that the only sounds are the controls'.
constexpr const char* kQuiet = "set 0x16C 0\nset 0x16B 1\nset 0x87 0\nupdate\n";

std::string repeat(const std::string& line, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += line;
  return out;
}

TEST(FlapHandle, ShowsTheFlapPositionAsUpApproachDown) {
  PanelScript panel;
  const Lines out = panel.lines(
      "set 0x148 0\nupdate\nvalue SWIT 7\nset 0x148 5461\nupdate\nvalue SWIT 7\n"
      "set 0x148 8192\nupdate\nvalue SWIT 7\nset 0x148 16383\nupdate\nvalue SWIT 7\n");
  EXPECT_EQ(out, (Lines{"value SWIT 7 0 shown", "value SWIT 7 1 shown", "value SWIT 7 1 shown",
                        "value SWIT 7 3 shown"}));
}

TEST(FlapHandle, ClicksAlwaysSendTheirEventButSoundOnlyWhenTheFlapsCanMove) {
  PanelScript panel;
  const std::string retract = "click SWIT 870 40\nevents\nsounds\n";
  const std::string extend = "click SWIT 870 85\nevents\nsounds\n";
  const Lines out = panel.lines(std::string(kQuiet) + "set 0x148 0\nupdate\nsounds\n" + retract +
                                extend + "set 0x148 16383\nupdate\nsounds\n" + extend + retract);
  EXPECT_EQ(out, (Lines{"event 0x100DF 1", "event 0x100DE 1", "play 142 0", "event 0x100DE 1",
                        "event 0x100DF 1", "play 142 0"}));
}

TEST(ElevatorTab, FollowsTheTrimTokenAlongItsRange) {
  PanelScript panel;
  const Lines out = panel.lines("set 0x13E -4096\nupdate\nvalue SWIT 8:y\nvalue SWIT 8:x\n");
  EXPECT_EQ(out, (Lines{"value SWIT 8:y -4096 shown", "value SWIT 8:x 1 shown"}));
}

TEST(HeldControls, CowlFlapsAndElevatorTrimRepeatSilentlyWhileHeld) {
  PanelScript panel;
  const Lines out = panel.lines(std::string(kQuiet) +
                                "hold SWIT 760 30 3\nhold SWIT 760 80 2\n"
                                "hold SWIT 670 20 2\nhold SWIT 670 80 1\nevents\nsounds\n");
  EXPECT_EQ(linesStartingWith(out, "event"),
            (Lines{"event 0x1031A 1", "event 0x1031A 1", "event 0x1031A 1", "event 0x10319 1",
                   "event 0x10319 1", "event 0x10047 1", "event 0x10047 1", "event 0x1004F 1"}));
  EXPECT_TRUE(linesStartingWith(out, "play").empty());
}

TEST(HeldControls, SubAreasGiveTheirHelpAndCursors) {
  PanelScript panel;
  const Lines out = panel.lines(
      "help SWIT 20 50\nhelp SWIT 80 50\nhelp SWIT 760 30\nhelp SWIT 760 80\n"
      "help SWIT 670 20\nhelp SWIT 670 80\nhelp SWIT 870 40\nhelp SWIT 870 85\n");
  EXPECT_EQ(out, (Lines{"help SWIT 0xAB45 2", "help SWIT 0xAB45 1", "help SWIT 0xAB17 2",
                        "help SWIT 0xAB17 1", "help SWIT 0xAB53 2", "help SWIT 0xAB53 1",
                        "help SWIT 0x0 2", "help SWIT 0x0 1"}));
}

TEST(PanelLightLevers, LeverAStepsWithinItsRangeAndSignalsEveryStepUpAndTheBottom) {
  PanelScript panel;
  const std::string up = "click SWIT 525 30\n";
  const std::string down = "click SWIT 525 70\n";
  const Lines out = panel.lines(std::string(kQuiet) + repeat(up, 7) + "update\nvalue SWIT 3\n" +
                                "events\n" + repeat(down, 4) + "update\nvalue SWIT 3\nevents\n" +
                                repeat(down, 2) + "update\nvalue SWIT 3\nevents\nsounds\n");
  // Up always sends its event; down from 5 to 1 sends nothing, down to 0 and at 0 the bottom
  // event.
  Lines expected = {"value SWIT 3 5 shown"};
  expected.insert(expected.end(), 7, "event 0x10208 1");
  expected.insert(expected.end(), {"value SWIT 3 1 shown", "value SWIT 3 0 shown",
                                   "event 0x10209 1", "event 0x10209 1"});
  EXPECT_EQ(out, expected);
}

TEST(PanelLightLevers, LeverBStepsWithoutEventsAndRepeatsWhileHeld) {
  PanelScript panel;
  const Lines out = panel.lines(std::string(kQuiet) +
                                "hold SWIT 608 30 8\nvalue SWIT 2\nhold SWIT 608 70 2\n"
                                "value SWIT 2\nevents\nsounds\n");
  EXPECT_EQ(out, (Lines{"value SWIT 2 5 shown", "value SWIT 2 3 shown"}));
}

TEST(VentBlower, ClickFlipsItsSwitchWithAClickAndNoEvent) {
  PanelScript panel;
  const std::string click = "click SWIT 998 50\nupdate\nvalue SWIT 9\nevents\nsounds\n";
  const Lines out = panel.lines(std::string(kQuiet) + "value SWIT 9\n" + click + click);
  EXPECT_EQ(out, (Lines{"value SWIT 9 0 shown", "value SWIT 9 1 shown", "play 118 0",
                        "value SWIT 9 0 shown", "play 118 0"}));
}

TEST(TrimWheel, EachStepTurnsTheWheelImageSendsTrimAndClicks) {
  PanelScript panel;
  const Lines out =
      panel.lines(std::string(kQuiet) + "value THR1 2\nhold THR1 30 30 3\nvalue THR1 2\n" +
                  "click THR1 30 80\nupdate\nvalue THR1 2\nevents\nsounds\n");
  EXPECT_EQ(linesStartingWith(out, "value"),
            (Lines{"value THR1 2 0 shown", "value THR1 2 1 shown", "value THR1 2 0 shown"}));
  EXPECT_EQ(linesStartingWith(out, "event"),
            (Lines{"event 0x10047 1", "event 0x10047 1", "event 0x10047 1", "event 0x1004F 1"}));
  EXPECT_EQ(linesStartingWith(out, "play").size(), 4u);
}

struct Toggle {
  const char* gauge;
  const char* event;
};

const Toggle kToggles[] = {{"TOG2", "event 0x10173 1"},
                           {"TOG3", "event 0x10174 1"},
                           {"TOG4", "event 0x10176 1"},
                           {"TOG5", "event 0x10177 1"},
                           {"TOG6", "event 0x10178 1"}};

TEST(Toggles, EachLightsWhenOnAndSendsItsEventWithTheToggleSound) {
  PanelScript panel;
  std::string script = kQuiet;
  Lines expected;
  for (const Toggle& t : kToggles) {
    const std::string name = t.gauge;
    const std::string click =
        "click " + name + " 10 10\nupdate\nvalue " + name + " 1\nevents\nsounds\n";
    script += "value " + name + " 1\n" + click + click;
    expected.insert(expected.end(),
                    {"value " + name + " 1 -1 shown", "value " + name + " 1 1 shown", t.event,
                     "play 199 0", "value " + name + " 1 -1 shown", t.event, "play 199 0"});
  }
  EXPECT_EQ(withoutStops(panel.lines(script)), expected);
}

}  // namespace
