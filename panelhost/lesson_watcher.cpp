#include "panelhost/lesson_watcher.h"

#include <cmath>
#include <utility>

#include "gauges/sim_ids.h"
#include "panelhost/aircraft_systems.h"

namespace panelhost {
namespace {

constexpr double kFeetPerMinutePerUnit = 3.28084 / 256 * 60;
constexpr double kFlapFull = 16384;

bool stateHolds(GoalState state, const VariableStore& vars) {
  switch (state) {
    case GoalState::EngineRunning:
      return engineRunning(vars);
    case GoalState::EngineStopped:
      return !engineRunning(vars);  // a propeller turning in the wind is no running engine
    case GoalState::OnGround:
      return switchedOn(vars, tok::kOnGround);
    case GoalState::Airborne:
      return !switchedOn(vars, tok::kOnGround);
    case GoalState::Stalled:
      return !switchedOn(vars, tok::kOnGround) && switchedOn(vars, kStallWarning);
  }
  return false;
}

// The quantity's reading; nothing while there is none (no DME heard).
std::optional<double> measure(GoalQuantity quantity, const GoalReadings& readings) {
  const VariableStore& vars = readings.vars;
  const auto dme = [&](ID32 token) -> std::optional<double> {
    const double nm = reading(vars, token, 0, 1000, 0);
    return nm > 0 ? std::optional(nm) : std::nullopt;
  };
  switch (quantity) {
    case GoalQuantity::Altitude:
      return reading(vars, tok::kAltitude, -2000, 100000, 0);
    case GoalQuantity::Airspeed:
      return reading(vars, tok::kAirspeed, 0, 1000, 0);
    case GoalQuantity::Heading:
      return reading(vars, tok::kHeading, -1e9, 1e9, 0);
    case GoalQuantity::VerticalSpeed:
      return reading(vars, tok::kVerticalSpeed, -1e6, 1e6, 0) * kFeetPerMinutePerUnit;
    case GoalQuantity::Bank:
      return std::abs(reading(vars, tok::kBank, -180, 180, 0));
    case GoalQuantity::Pitch:
      return reading(vars, tok::kPitch, -90, 90, 0);
    case GoalQuantity::Rpm:
      return engineRpm(vars);
    case GoalQuantity::Flaps:
      return reading(vars, tok::kFlapPosition, 0, kFlapFull, 0) / kFlapFull * 100;
    case GoalQuantity::Dme1:
      return dme(tok::kNav1DmeDistance);
    case GoalQuantity::Dme2:
      return dme(tok::kNav2DmeDistance);
    case GoalQuantity::Gates:
      return readings.gatesPassed;
  }
  return std::nullopt;
}

}  // namespace

bool conditionHolds(const GoalCondition& condition, const GoalReadings& readings) {
  if (condition.state) return stateHolds(*condition.state, readings.vars);
  const auto measured = measure(condition.quantity, readings);
  if (!measured) return false;
  double difference = *measured - condition.value;
  if (condition.quantity == GoalQuantity::Heading)
    difference = std::remainder(difference, 360.0);  // -180..180 around the circle
  switch (condition.relation) {
    case Relation::Equal:
      return std::abs(difference) <= condition.tolerance;
    case Relation::Less:
      return difference < 0;
    case Relation::Greater:
      return difference > 0;
    case Relation::LessOrEqual:
      return difference <= 0;
    case Relation::GreaterOrEqual:
      return difference >= 0;
  }
  return false;
}

bool stepHolds(const GoalStep& step, const GoalReadings& readings) {
  for (const GoalCondition& condition : step.conditions)
    if (!conditionHolds(condition, readings)) return false;
  return true;
}

LessonWatcher::LessonWatcher(std::vector<GoalStep> goal) : goal_(std::move(goal)) {}

bool LessonWatcher::observe(const VariableStore& vars, double seconds) {
  countGates(vars);
  if (step_ >= goal_.size()) return false;
  const GoalStep& step = goal_[step_];
  if (!stepHolds(step, GoalReadings{vars, gatesPassed_})) {
    heldSeconds_ = 0;
    return false;
  }
  heldSeconds_ += seconds;
  // A cycle's worth below the time still counts: 18 cycles of 1/18 s may add up to a hair less.
  if (heldSeconds_ + 1e-9 < step.holdSeconds) return false;
  heldSeconds_ = 0;
  return ++step_ == goal_.size();
}

void LessonWatcher::countGates(const VariableStore& vars) {
  const GroundPoint point{reading(vars, kPositionEast, -kGridLimitNm, kGridLimitNm, 0),
                          reading(vars, kPositionNorth, -kGridLimitNm, kGridLimitNm, 0)};
  const auto gates = valleyGates();
  if (lastPoint_ && gatesPassed_ < static_cast<int>(gates.size()) &&
      passesGate(gates[static_cast<std::size_t>(gatesPassed_)], *lastPoint_, point,
                 reading(vars, tok::kAltitude, -2000, 100000, 0)))
    ++gatesPassed_;
  lastPoint_ = point;
}

}  // namespace panelhost
