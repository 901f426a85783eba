#include "platform/xdg.h"

#include <cstdlib>
#include <string>

#include "platform/text_file.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

// user-dirs.dirs holds a dozen short lines.
constexpr std::size_t kMaxUserDirsBytes = 64u << 10;

// A quoted value of user-dirs.dirs read as xdg-user-dirs reads it back: "$HOME" may only open
// it, anything else must be absolute, and a backslash takes the next character as it stands.
fs::path userDirsValue(std::string_view value, const fs::path& home) {
  constexpr std::string_view kHome = "$HOME";
  if (value.empty() || value.front() != '"') return {};
  value.remove_prefix(1);
  std::string path;
  if (value.substr(0, kHome.size()) == kHome &&
      (value.size() == kHome.size() || value[kHome.size()] == '/' || value[kHome.size()] == '"')) {
    if (home.empty()) return {};
    path = home.string();
    value.remove_prefix(kHome.size());
  } else if (value.empty() || value.front() != '/') {
    return {};
  }
  for (std::size_t i = 0; i < value.size() && value[i] != '"'; ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) ++i;
    path += value[i];
  }
  return path;
}

}  // namespace

fs::path absoluteEnvPath(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  return fs::path(value);
}

fs::path homeFolder() {
  return absoluteEnvPath("HOME");
}

fs::path xdgDataHome() {
  if (fs::path set = absoluteEnvPath("XDG_DATA_HOME"); !set.empty()) return set;
  const fs::path home = homeFolder();
  return home.empty() ? fs::path{} : home / ".local" / "share";
}

fs::path xdgConfigHome() {
  if (fs::path set = absoluteEnvPath("XDG_CONFIG_HOME"); !set.empty()) return set;
  const fs::path home = homeFolder();
  return home.empty() ? fs::path{} : home / ".config";
}

fs::path userDir(std::string_view name) {
  const std::string key = "XDG_" + std::string(name) + "_DIR";
  if (fs::path set = absoluteEnvPath(key.c_str()); !set.empty()) return set;
  const fs::path config = xdgConfigHome();
  if (config.empty()) return {};
  const textfile::FileRead read =
      textfile::readRegularFile(config / "user-dirs.dirs", kMaxUserDirsBytes);
  if (!read.ok()) return {};
  fs::path found;
  textfile::LineReader lines(read.bytes);
  for (std::string_view line; lines.next(line);) {
    const auto entry = textfile::splitKeyValue(line);
    if (!entry || entry->key != key) continue;
    if (fs::path value = userDirsValue(entry->value, homeFolder()); !value.empty())
      found = std::move(value);
  }
  return found;
}

}  // namespace platform
