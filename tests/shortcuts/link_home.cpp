#include "tests/shortcuts/link_home.h"

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

LinkHome::LinkHome(const fs::path& root)
    : home_(root / "home"),
      homeEnv_("HOME", home_.string()),
      dataEnv_("XDG_DATA_HOME", std::nullopt),
      configEnv_("XDG_CONFIG_HOME", std::nullopt) {
  fs::create_directories(desktop());
}

std::string EntryValue(const fs::path& entry, const std::string& key) {
  std::ifstream in(entry);
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  return "<missing>";
}

bool ValidEntry(const fs::path& entry) {
  const std::string command = "desktop-file-validate '" + entry.string() + "'";
  return fs::exists(entry) && std::system(command.c_str()) == 0;
}
