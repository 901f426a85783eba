#include "panelhost/lesson_run.h"

#include <utility>

#include "panelhost/lesson_start.h"

namespace panelhost {

LessonRun::LessonRun(PanelCore& host, Completed completed)
    : host_(host), completed_(std::move(completed)) {
  host_.setCycleObserver([this] { observe(); });
}

LessonRun::~LessonRun() {
  host_.setCycleObserver({});
}

void LessonRun::start(LessonFile lesson) {
  startAircraft(host_.aircraft(), host_.vars(), lesson.start);
  watcher_ = LessonWatcher(lesson.goal);
  lesson_ = std::move(lesson);
}

void LessonRun::observe() {
  if (lesson_ && watcher_.observe(host_.vars(), SimulatedAircraft::kCycleSeconds))
    completed_(*lesson_);
}

}  // namespace panelhost
