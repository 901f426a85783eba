#include "uninstaller/anchored_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace uninstall {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

}  // namespace

bool staysInside(std::string_view relative) {
  if (relative.empty() || relative.front() == '/') return false;
  while (!relative.empty()) {
    const std::size_t slash = relative.find('/');
    const std::string_view name = relative.substr(0, slash);
    if (name.empty() || name == "." || name == "..") return false;
    if (slash == std::string_view::npos) break;
    relative.remove_prefix(slash + 1);
    if (relative.empty()) return false;
  }
  return true;
}

std::optional<AnchoredFolder> AnchoredFolder::open(const std::filesystem::path& folder,
                                                   std::string* why) {
  // The folder itself may be reached through links (the prefix's drive links); only what lies
  // below it is held to the rule.
  platform::UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.valid()) {
    *why = std::strerror(errno);
    return std::nullopt;
  }
  return AnchoredFolder(folder, std::move(fd));
}

platform::UniqueFd AnchoredFolder::parentOf(std::string_view relative, std::string* leaf,
                                            bool* unsafe) const {
  *unsafe = !staysInside(relative);
  if (*unsafe) return platform::UniqueFd();
  platform::UniqueFd current(::dup(fd_.get()));
  for (std::size_t slash; (slash = relative.find('/')) != std::string_view::npos;) {
    const std::string name(relative.substr(0, slash));
    relative.remove_prefix(slash + 1);
    const int next = ::openat(current.get(), name.c_str(), kFolderFlags);
    if (next < 0) {
      // A link or a file where a folder was is planted; a missing folder only means gone.
      *unsafe = errno == ELOOP || errno == ENOTDIR;
      return platform::UniqueFd();
    }
    current.reset(next);
  }
  *leaf = std::string(relative);
  return current;
}

AnchoredFolder::Entry AnchoredFolder::look(std::string_view relative) const {
  std::string leaf;
  bool unsafe = false;
  const platform::UniqueFd parent = parentOf(relative, &leaf, &unsafe);
  Entry entry;
  if (!parent.valid()) {
    entry.kind = unsafe ? Kind::Unsafe : Kind::Missing;
    return entry;
  }
  if (::fstatat(parent.get(), leaf.c_str(), &entry.status, AT_SYMLINK_NOFOLLOW) != 0) return entry;
  if (S_ISREG(entry.status.st_mode))
    entry.kind = Kind::File;
  else if (S_ISDIR(entry.status.st_mode))
    entry.kind = Kind::Folder;
  else if (S_ISLNK(entry.status.st_mode))
    entry.kind = Kind::Link;
  else
    entry.kind = Kind::Other;
  return entry;
}

int AnchoredFolder::remove(std::string_view relative, bool folder) const {
  std::string leaf;
  bool unsafe = false;
  const platform::UniqueFd parent = parentOf(relative, &leaf, &unsafe);
  if (!parent.valid()) return unsafe ? ELOOP : ENOENT;
  return ::unlinkat(parent.get(), leaf.c_str(), folder ? AT_REMOVEDIR : 0) == 0 ? 0 : errno;
}

platform::UniqueFd AnchoredFolder::openFile(std::string_view relative) const {
  std::string leaf;
  bool unsafe = false;
  const platform::UniqueFd parent = parentOf(relative, &leaf, &unsafe);
  if (!parent.valid()) return platform::UniqueFd();
  // O_NONBLOCK: a FIFO planted under the name must not stall the uninstaller.
  platform::UniqueFd file(
      ::openat(parent.get(), leaf.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat status {};
  if (!file.valid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
    return platform::UniqueFd();
  return file;
}

std::optional<std::string> AnchoredFolder::read(std::string_view relative,
                                                std::size_t limit) const {
  const platform::UniqueFd file = openFile(relative);
  if (!file.valid()) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (ssize_t n; (n = ::read(file.get(), buffer, sizeof buffer)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 || bytes.size() + static_cast<std::size_t>(n) > limit) return std::nullopt;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return bytes;
}

platform::UniqueFd AnchoredFolder::openFolder(std::string_view relative) const {
  if (relative.empty()) return platform::UniqueFd(::dup(fd_.get()));
  std::string leaf;
  bool unsafe = false;
  const platform::UniqueFd parent = parentOf(relative, &leaf, &unsafe);
  return platform::UniqueFd(parent.valid() ? ::openat(parent.get(), leaf.c_str(), kFolderFlags)
                                           : -1);
}

std::optional<std::vector<std::string>> AnchoredFolder::names(std::string_view relative) const {
  const platform::UniqueFd folder = openFolder(relative);
  // The listing owns the descriptor it is opened on: it gets a copy of its own.
  const int copy = folder.valid() ? ::dup(folder.get()) : -1;
  DIR* listing = copy >= 0 ? ::fdopendir(copy) : nullptr;
  if (!listing) {
    if (copy >= 0) ::close(copy);
    return std::nullopt;
  }
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  ::closedir(listing);
  return names;
}

}  // namespace uninstall
