#include "panelhost/lesson_file.h"

#include <array>
#include <cctype>
#include <cmath>

#include "panelhost/number_text.h"
#include "platform/text_file.h"

namespace panelhost {
namespace {

// A lesson is a page of text; far more is not one.
constexpr std::size_t kMaxLessonBytes = 256 * 1024;

constexpr const char* kFlownFreely = "; the lesson is flown freely, without its code";

struct PlaceName {
  std::string_view name;
  StartPlace place;
};

constexpr std::array kPlaces{
    PlaceName{"parked", StartPlace::Parked}, PlaceName{"runway", StartPlace::Runway},
    PlaceName{"aloft", StartPlace::Aloft},   PlaceName{"approach", StartPlace::Approach},
    PlaceName{"valley", StartPlace::Valley},
};

std::string lineText(int line) {
  return "line " + std::to_string(line) + ": ";
}

std::optional<double> numberWithin(std::string_view text, double low, double high) {
  const auto value = parseNumber(text);
  if (!value || !(*value >= low && *value <= high)) return std::nullopt;
  return value;
}

// "270/12": wind from 270 degrees at 12 knots.
bool parseWind(std::string_view text, LessonStart& start) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) return false;
  const auto from = numberWithin(text.substr(0, slash), 0, 360);
  const auto knots = numberWithin(text.substr(slash + 1), 0, 60);
  if (!from || !knots) return false;
  start.windFromDegrees = *from;
  start.windKnots = *knots;
  return true;
}

// One "key=value" of [Start]; false when the key is unknown or its value malformed.
bool parseStartValue(std::string_view key, std::string_view value, LessonStart& start) {
  if (key == "Lage") {
    for (const PlaceName& place : kPlaces) {
      if (place.name != value) continue;
      start.place = place.place;
      return true;
    }
    return false;
  }
  if (key == "Wind") return parseWind(value, start);
  if (key == "Motor") {
    start.engineOff = value == "aus";
    return value == "aus" || value == "an";
  }
  std::optional<double>* target = key == "Hoehe"   ? &start.altitudeFeet
                                  : key == "Kurs"  ? &start.headingDegrees
                                  : key == "Fahrt" ? &start.airspeedKnots
                                                   : nullptr;
  const double high = key == "Hoehe" ? 20000 : key == "Kurs" ? 360 : 200;
  const auto number = numberWithin(value, 0, high);
  if (!target || !number) return false;
  *target = number;
  return true;
}

// The last run of exactly four digits in the text.
std::optional<int> codeIn(std::string_view text) {
  std::optional<int> code;
  std::size_t at = 0;
  while (at < text.size()) {
    if (!std::isdigit(static_cast<unsigned char>(text[at]))) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    if (end - at == 4) code = std::stoi(std::string(text.substr(at, 4)));
    at = end;
  }
  return code;
}

void appendLine(std::string& text, std::string_view line) {
  if (!text.empty()) text += '\n';
  text += line;
}

std::string withoutTrailingLines(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

}  // namespace

LessonFile parseLessonFile(std::string_view text) {
  LessonFile lesson;
  std::string section;
  bool goalSeen = false;
  bool goalBroken = false;
  textfile::LineReader lines(text);
  std::string_view line;
  while (lines.next(line)) {
    if (const auto name = textfile::sectionName(textfile::trimmed(line))) {
      section = std::string(*name);
      goalSeen = goalSeen || section == "Ziel";
      continue;
    }
    if (section == "Briefing" || section == "Abschluss") {
      appendLine(section == "Briefing" ? lesson.briefing : lesson.closing, line);
      continue;
    }
    const std::string_view trimmed = textfile::trimmed(line);
    if (trimmed.empty() || trimmed.front() == ';') continue;
    const auto pair = textfile::splitKeyValue(trimmed);
    const std::string where = lineText(lines.number());
    if (section == "Lektion") {
      if (pair && pair->key == "Titel") lesson.title = std::string(pair->value);
      if (pair && pair->key == "Nummer")
        lesson.number = static_cast<int>(numberWithin(pair->value, 0, 999).value_or(0));
    } else if (section == "Start") {
      if (!pair || !parseStartValue(pair->key, pair->value, lesson.start))
        lesson.problems.push_back(where + "start \"" + std::string(trimmed) +
                                  "\" is not understood (Lage=parked|runway|aloft|approach|"
                                  "valley, Hoehe=FT, Kurs=DEG, Fahrt=KT, Wind=DEG/KT, "
                                  "Motor=an|aus)");
    } else if (section == "Ziel") {
      std::string error = "not a goal step (Schritt=CONDITIONS [for Ns])";
      const auto step =
          pair && pair->key == "Schritt" ? parseGoalStep(pair->value, error) : std::nullopt;
      if (step) {
        lesson.goal.push_back(*step);
      } else {
        lesson.problems.push_back(where + error + kFlownFreely);
        goalBroken = true;
      }
    }
  }
  lesson.briefing = withoutTrailingLines(std::move(lesson.briefing));
  lesson.closing = withoutTrailingLines(std::move(lesson.closing));
  lesson.code = codeIn(lesson.closing);
  if (!goalBroken && lesson.goal.empty())
    lesson.problems.push_back(goalSeen ? std::string("the goal [Ziel] has no step") + kFlownFreely
                                       : std::string("no goal [Ziel]") + kFlownFreely);
  if (!lesson.code && !lesson.goal.empty() && !goalBroken)
    lesson.problems.push_back(std::string("the closing text [Abschluss] names no four-digit code") +
                              kFlownFreely);
  if (goalBroken || !lesson.code) lesson.goal.clear();
  return lesson;
}

std::optional<LessonFile> readLessonFile(const std::filesystem::path& path, std::string& error) {
  const textfile::FileRead read = textfile::readRegularFile(path, kMaxLessonBytes);
  if (!read.ok()) {
    error = "cannot read lesson " + path.string() + ": " + read.reason;
    return std::nullopt;
  }
  return parseLessonFile(read.bytes);
}

}  // namespace panelhost
