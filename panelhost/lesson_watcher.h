#pragma once
// Watches a lesson's goal cycle by cycle: the current step must hold without a break for its
// time before the next one is watched; valley race gates count when flown through in order.
#include <cstddef>
#include <optional>
#include <vector>

#include "panelhost/lesson_goal.h"
#include "panelhost/valley_gates.h"
#include "panelhost/variable_store.h"

namespace panelhost {

// What the conditions are measured against: the aircraft's tokens and the gates passed so far.
struct GoalReadings {
  const VariableStore& vars;
  int gatesPassed = 0;
};

bool conditionHolds(const GoalCondition& condition, const GoalReadings& readings);
bool stepHolds(const GoalStep& step, const GoalReadings& readings);

class LessonWatcher {
 public:
  explicit LessonWatcher(std::vector<GoalStep> goal);

  // The aircraft after a cycle of `seconds`; true only on the cycle its last step is met.
  bool observe(const VariableStore& vars, double seconds);
  bool complete() const { return !goal_.empty() && step_ == goal_.size(); }
  std::size_t step() const { return step_; }
  int gatesPassed() const { return gatesPassed_; }

 private:
  void countGates(const VariableStore& vars);

  std::vector<GoalStep> goal_;
  std::size_t step_ = 0;
  double heldSeconds_ = 0;
  int gatesPassed_ = 0;
  std::optional<GroundPoint> lastPoint_;
};

}  // namespace panelhost
