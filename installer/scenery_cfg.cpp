#include "installer/scenery_cfg.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "platform/text_file.h"

namespace scenerycfg {

namespace {

constexpr std::string_view kTitleLine = "Title=Norvane AZ";
constexpr std::string_view kAreaMark = "[AREA.";
constexpr int kHighestArea = 999999998;

std::size_t findAreaMark(std::string_view line) {
  const auto it = std::search(
      line.begin(), line.end(), kAreaMark.begin(), kAreaMark.end(),
      [](char a, char b) { return (a >= 'a' && a <= 'z' ? static_cast<char>(a - 32) : a) == b; });
  return it == line.end() ? std::string_view::npos : static_cast<std::size_t>(it - line.begin());
}

// The number of an area header, or -1 when it cannot be read.
int areaNumber(std::string_view line, std::size_t mark) {
  line.remove_prefix(mark + kAreaMark.size());
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return -1;
  const std::string_view digits = textfile::trimmed(line.substr(0, close));
  if (digits.empty() ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return -1;
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size() || number > kHighestArea)
    return -1;
  return number;
}

}  // namespace

Scan scan(std::string_view text) {
  const std::string_view whole = text;
  bool registered = false;
  bool badNumber = false;
  int highest = -1;
  textfile::LineReader lines(text);
  for (std::string_view line; lines.next(line);) {
    if (line == kTitleLine) registered = true;
    const std::size_t mark = findAreaMark(line);
    if (mark == std::string_view::npos) continue;
    const int number = areaNumber(line, mark);
    if (number < 0) badNumber = true;
    highest = std::max(highest, number);
  }
  if (registered) return {Scan::Outcome::Registered, 0};
  if (badNumber) return {Scan::Outcome::BadNumber, 0};
  if (highest < 0) return {Scan::Outcome::NoArea, 0};
  Scan append{Scan::Outcome::Append, highest + 1};
  if (whole.find('\n') != std::string_view::npos && whole.find('\r') == std::string_view::npos)
    append.lineEnd = "\n";
  return append;
}

std::string areaEntry(int number, std::string_view lineEnd) {
  char header[32];
  std::snprintf(header, sizeof header, "[Area.%03d]", number);
  const std::string lines[] = {
      "",
      "",
      header,
      std::string(kTitleLine),
      "Local=Norvane\\AZ\\Scenery",
      "Active=TRUE",
      "Layer=" + std::to_string(number),
      "Flatten.0=959,N33 25 00,W112 24 00,N33 26 17,W112 21 53,N33 25 41,W112 21 26,N33 24 33,"
      "W112 23 02",
  };
  std::string entry;
  for (const std::string& line : lines) entry.append(line).append(lineEnd);
  return entry;
}

}  // namespace scenerycfg
