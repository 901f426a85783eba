#include "platform/special_folders.h"

#include <filesystem>
#include <system_error>

#include "platform/paths.h"
#include "platform/xdg.h"

namespace platform {

namespace fs = std::filesystem;

std::string programsFolder() {
  const fs::path data = xdgDataHome();
  return data.empty() ? std::string() : toWindows(data / "applications");
}

std::string desktopFolder() {
  fs::path desktop = userDir("DESKTOP");
  if (desktop.empty()) {
    const fs::path home = homeFolder();
    if (home.empty()) return {};
    desktop = home / "Desktop";
  }
  if (!desktop.has_filename()) desktop = desktop.parent_path();
  // A session makes its desktop folder at login when it is missing; a user without one (a fresh
  // account, a desktop-less session) gets it here rather than a failed desktop link. A folder
  // that cannot be made shows when the link is written.
  std::error_code ec;
  fs::create_directories(desktop, ec);
  return toWindows(desktop);
}

}  // namespace platform
