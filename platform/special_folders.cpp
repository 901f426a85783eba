#include "platform/special_folders.h"

#include <filesystem>
#include <fstream>

#include "platform/paths.h"
#include "platform/xdg.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

// XDG_DESKTOP_DIR="$HOME/Desktop" or an absolute path, as xdg-user-dirs writes it.
fs::path configuredDesktop(const fs::path& home) {
  std::ifstream in(xdgConfigHome() / "user-dirs.dirs");
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
  const fs::path data = xdgDataHome();
  return data.empty() ? std::string() : toWindows(data / "applications");
}

std::string desktopFolder() {
  const fs::path home = homeFolder();
  if (home.empty()) return {};
  fs::path desktop = configuredDesktop(home);
  return toWindows(desktop.empty() ? home / "Desktop" : desktop);
}

}  // namespace platform
