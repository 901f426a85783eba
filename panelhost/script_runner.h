#pragma once
// The headless script mode: one command a line, split into words as platform/script_words.h
// says, blank and comment lines skipped; numbers decimal or 0x-hex. A failing line prints
// "fail LINE: REASON" and ends the run with status 1.
//
//   load CFG | module PATH | set TOKEN VALUE | release TOKEN | get TOKEN | update [N]
//   click GAUGE X Y [left|right] | hold GAUGE X Y N | drag GAUGE X Y | help GAUGE X Y
//   value GAUGE DEPTH | events | sounds | render GAUGE|panel FILE.png [full]
//   expect-value GAUGE DEPTH [<|>] VALUE | expect-token TOKEN [<|>] VALUE
//   expect-event 0xID VALUE | aircraft cruise|cold | control NAME VALUE
//
// DEPTH counts first entries of the next-element lists from the background (0); "DEPTH:y" or
// "DEPTH:angle" picks another axis of a slider, moving image or sprite than its first. The
// expectations compare for equality unless "<" or ">" stands before the value. "aircraft" starts
// the simulated aircraft afresh, level in cruise or parked cold with everything off. "control"
// moves a pilot's control as the keyboard does (panelhost/flight_controls.h): elevator, aileron,
// rudder and trim -1..1; brakes, parking-brake, throttle, propeller, mixture and flaps 0..1. A
// value outside its range is kept at the range's end (said on stderr, once per control); NaN or
// an infinity fails the line. The wind is two tokens (panelhost/aircraft.h), set as any other.
// "render" draws only the gauges that changed since the last picture, all of them with "full"; a
// gauge alone is always drawn afresh. Only a host that draws renders (the Linux panelhost); any
// other fails the line, after the words were checked as everywhere.
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "panelhost/flight_controls.h"
#include "panelhost/panel_core.h"
#include "panelhost/panel_renderer.h"
#include "platform/script_words.h"

namespace panelhost {

using platform::ScriptWord;
using platform::splitScriptLine;

class ScriptRunner {
 public:
  using Error = std::optional<std::string>;

  // Renders when the host is a PanelRenderer as well.
  ScriptRunner(PanelCore& host, std::ostream& out, std::ostream& err,
               std::filesystem::path scriptFolder = {});
  // Returns 0 when every line passed, else 1 after the first failing line.
  int run(std::istream& script);
  // One line (without its number); the reason when it fails.
  Error execute(std::string_view line);

 private:
  struct Command;
  static const std::vector<Command>& commands();

  Error load(const std::vector<ScriptWord>& args);
  Error module(const std::vector<ScriptWord>& args);
  Error set(const std::vector<ScriptWord>& args);
  Error release(const std::vector<ScriptWord>& args);
  Error get(const std::vector<ScriptWord>& args);
  Error update(const std::vector<ScriptWord>& args);
  Error click(const std::vector<ScriptWord>& args);
  Error hold(const std::vector<ScriptWord>& args);
  Error drag(const std::vector<ScriptWord>& args);
  Error value(const std::vector<ScriptWord>& args);
  Error events(const std::vector<ScriptWord>& args);
  Error sounds(const std::vector<ScriptWord>& args);
  Error help(const std::vector<ScriptWord>& args);
  Error render(const std::vector<ScriptWord>& args);
  Error expectValue(const std::vector<ScriptWord>& args);
  Error expectEvent(const std::vector<ScriptWord>& args);
  Error expectToken(const std::vector<ScriptWord>& args);
  Error aircraft(const std::vector<ScriptWord>& args);
  Error control(const std::vector<ScriptWord>& args);

  std::filesystem::path resolve(const std::string& path) const;

  PanelCore& host_;
  PanelRenderer* renderer_;
  std::ostream& out_;
  std::ostream& err_;
  std::filesystem::path scriptFolder_;
  std::set<Control> clampedControls_;  // those whose clamping was already said
};

}  // namespace panelhost
