#include "panelhost/lesson_goal.h"

#include <array>
#include <cmath>

#include "panelhost/number_text.h"

namespace panelhost {
namespace {

struct Named {
  std::string_view name;
  int value;
};

constexpr std::array kStates{
    Named{"engine_running", int(GoalState::EngineRunning)},
    Named{"engine_stopped", int(GoalState::EngineStopped)},
    Named{"on_ground", int(GoalState::OnGround)},
    Named{"airborne", int(GoalState::Airborne)},
    Named{"stalled", int(GoalState::Stalled)},
};

constexpr std::array kQuantities{
    Named{"altitude", int(GoalQuantity::Altitude)}, Named{"airspeed", int(GoalQuantity::Airspeed)},
    Named{"heading", int(GoalQuantity::Heading)},   Named{"vs", int(GoalQuantity::VerticalSpeed)},
    Named{"bank", int(GoalQuantity::Bank)},         Named{"pitch", int(GoalQuantity::Pitch)},
    Named{"rpm", int(GoalQuantity::Rpm)},           Named{"flaps", int(GoalQuantity::Flaps)},
    Named{"dme1", int(GoalQuantity::Dme1)},         Named{"dme2", int(GoalQuantity::Dme2)},
    Named{"gates", int(GoalQuantity::Gates)},
};

// Longest first, so that "<=" is not read as "<".
constexpr std::array kRelations{
    Named{"<=", int(Relation::LessOrEqual)}, Named{">=", int(Relation::GreaterOrEqual)},
    Named{"<", int(Relation::Less)},         Named{">", int(Relation::Greater)},
    Named{"=", int(Relation::Equal)},
};

template <std::size_t N>
std::optional<int> lookup(const std::array<Named, N>& table, std::string_view name) {
  for (const Named& entry : table)
    if (entry.name == name) return entry.value;
  return std::nullopt;
}

std::string knownWords() {
  std::string words;
  for (const Named& entry : kStates) words += std::string(entry.name) + " ";
  for (const Named& entry : kQuantities) words += std::string(entry.name) + " ";
  words.pop_back();
  return words;
}

std::optional<double> finiteNumber(std::string_view text) {
  const auto number = parseNumber(text);
  if (!number || !std::isfinite(*number)) return std::nullopt;
  return number;
}

// "5s" -> 5; nothing for anything else.
std::optional<double> secondsArg(std::string_view word) {
  if (!word.ends_with('s')) return std::nullopt;
  const auto seconds = finiteNumber(word.substr(0, word.size() - 1));
  if (!seconds || *seconds < 0 || *seconds > 86400) return std::nullopt;
  return seconds;
}

std::optional<GoalCondition> parseCondition(std::string_view word, std::string& error) {
  if (const auto state = lookup(kStates, word)) return GoalCondition{GoalState(*state)};
  const std::size_t at = word.find_first_of("<>=");
  const std::string_view name = word.substr(0, at);
  const auto quantity = lookup(kQuantities, name);
  if (!quantity) {
    error = "unknown goal token \"" + std::string(name) + "\" (known: " + knownWords() + ")";
    return std::nullopt;
  }
  if (at == std::string_view::npos) {
    error = "\"" + std::string(word) + "\" wants a comparison, e.g. " + std::string(name) + ">=0";
    return std::nullopt;
  }
  GoalCondition condition;
  condition.quantity = GoalQuantity(*quantity);
  std::string_view rest = word.substr(at);
  for (const Named& relation : kRelations) {
    if (!rest.starts_with(relation.name)) continue;
    condition.relation = Relation(relation.value);
    rest.remove_prefix(relation.name.size());
    break;
  }
  const std::size_t plusMinus = rest.find("+-");
  if (plusMinus != std::string_view::npos) {
    const auto tolerance = finiteNumber(rest.substr(plusMinus + 2));
    if (condition.relation != Relation::Equal || !tolerance || *tolerance < 0) {
      error = "bad tolerance in \"" + std::string(word) + "\" (only after \"=\", e.g. =270+-10)";
      return std::nullopt;
    }
    condition.tolerance = *tolerance;
    rest = rest.substr(0, plusMinus);
  }
  const auto value = finiteNumber(rest);
  if (!value) {
    error = "bad number in \"" + std::string(word) + "\"";
    return std::nullopt;
  }
  condition.value = *value;
  return condition;
}

}  // namespace

std::optional<GoalStep> parseGoalStep(std::string_view text, std::string& error) {
  GoalStep step;
  step.text = std::string(text);
  std::vector<std::string_view> words;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = text.find_first_not_of(" \t", at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
    words.push_back(text.substr(start, end - start));
    at = end;
  }
  if (words.size() >= 2 && words[words.size() - 2] == "for") {
    const auto seconds = secondsArg(words.back());
    if (!seconds) {
      error = "bad duration \"" + std::string(words.back()) + "\" (seconds, e.g. 10s)";
      return std::nullopt;
    }
    step.holdSeconds = *seconds;
    words.resize(words.size() - 2);
  }
  if (words.empty()) {
    error = "a goal step without conditions";
    return std::nullopt;
  }
  for (std::string_view word : words) {
    auto condition = parseCondition(word, error);
    if (!condition) return std::nullopt;
    step.conditions.push_back(*condition);
  }
  return step;
}

}  // namespace panelhost
