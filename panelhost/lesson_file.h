#pragma once
// A lesson file as the training installs it beside the simulator (Adventures/Norvane/QTPnn.TXT):
// "[Lektion]" with "Titel=", "[Start]" with the situation the lesson begins in, "[Ziel]" with
// one "Schritt=" line per goal step (lesson_goal.h), "[Briefing]" and "[Abschluss]" with the
// texts shown before and after, the closing text naming the four-digit code. The format is
// described in content/sample_cd/README.md.
//
// A file whose goal is missing or malformed still gives its texts and its start: the lesson is
// flown freely and never completes. Every problem is one message naming its line.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "panelhost/lesson_goal.h"

namespace panelhost {

enum class StartPlace { Parked, Runway, Aloft, Approach, Valley };

struct LessonStart {
  StartPlace place = StartPlace::Parked;
  std::optional<double> altitudeFeet;  // aloft: where the place puts it unless given
  std::optional<double> headingDegrees;
  std::optional<double> airspeedKnots;
  double windFromDegrees = 0;
  double windKnots = 0;
  bool engineOff = false;  // aloft with the engine stopped, for the forced landing
};

struct LessonFile {
  int number = 0;  // from "Nummer=", 0 without one
  std::string title;
  std::string briefing;  // paragraphs separated by line feeds
  std::string closing;
  std::optional<int> code;  // from the closing text
  LessonStart start;
  std::vector<GoalStep> goal;  // empty: flown freely
  std::vector<std::string> problems;
};

LessonFile parseLessonFile(std::string_view text);

// The lesson in `path`; nothing with `error` when the file cannot be read.
std::optional<LessonFile> readLessonFile(const std::filesystem::path& path, std::string& error);

}  // namespace panelhost
