#pragma once
// A lesson's goal: steps met one after the other, each a few conditions on the simulated
// aircraft that must hold together, for a while where that matters. A step is written as
//
//   engine_running for 5s
//   airborne altitude>=1000 heading=270+-10 for 10s
//
// A condition is a state (engine_running, engine_stopped, on_ground, airborne, stalled) or a
// quantity compared with a number (=, <, >, <=, >=); "=" takes a tolerance after "+-" (none
// means exactly). Quantities: altitude (ft), airspeed (kt), heading (degrees, compared around
// the circle), vs (ft/min), bank (degrees either side), pitch (degrees), rpm, flaps (percent),
// dme1, dme2 (nm; never met while the receiver hears no DME) and gates (valley race gates
// passed in order). lesson_watcher.h measures them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace panelhost {

enum class GoalState { EngineRunning, EngineStopped, OnGround, Airborne, Stalled };
enum class GoalQuantity {
  Altitude,
  Airspeed,
  Heading,
  VerticalSpeed,
  Bank,
  Pitch,
  Rpm,
  Flaps,
  Dme1,
  Dme2,
  Gates
};
enum class Relation { Equal, Less, Greater, LessOrEqual, GreaterOrEqual };

struct GoalCondition {
  std::optional<GoalState> state;  // else a comparison
  GoalQuantity quantity = GoalQuantity::Altitude;
  Relation relation = Relation::Equal;
  double value = 0;
  double tolerance = 0;
};

struct GoalStep {
  std::vector<GoalCondition> conditions;
  double holdSeconds = 0;
  std::string text;  // as written, for messages
};

// The step written in `text`, else why it is not one (naming the word at fault).
std::optional<GoalStep> parseGoalStep(std::string_view text, std::string& error);

}  // namespace panelhost
