#include "platform/xdg.h"

#include <cstdlib>

namespace platform {

namespace fs = std::filesystem;

namespace {

fs::path orUnderHome(const char* name, const fs::path& belowHome) {
  if (fs::path set = absoluteEnvPath(name); !set.empty()) return set;
  const fs::path home = homeFolder();
  return home.empty() ? fs::path{} : home / belowHome;
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
  return orUnderHome("XDG_DATA_HOME", fs::path(".local") / "share");
}

fs::path xdgConfigHome() {
  return orUnderHome("XDG_CONFIG_HOME", ".config");
}

}  // namespace platform
