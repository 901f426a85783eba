#include "platform/special_folders.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/paths.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

fs::path absoluteEnv(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0' || value[0] != '/') return {};
  return fs::path(value);
}

// XDG_DESKTOP_DIR="$HOME/Desktop" or an absolute path, as xdg-user-dirs writes it.
fs::path configuredDesktop(const fs::path& home) {
  fs::path config = absoluteEnv("XDG_CONFIG_HOME");
  if (config.empty()) config = home / ".config";
  std::ifstream in(config / "user-dirs.dirs");
  std::string line;
  const std::string key = "XDG_DESKTOP_DIR=\"";
  while (std::getline(in, line)) {
    if (line.rfind(key, 0) != 0 || line.size() < key.size() + 1 || line.back() != '"') continue;
    std::string value = line.substr(key.size(), line.size() - key.size() - 1);
    if (value.rfind("$HOME/", 0) == 0) return home / value.substr(6);
    if (!value.empty() && value[0] == '/') return fs::path(value);
  }
  return {};
}

}  // namespace

std::string programsFolder() {
  fs::path data = absoluteEnv("XDG_DATA_HOME");
  if (data.empty()) {
    const fs::path home = absoluteEnv("HOME");
    if (home.empty()) return {};
    data = home / ".local" / "share";
  }
  return toWindows(data / "applications");
}

std::string desktopFolder() {
  const fs::path home = absoluteEnv("HOME");
  if (home.empty()) return {};
  fs::path desktop = configuredDesktop(home);
  return toWindows(desktop.empty() ? home / "Desktop" : desktop);
}

}  // namespace platform
