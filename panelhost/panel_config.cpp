#include "panelhost/panel_config.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "panelhost/number_text.h"
#include "platform/text_file.h"

namespace panelhost {
namespace {

using textfile::trimmed;

std::string lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::vector<std::string_view> splitCommas(std::string_view text) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto comma = text.find(',');
    parts.push_back(trimmed(text.substr(0, comma)));
    if (comma == std::string_view::npos) return parts;
    text.remove_prefix(comma + 1);
  }
}

std::optional<int> toInt(std::string_view text) {
  auto value = parseInteger(text);
  if (!value || *value < -1000000 || *value > 1000000) return std::nullopt;
  return static_cast<int>(*value);
}

// "gaugeNN" -> NN
std::optional<int> gaugeNumber(const std::string& key) {
  if (key.size() <= 5 || key.compare(0, 5, "gauge") != 0) return std::nullopt;
  const std::string digits = key.substr(5);
  if (!std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); }))
    return std::nullopt;
  return toInt(digits);
}

class Parser {
 public:
  PanelConfig result;

  void line(int number, std::string_view raw) {
    const std::string_view text = trimmed(raw.substr(0, raw.find_first_of(";")));
    if (text.empty() || text.front() == '#') return;
    if (text.front() == '[') return section(number, text);
    const auto pair = textfile::splitKeyValue(text);
    if (!pair) return problem(number, "no '=' in \"" + std::string(text) + "\"");
    if (inTitles_ && lower(pair->key) == "window00") result.title = pair->value;
    if (!window_) return;  // other sections ([Views], ...) are not ours
    const std::string key = lower(pair->key);
    const std::string_view value = pair->value;
    if (key == "size" || key == "size_mm") return size(number, value);
    if (auto gauge = gaugeNumber(key)) return placement(number, *gauge, value);
  }

 private:
  PanelWindowConfig* window_ = nullptr;
  bool inTitles_ = false;

  void problem(int number, const std::string& what) {
    result.problems.push_back("line " + std::to_string(number) + ": " + what);
  }

  void section(int number, std::string_view text) {
    const auto header = textfile::sectionName(text);
    if (!header) return problem(number, "unclosed section header");
    const std::string name(*header);
    window_ = nullptr;
    const std::string key = lower(name);
    inTitles_ = key == "window titles";
    if (key.size() > 6 && key.compare(0, 6, "window") == 0 &&
        std::all_of(key.begin() + 6, key.end(), [](unsigned char c) { return std::isdigit(c); })) {
      result.windows.push_back(PanelWindowConfig{name, {}, {}, {}});
      window_ = &result.windows.back();
    }
  }

  void size(int number, std::string_view value) {
    const auto parts = splitCommas(value);
    auto width = parts.size() == 2 ? toInt(parts[0]) : std::nullopt;
    auto height = parts.size() == 2 ? toInt(parts[1]) : std::nullopt;
    if (!width || !height || *width <= 0 || *height <= 0)
      return problem(number, "size needs two positive numbers");
    window_->width = width;
    window_->height = height;
  }

  void placement(int number, int gauge, std::string_view value) {
    const auto parts = splitCommas(value);
    const auto bang = parts[0].find('!');
    if (bang == std::string_view::npos || bang == 0 || bang + 1 == parts[0].size())
      return problem(number, "gauge needs module!name");
    if (parts.size() < 3 || parts.size() > 5)
      return problem(number, "gauge needs module!name, x, y[, width[, height]]");
    std::vector<std::optional<int>> numbers;
    for (std::size_t i = 1; i < parts.size(); ++i) numbers.push_back(toInt(parts[i]));
    if (std::any_of(numbers.begin(), numbers.end(), [](const auto& n) { return !n; }))
      return problem(number, "gauge position or size is not a number");
    GaugePlacement p;
    p.number = gauge;
    p.module = std::string(trimmed(parts[0].substr(0, bang)));
    p.gauge = std::string(trimmed(parts[0].substr(bang + 1)));
    p.x = *numbers[0];
    p.y = *numbers[1];
    if (numbers.size() > 2) p.width = numbers[2];
    if (numbers.size() > 3) p.height = numbers[3];
    if ((p.width && *p.width <= 0) || (p.height && *p.height <= 0))
      return problem(number, "gauge size must be positive");
    p.line = number;
    auto& list = window_->gauges;
    list.insert(std::upper_bound(list.begin(), list.end(), p,
                                 [](const auto& a, const auto& b) { return a.number < b.number; }),
                p);
  }
};

// The entry of a folder with the name, compared without regard to case (as Windows would).
std::optional<std::filesystem::path> findEntry(const std::filesystem::path& folder,
                                               const std::string& name, bool wantFolder) {
  std::error_code ec;
  const std::string wanted = lower(name);
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    const bool kindMatches = wantFolder ? entry.is_directory(ec) : entry.is_regular_file(ec);
    if (kindMatches && lower(entry.path().filename().string()) == wanted) return entry.path();
  }
  return std::nullopt;
}

// The file names a module may have, best first. ".gau" is added to a name without an
// extension; on Linux a module's own object, NOR_NV36.so, comes before NOR_NV36.gau, which on a
// CD that carries both builds is the Windows DLL.
std::vector<std::string> moduleFileNames(const std::string& moduleName) {
  if (moduleName.find('.') == std::string::npos) return moduleFileNames(moduleName + ".gau");
#ifdef _WIN32
  return {moduleName};
#else
  const auto extension = moduleName.rfind('.');
  if (lower(moduleName.substr(extension)) != ".gau") return {moduleName};
  return {moduleName.substr(0, extension) + ".so", moduleName};
#endif
}

}  // namespace

PanelConfig parsePanelConfig(std::string_view text) {
  Parser parser;
  textfile::LineReader lines(text);
  for (std::string_view line; lines.next(line);) parser.line(lines.number(), line);
  return std::move(parser.result);
}

std::optional<std::filesystem::path> findModule(const std::filesystem::path& panelFolder,
                                                const std::string& moduleName) {
  if (moduleName.find_first_of("/\\") != std::string::npos || moduleName == "." ||
      moduleName == "..")
    return std::nullopt;
  const std::vector<std::string> names = moduleFileNames(moduleName);
  const auto firstIn = [&](const std::filesystem::path& folder) {
    std::optional<std::filesystem::path> found;
    for (auto name = names.begin(); !found && name != names.end(); ++name)
      found = findEntry(folder, *name, false);
    return found;
  };
  if (auto here = firstIn(panelFolder)) return here;
  std::error_code ec;
  for (auto folder = std::filesystem::weakly_canonical(panelFolder, ec); !folder.empty();
       folder = folder.parent_path()) {
    if (auto gauges = findEntry(folder, "gauges", true)) return firstIn(*gauges);
    if (folder == folder.root_path()) break;
  }
  return std::nullopt;
}

}  // namespace panelhost
