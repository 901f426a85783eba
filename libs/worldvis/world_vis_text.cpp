#include "libs/worldvis/world_vis_text.h"

#include <algorithm>

namespace worldvis {

namespace {

std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool hasControl(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 && c != '\t') || u == 0x7F;
  });
}

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::string titleKey(std::string_view title) {
  std::string key(trimmed(title));
  std::transform(key.begin(), key.end(), key.begin(), lower);
  return key;
}

bool usableValue(std::string_view value) {
  return !trimmed(value).empty() && !hasControl(value);
}

Contents read(std::string_view text) {
  Contents contents;
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    text.remove_prefix(kByteOrderMark.size());
  const std::size_t firstBreak = text.find('\n');
  if (firstBreak != std::string_view::npos && (firstBreak == 0 || text[firstBreak - 1] != '\r'))
    contents.lineEnd = "\n";
  bool inSection = false;
  bool inScenery = false;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    // CR belongs to the line end only before LF; a CR anywhere else is a control character.
    if (end < text.size() && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (hasControl(line)) return {};
    line = trimmed(line);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3) return {};
      inSection = true;
      inScenery = sameWord(trimmed(line.substr(1, line.size() - 2)), "Scenery");
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inSection || equals == std::string_view::npos || trimmed(line.substr(0, equals)).empty())
      return {};
    if (inScenery && sameWord(trimmed(line.substr(0, equals)), "Title"))
      contents.titles.push_back(titleKey(line.substr(equals + 1)));
  }
  contents.valid = true;
  return contents;
}

std::string entryFor(std::string_view text, std::string_view title, std::string_view pattern,
                     std::string_view lineEnd) {
  std::string entry;
  if (!text.empty() && text.back() != '\n') entry += lineEnd;
  if (!text.empty()) entry += lineEnd;
  const std::string end(lineEnd);
  entry += "[Scenery]" + end;
  entry += "Title=" + std::string(trimmed(title)) + end;
  entry += "Files=" + std::string(trimmed(pattern)) + end;
  entry += "Active=TRUE" + end;
  return entry;
}

}  // namespace worldvis
