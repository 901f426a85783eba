// Fuzz target: the bytes as a lesson file. Whatever they hold, what is read keeps the promises
// the lesson host relies on: a goal only with a code to give, every goal step with conditions
// and a finite, non-negative time, start values within their ranges.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "panelhost/lesson_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const panelhost::LessonFile lesson =
      panelhost::parseLessonFile({reinterpret_cast<const char*>(data), size});
  if (!lesson.goal.empty() && (!lesson.code || *lesson.code < 0 || *lesson.code > 9999))
    std::abort();
  for (const panelhost::GoalStep& step : lesson.goal) {
    if (step.conditions.empty() || !std::isfinite(step.holdSeconds) || step.holdSeconds < 0)
      std::abort();
    for (const panelhost::GoalCondition& condition : step.conditions)
      if (!std::isfinite(condition.value) || !(condition.tolerance >= 0)) std::abort();
  }
  const panelhost::LessonStart& start = lesson.start;
  if (!(start.windKnots >= 0 && start.windKnots <= 60) ||
      !(start.windFromDegrees >= 0 && start.windFromDegrees <= 360))
    std::abort();
  if (lesson.goal.empty() && lesson.problems.empty()) std::abort();  // flown freely: said why
  return 0;
}
