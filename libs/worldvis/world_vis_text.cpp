#include "libs/worldvis/world_vis_text.h"

#include <algorithm>

#include "platform/text_file.h"

namespace worldvis {

namespace {

using textfile::trimmed;

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
  contents.lineEnd = textfile::lineEndText(textfile::lineEndOf(text));
  bool inSection = false;
  bool inScenery = false;
  // CR belongs to the line end only before LF; a CR anywhere else is a control character.
  textfile::LineReader lines(text, false);
  for (std::string_view line; lines.next(line);) {
    if (hasControl(line)) return {};
    line = trimmed(line);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      const std::optional<std::string_view> name = textfile::sectionName(line);
      if (!name || line.size() < 3) return {};
      inSection = true;
      inScenery = sameWord(*name, "Scenery");
      continue;
    }
    const std::optional<textfile::KeyValue> pair = textfile::splitKeyValue(line);
    if (!inSection || !pair || pair->key.empty()) return {};
    if (inScenery && sameWord(pair->key, "Title")) contents.titles.push_back(titleKey(pair->value));
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
