#include "platform/special_folders.h"

#include <QFile>
#include <QStandardPaths>
#include <filesystem>

#include "platform/paths.h"
#include "platform/xdg.h"

namespace platform {

namespace fs = std::filesystem;

std::string programsFolder() {
  const fs::path data = xdgDataHome();
  return data.empty() ? std::string() : toWindows(data / "applications");
}

// Qt reads XDG_DESKTOP_DIR from user-dirs.dirs and falls back to ~/Desktop, but takes the root
// for an unknown home, where Windows finds no folder.
std::string desktopFolder() {
  if (homeFolder().empty()) return {};
  const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  return toWindows(fs::path(QFile::encodeName(desktop).toStdString()));
}

}  // namespace platform
