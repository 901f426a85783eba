#include "platform/prefix.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/durable_file.h"
#include "platform/program_log.h"
#include "platform/xdg.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

fs::path currentDir;

// What opening a folder may add to it.
enum class Layout {
  Keep,         // nothing: a folder the user named is taken as it is
  MakeWhenNew,  // the initial layout when the folder has no dosdevices/ yet
  Complete,     // whatever of the initial layout is missing (--create-prefix)
};

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

// The folder made absolute, without a trailing slash.
fs::path absoluteFolder(const fs::path& dir, std::error_code& ec) {
  fs::path absolute = fs::absolute(dir, ec).lexically_normal();
  return absolute.has_filename() ? absolute : absolute.parent_path();
}

bool hasDriveC(const fs::path& absolute) {
  std::error_code ec;
  return fs::is_directory(absolute / "dosdevices" / "c:", ec);
}

std::string quoted(const fs::path& dir) {
  return "\"" + dir.string() + "\"";
}

bool open(const fs::path& dir, Layout layout) {
  if (dir.empty()) {
    logReport("no prefix folder is given and the home folder is unknown");
    return false;
  }
  std::error_code ec;
  const fs::path absolute = absoluteFolder(dir, ec);
  if (!ec && (layout == Layout::Complete ||
              (layout == Layout::MakeWhenNew && !fs::is_directory(absolute / "dosdevices", ec))))
    makeLayout(absolute, ec);
  if (!ec && !fs::is_directory(absolute / "dosdevices", ec))
    ec = std::make_error_code(std::errc::not_a_directory);
  if (ec) {
    logReport("cannot use the prefix " + quoted(dir) + ": " + ec.message());
    return false;
  }
  // Writes of the registry files killed half way leave their temporary files here.
  removeStaleTemporaries(absolute);
  currentDir = absolute;
  return true;
}

PrefixStart refuse(const fs::path& dir, const std::string& what, const char* remedy) {
  logReport("the prefix " + quoted(dir) + " " + what + remedy);
  return PrefixStart::Refused;
}

}  // namespace

fs::path defaultPrefixDir() {
  if (const char* explicitDir = std::getenv("QTP_PREFIX"); explicitDir && *explicitDir)
    return fs::path(explicitDir);
  const fs::path data = xdgDataHome();
  return data.empty() ? fs::path{} : data / "qtp" / "prefix";
}

bool openPrefix(const fs::path& dir) {
  return open(dir, Layout::MakeWhenNew);
}

PrefixStart startPrefix(const fs::path& named, bool create) {
  const char* fromEnvironment = std::getenv("QTP_PREFIX");
  const bool userNamed = !named.empty() || (fromEnvironment && *fromEnvironment);
  const fs::path dir = named.empty() ? defaultPrefixDir() : named;
  const char* remedy = create ? "" : "; --create-prefix makes one";
  if (userNamed && !create && !dir.empty()) {
    std::error_code ec;
    const fs::path absolute = absoluteFolder(dir, ec);
    if (!fs::exists(absolute, ec)) return refuse(dir, "does not exist", remedy);
    if (!hasDriveC(absolute)) return refuse(dir, "has no drive C: (dosdevices/c:)", remedy);
  }
  const Layout layout = create ? Layout::Complete : userNamed ? Layout::Keep : Layout::MakeWhenNew;
  if (!open(dir, layout)) return PrefixStart::Failed;
  if (!hasDriveC(currentDir)) return refuse(dir, "has no drive C: (dosdevices/c:)", remedy);
  return PrefixStart::Opened;
}

fs::path currentPrefixDir() {
  return currentDir;
}

}  // namespace platform
