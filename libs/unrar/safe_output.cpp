#include "libs/unrar/safe_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <filesystem>

namespace unrar {
namespace {

bool hasDrivePrefix(const std::string& name) {
  return name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':';
}

// Windows refuses control characters in names; a file of such a name could not be opened there.
bool hasControlCharacter(const std::string& name) {
  return std::any_of(name.begin(), name.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

bool isLinkOrFolder(int dirFd, const std::string& name) {
  struct stat st {};
  if (::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return false;
  return S_ISLNK(st.st_mode) || S_ISDIR(st.st_mode);
}

std::string temporaryName() {
  static std::atomic<unsigned> counter{0};
  return ".unrar-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".part";
}

}  // namespace

std::optional<std::vector<std::string>> safeComponents(const std::string& memberName) {
  if (memberName.empty() || memberName[0] == '/' || memberName[0] == '\\' ||
      hasDrivePrefix(memberName) || hasControlCharacter(memberName))
    return std::nullopt;
  std::vector<std::string> parts;
  std::string part;
  for (std::size_t i = 0; i <= memberName.size(); ++i) {
    const char c = i < memberName.size() ? memberName[i] : '/';
    if (c != '/' && c != '\\') {
      part.push_back(c);
      continue;
    }
    if (part == "..") return std::nullopt;
    if (!part.empty() && part != ".") parts.push_back(part);
    part.clear();
  }
  if (parts.empty()) return std::nullopt;
  return parts;
}

FolderHandle& FolderHandle::operator=(FolderHandle&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.release();
  }
  return *this;
}

FolderHandle::~FolderHandle() {
  if (fd_ >= 0) ::close(fd_);
}

int FolderHandle::release() {
  const int fd = fd_;
  fd_ = -1;
  return fd;
}

FolderHandle openTrustedFolder(const std::string& path) {
  const std::string folder = path.empty() ? "." : path;
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return FolderHandle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

FolderHandle enterFolders(const FolderHandle& base, const std::vector<std::string>& folders,
                          FolderNames& names) {
  FolderHandle current(::dup(base.fd()));
  for (const std::string& member : folders) {
    if (!current.valid()) break;
    const std::string name = names.existingName(current.fd(), member);
    if (::mkdirat(current.fd(), name.c_str(), 0777) == 0)
      names.added(current.fd(), name);
    else if (errno != EEXIST)
      return {};
    current = FolderHandle(
        ::openat(current.fd(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  }
  return current;
}

bool PendingFile::create(FolderHandle folder, const std::string& member, mode_t mode,
                         FolderNames& names) {
  discard();
  if (!folder.valid()) return false;
  const std::string name = names.existingName(folder.fd(), member);
  if (isLinkOrFolder(folder.fd(), name)) return false;
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    temporary_ = temporaryName();
    fd_ = ::openat(folder.fd(), temporary_.c_str(),
                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode & 0777);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) return false;
  folder_ = std::move(folder);
  names_ = &names;
  name_ = name;
  return true;
}

bool PendingFile::write(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t done = ::write(fd_, bytes, size);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    bytes += done;
    size -= static_cast<std::size_t>(done);
  }
  return true;
}

bool PendingFile::commit(std::time_t modified) {
  if (fd_ < 0) return false;
  const struct timespec times[2] = {{0, UTIME_OMIT}, {modified, 0}};
  ::futimens(fd_, times);
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  // The target may have become a link or folder while the data was written.
  if (!closed || isLinkOrFolder(folder_.fd(), name_) ||
      ::renameat(folder_.fd(), temporary_.c_str(), folder_.fd(), name_.c_str()) != 0) {
    ::unlinkat(folder_.fd(), temporary_.c_str(), 0);
    temporary_.clear();
    return false;
  }
  temporary_.clear();
  names_->added(folder_.fd(), name_);
  return true;
}

void PendingFile::discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty() && folder_.valid()) ::unlinkat(folder_.fd(), temporary_.c_str(), 0);
  temporary_.clear();
}

}  // namespace unrar
