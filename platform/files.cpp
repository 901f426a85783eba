#include "platform/files.h"

#include <algorithm>
#include <filesystem>

#include "platform/durable_file.h"
#include "platform/paths.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

fs::path hostOf(std::string_view winPath) {
  return winPath.empty() ? fs::path{} : toHost(winPath);
}

}  // namespace

bool fileExists(std::string_view winPath) {
  const fs::path host = hostOf(winPath);
  std::error_code ec;
  return !host.empty() && fs::exists(host, ec) && !fs::is_directory(host, ec);
}

bool folderExists(std::string_view winPath) {
  const fs::path host = hostOf(winPath);
  std::error_code ec;
  return !host.empty() && fs::is_directory(host, ec);
}

bool forceFolders(std::string_view winPath) {
  const fs::path host = hostOf(winPath);
  if (host.empty()) return false;
  std::error_code ec;
  fs::create_directories(host, ec);
  return fs::is_directory(host, ec);
}

bool copyFile(std::string_view from, std::string_view to, bool failIfExists) {
  const fs::path source = hostOf(from);
  const fs::path target = hostOf(to);
  std::error_code ec;
  if (source.empty() || target.empty() || !fs::is_regular_file(source, ec)) return false;
  if (fs::is_directory(target, ec) || (failIfExists && fs::exists(target, ec))) return false;
  return bool(copyFileDurably(source, target));
}

bool deleteFile(std::string_view winPath) {
  const fs::path host = hostOf(winPath);
  std::error_code ec;
  if (host.empty() || fs::is_directory(fs::symlink_status(host, ec))) return false;
  return fs::remove(host, ec);
}

std::optional<std::vector<FolderEntry>> listFolder(std::string_view winPath) {
  const fs::path host = hostOf(winPath);
  std::error_code ec;
  fs::directory_iterator it(host, ec);
  if (host.empty() || ec) return std::nullopt;
  std::vector<FolderEntry> entries;
  for (fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    entries.push_back({it->path().filename().string(), it->is_directory(typeError)});
  }
  if (ec) return std::nullopt;
  std::sort(entries.begin(), entries.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  return entries;
}

std::optional<std::uint64_t> fileSize(std::string_view winPath) {
  const fs::path host = hostOf(winPath);
  std::error_code ec;
  if (host.empty() || !fs::is_regular_file(host, ec)) return std::nullopt;
  const auto size = fs::file_size(host, ec);
  if (ec) return std::nullopt;
  return static_cast<std::uint64_t>(size);
}

}  // namespace platform
