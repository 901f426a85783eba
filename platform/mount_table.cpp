#include "platform/mount_table.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace platform {

namespace fs = std::filesystem;

namespace {

fs::path mountTableOverride;

std::string unescapeMountField(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const std::string digits = field.substr(i + 1, 3);
      if (digits.size() == 3 &&
          std::all_of(digits.begin(), digits.end(), [](char d) { return d >= '0' && d <= '7'; })) {
        out += static_cast<char>(std::stoi(digits, nullptr, 8));
        i += 3;
        continue;
      }
    }
    out += field[i];
  }
  return out;
}

}  // namespace

bool isOpticalFileSystem(const std::string& type) {
  return type == "iso9660" || type == "udf";
}

std::vector<Mount> mounts() {
  const fs::path& table =
      mountTableOverride.empty() ? fs::path("/proc/self/mounts") : mountTableOverride;
  std::ifstream in(table);
  std::vector<Mount> entries;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string device, point, type;
    if (!(fields >> device >> point >> type)) continue;
    entries.push_back({unescapeMountField(device), unescapeMountField(point), type});
  }
  return entries;
}

void setMountTableFile(const fs::path& file) {
  mountTableOverride = file;
}

}  // namespace platform
