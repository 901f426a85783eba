#include "uninstaller/scenery_entries.h"

#include "libs/worldvis/world_vis_text.h"

namespace uninstall {

namespace {

// The text without the one occurrence of `part` (and `before` right in front of it when there);
// nothing unless `part` occurs exactly once.
std::optional<std::string> withoutOnce(std::string_view text, std::string_view part,
                                       std::string_view before = {}) {
  const std::size_t at = text.find(part);
  if (part.empty() || at == std::string_view::npos ||
      text.find(part, at + 1) != std::string_view::npos)
    return std::nullopt;
  std::size_t from = at;
  if (!before.empty() && text.substr(0, at).ends_with(before)) from -= before.size();
  std::string out(text.substr(0, from));
  out += text.substr(at + part.size());
  return out;
}

}  // namespace

std::optional<std::string> withoutSceneryArea(std::string_view text, std::string_view area) {
  return withoutOnce(text, area);
}

std::optional<std::string> withoutWorldVisEntry(std::string_view text, std::string_view title,
                                                std::string_view pattern) {
  for (const std::string_view lineEnd : {"\r\n", "\n"}) {
    // The section alone: what entryFor writes after the line ends it puts in front.
    const std::string section = worldvis::entryFor({}, title, pattern, lineEnd);
    if (auto out = withoutOnce(text, section, lineEnd)) return out;
  }
  return std::nullopt;
}

}  // namespace uninstall
