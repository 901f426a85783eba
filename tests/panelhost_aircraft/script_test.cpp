// The script commands that start the aircraft afresh and check its tokens, and bad values
// given through the script.
#include <gtest/gtest.h>

#include <sstream>

#include "panelhost/panel_host.h"
#include "panelhost/script_runner.h"

namespace aircraft_test {
namespace {

struct ScriptRun {
  int status;
  std::string output;
  std::string errors;
};

ScriptRun runScript(const std::string& script) {
  panelhost::PanelHost host;
  std::ostringstream out;
  std::ostringstream err;
  panelhost::ScriptRunner runner(host, out, err);
  std::istringstream in(script);
  const int status = runner.run(in);
  return {status, out.str(), err.str()};
}

TEST(AircraftScript, StartsColdOrInCruiseAndComparesTokens) {
  const ScriptRun run = runScript(
      "aircraft cold\n"
      "expect-token 0x87 0\n"
      "expect-token 0x16C 0\n"
      "update 18\n"
      "expect-token 0x87 0\n"
      "aircraft cruise\n"
      "expect-token 0x16C 1\n"
      "expect-token 0x87 > 3000\n"
      "expect-token 0x87 < 9300\n"
      "get 0x17\n");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "get 0x17 0x1850\n");
}

TEST(AircraftScript, FailedExpectationsSayWhatWasFound) {
  ScriptRun run = runScript("aircraft cold\nexpect-token 0x87 > 0\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, "fail 2: token 0x87: value was 0, expected > 0\n");
  run = runScript("expect-token 0x16C 0\n");
  EXPECT_EQ(run.output, "fail 1: token 0x16C: value was 1, expected 0\n");
  run = runScript("aircraft warm\n");
  EXPECT_EQ(run.output, "fail 1: no aircraft start warm (cruise or cold)\n");
  run = runScript("expect-token 0x87 >= 1\n");
  EXPECT_EQ(run.output, "fail 1: bad relation >=\n");
  run = runScript("expect-token 0x87 > x\n");
  EXPECT_EQ(run.output, "fail 1: token 0x87: bad value x\n");
}

TEST(AircraftScript, BadValuesSetThroughTheScriptNeverBreakTheModel) {
  const ScriptRun run = runScript(
      "set 0x80 nan\n"     // throttle that is no number: the engine idles
      "set 0x9A 0\n"       // no speed scale: the aircraft's own
      "set 0x4A inf\n"     // altitude
      "set 0x46 -1e300\n"  // turn rate
      "update 360\n"
      "release 0x9A\n"
      "expect-token 0x87 > 3100\n"
      "expect-token 0x87 < 3300\n"
      "expect-token 0x51 > -1\n"
      "expect-token 0x51 < 360\n"
      "release 0x4A\n"
      "update\n"
      "expect-token 0x4A < 100001\n"
      "expect-token 0x98 > 0\n");
  EXPECT_EQ(run.status, 0) << run.output;
}

TEST(AircraftScript, ControlsKeepToTheirRangesSaySoOnceAndRefuseWhatIsNoNumber) {
  const ScriptRun kept = runScript(
      "control throttle 0.5\nexpect-token 0x80 8191.5\ncontrol elevator 2\ncontrol elevator 3\n"
      "control throttle -1\nexpect-token 0x80 0\n");
  EXPECT_EQ(kept.output, "");
  EXPECT_EQ(kept.errors,
            "warning: elevator 2 is outside -1..1, kept at 1\n"
            "warning: throttle -1 is outside 0..1, kept at 0\n");
  for (auto [script, output] :
       {std::pair{"control aileron nan\n", "control aileron takes a finite number, not nan"},
        {"control stick 1\n", "no control stick"},
        {"control flaps x\n", "bad value x"},
        {"control flaps\n", "usage: control NAME VALUE"}})
    EXPECT_EQ(runScript(script).output, "fail 1: " + std::string(output) + "\n");
}

}  // namespace
}  // namespace aircraft_test
