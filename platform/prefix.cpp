#include "platform/prefix.h"

#include <cstdlib>
#include <iostream>
#include <system_error>

#include "platform/durable_file.h"
#include "platform/xdg.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

fs::path currentDir;

bool makeLink(const fs::path& target, const fs::path& link, std::error_code& ec) {
  if (fs::is_symlink(fs::symlink_status(link, ec))) return true;
  fs::create_directory_symlink(target, link, ec);
  return !ec;
}

bool makeLayout(const fs::path& dir, std::error_code& ec) {
  fs::create_directories(dir / "drive_c", ec);
  if (ec) return false;
  fs::create_directories(dir / "dosdevices", ec);
  if (ec) return false;
  return makeLink("../drive_c", dir / "dosdevices" / "c:", ec) &&
         makeLink("/", dir / "dosdevices" / "z:", ec);
}

}  // namespace

fs::path defaultPrefixDir() {
  if (const char* explicitDir = std::getenv("QTP_PREFIX"); explicitDir && *explicitDir)
    return fs::path(explicitDir);
  const fs::path data = xdgDataHome();
  return data.empty() ? fs::path{} : data / "qtp" / "prefix";
}

bool openPrefix(const fs::path& dir) {
  if (dir.empty()) {
    std::cerr << "qtp: no prefix folder is given and the home folder is unknown\n";
    return false;
  }
  std::error_code ec;
  fs::path absolute = fs::absolute(dir, ec).lexically_normal();
  if (!absolute.has_filename()) absolute = absolute.parent_path();
  if (!ec && !fs::is_directory(absolute / "dosdevices", ec)) makeLayout(absolute, ec);
  if (!ec && !fs::is_directory(absolute / "dosdevices", ec))
    ec = std::make_error_code(std::errc::not_a_directory);
  if (ec) {
    std::cerr << "qtp: cannot use the prefix " << dir << ": " << ec.message() << '\n';
    return false;
  }
  // Writes of the registry files killed half way leave their temporary files here.
  removeStaleTemporaries(absolute);
  currentDir = absolute;
  return true;
}

fs::path currentPrefixDir() {
  return currentDir;
}

}  // namespace platform
