#pragma once
// A lesson being flown in a panel host: the aircraft put in the lesson's start, its goal watched
// after every panel cycle, and the host told once when the goal is met.
#include <functional>
#include <optional>

#include "panelhost/lesson_file.h"
#include "panelhost/lesson_watcher.h"
#include "panelhost/panel_core.h"

namespace panelhost {

class LessonRun {
 public:
  using Completed = std::function<void(const LessonFile&)>;

  // Watches the host's cycles from now on; `completed` is called on the cycle the goal is met.
  LessonRun(PanelCore& host, Completed completed);
  ~LessonRun();
  LessonRun(const LessonRun&) = delete;
  LessonRun& operator=(const LessonRun&) = delete;

  // Starts the aircraft as the lesson says and watches its goal (none: flown freely).
  void start(LessonFile lesson);
  const std::optional<LessonFile>& lesson() const { return lesson_; }
  const LessonWatcher& watcher() const { return watcher_; }

 private:
  void observe();

  PanelCore& host_;
  Completed completed_;
  std::optional<LessonFile> lesson_;
  LessonWatcher watcher_{{}};
};

}  // namespace panelhost
