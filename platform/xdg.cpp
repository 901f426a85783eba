#include "platform/xdg.h"

#include <cstdlib>

namespace platform {

namespace fs = std::filesystem;

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

}  // namespace platform
