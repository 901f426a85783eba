#include "libs/worldvis/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/text_file.h"

namespace atomicfile {

namespace fs = std::filesystem;

namespace {

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

fs::path folderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

fs::path resolved(const fs::path& file) {
  std::error_code ec;
  if (!fs::is_symlink(file, ec)) return file;
  fs::path target = fs::weakly_canonical(file, ec);
  return ec ? file : target;
}

}  // namespace

bool replace(const fs::path& requested, std::string_view bytes) {
  const fs::path file = resolved(requested);
  const fs::path folder = folderOf(file);
  struct stat old {};
  const mode_t mode = ::stat(file.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  std::string pattern = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return false;
  const bool written = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  const fs::path partial(pattern);
  if (!written || !closed || ::rename(partial.c_str(), file.c_str()) != 0) {
    ::unlink(partial.c_str());
    return false;
  }
  // The rename is done; a folder that cannot be flushed only delays its durability.
  syncFolder(folder);
  return true;
}

std::optional<std::string> readAll(const fs::path& file, std::size_t maxBytes) {
  textfile::FileRead read = textfile::readRegularFile(file, maxBytes);
  if (!read.ok()) return std::nullopt;
  return std::move(read.bytes);
}

bool writable(const fs::path& requested) {
  const fs::path file = resolved(requested);
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0 || (info.st_mode & S_IWUSR) == 0) return false;
  return ::access(file.c_str(), W_OK) == 0 && ::access(folderOf(file).c_str(), W_OK) == 0;
}

}  // namespace atomicfile
