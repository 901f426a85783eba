#include "platform/paths.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/drives.h"
#include "platform/names.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

bool startsWithDrive(const std::string& path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// Turns any accepted form into "X:\rest" with backslashes only; empty for a UNC path.
std::string absoluteWindowsPath(std::string_view winPath) {
  std::string path(winPath);
  std::replace(path.begin(), path.end(), '/', '\\');
  // Network paths are not served; a colon anywhere but after the drive letter names no file.
  if (path.rfind("\\\\", 0) == 0) return {};
  if (path.find(':', startsWithDrive(path) ? 2 : 0) != std::string::npos) return {};
  if (startsWithDrive(path)) {
    if (path.size() > 2 && path[2] == '\\') return path;
    const std::string current = currentFolder();
    if (sameName(current.substr(0, 2), path.substr(0, 2))) return current + "\\" + path.substr(2);
    return path.substr(0, 2) + "\\" + path.substr(2);
  }
  if (!path.empty() && path[0] == '\\') return currentFolder().substr(0, 2) + path;
  return currentFolder() + "\\" + path;
}

std::vector<std::string> components(std::string_view rest) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= rest.size()) {
    std::size_t end = rest.find('\\', start);
    if (end == std::string_view::npos) end = rest.size();
    const std::string_view part = rest.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.emplace_back(part);
    }
    start = end + 1;
  }
  return parts;
}

std::optional<std::string> matchWithoutCase(const fs::path& folder, const std::string& name) {
  std::optional<std::string> best;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string candidate = it->path().filename().string();
    if (sameName(candidate, name) && (!best || candidate < *best)) best = std::move(candidate);
  }
  return best;
}

// How many leading components of path are folder's; -1 when folder is not a prefix of path.
int prefixLength(const fs::path& folder, const fs::path& path) {
  auto p = path.begin();
  int length = 0;
  for (const fs::path& part : folder) {
    if (part.empty()) continue;
    if (p == path.end() || *p != part) return -1;
    ++p;
    ++length;
  }
  return length;
}

}  // namespace

fs::path toHost(std::string_view winPath) {
  const std::string path = absoluteWindowsPath(winPath);
  if (path.size() < 3) return {};
  const auto folder = driveFolder(path.substr(0, 2));
  if (!folder) return {};
  fs::path host = *folder;
  bool existing = true;
  for (const std::string& part : components(std::string_view(path).substr(3))) {
    std::error_code ec;
    if (existing && fs::symlink_status(host / part, ec).type() == fs::file_type::not_found) {
      if (auto match = matchWithoutCase(host, part)) {
        host /= *match;
        continue;
      }
      existing = false;
    }
    host /= part;
  }
  return host;
}

std::string toWindows(const fs::path& hostPath) {
  std::error_code ec;
  fs::path path = fs::weakly_canonical(fs::absolute(hostPath, ec), ec);
  if (ec) path = fs::absolute(hostPath).lexically_normal();
  char letter = 'Z';
  int best = -1;
  for (const Drive& drive : drives()) {
    const int length = prefixLength(drive.folder, path);
    if (length > best) {
      best = length;
      letter = drive.letter;
    }
  }
  std::string result{letter, ':'};
  // Both counts include the root "/", which no drive letter shows.
  auto part = path.begin();
  std::advance(part, std::max(best, 1));
  for (; part != path.end(); ++part)
    if (!part->empty()) result += "\\" + part->string();
  return result.size() == 2 ? result + "\\" : result;
}

std::string currentFolder() {
  std::error_code ec;
  const fs::path cwd = fs::current_path(ec);
  return ec ? std::string("C:\\") : toWindows(cwd);
}

}  // namespace platform
