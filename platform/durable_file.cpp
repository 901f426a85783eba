#include "platform/durable_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <functional>
#include <optional>
#include <random>
#include <utility>

#include "platform/unique_fd.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaryMark = ".qtp-tmp.";
constexpr char kBackupAttribute[] = "user.qtp.backup";

DurableWriteResult failure(std::string_view what, const fs::path& path, int errorNumber) {
  return {errorNumber, std::string(what) + " " + path.string() + ": " + std::strerror(errorNumber)};
}

// The bytes of a temporary file: errno, or 0 when all are written.
using Fill = std::function<int(int fd)>;

int writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

int copyAll(int from, int to) {
  std::array<char, 65536> buffer;
  for (;;) {
    const ssize_t n = ::read(from, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n == 0 ? 0 : errno;
    if (const int error = writeAll(to, {buffer.data(), static_cast<std::size_t>(n)})) return error;
  }
}

void syncFolder(const fs::path& folder) {
  UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.valid()) ::fsync(fd.get());
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

std::string randomSuffix() {
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  std::string suffix(6, ' ');
  for (char& c : suffix) c = kLetters[pick(generator)];
  return suffix;
}

struct Temporary {
  UniqueFd fd;
  fs::path path;
  int errorNumber = 0;
};

// A new file ".<name>.qtp-tmp.<pid>.<random>" in folder; whatever stands at a name already,
// a planted link included, makes the next name be tried.
Temporary createTemporary(const fs::path& folder, const std::string& name, mode_t mode) {
  Temporary temporary;
  const std::string stem = "." + name + std::string(kTemporaryMark) + std::to_string(::getpid());
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary.path = folder / (stem + "." + randomSuffix());
    temporary.fd.reset(
        ::open(temporary.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (temporary.fd.valid()) return temporary;
    if (errno != EEXIST) break;
  }
  temporary.errorNumber = errno;
  return temporary;
}

// Whether entry is ".<targetName>.qtp-tmp.<pid>.<random>" of a process that has ended.
bool isStaleTemporary(std::string_view entry, std::string_view targetName) {
  const std::size_t mark = entry.rfind(kTemporaryMark);
  if (entry.empty() || entry.front() != '.' || mark == std::string_view::npos || mark < 2)
    return false;
  if (!targetName.empty() && entry.substr(1, mark - 1) != targetName) return false;
  const std::string_view rest = entry.substr(mark + kTemporaryMark.size());
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
  if (error != std::errc() || pid <= 0 || end == rest.data() + rest.size() || *end != '.')
    return false;
  return pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Only the superuser may give a file away; others keep at least the group when they are in it.
int keepAttributes(int fd, const struct stat& old) {
  if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
      ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0 && errno != EPERM)
    return errno;
  return ::fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

fs::path ledgerOf(const fs::path& folder, const std::string& name) {
  return folder / ("." + name + ".qtp-backup");
}

std::string ledgerLine(ino_t inode, const std::string& backupName) {
  return std::to_string(inode) + " " + backupName + "\n";
}

// Whether candidate is a backup this code made of the file called name.
bool isOurBackup(const fs::path& folder, const std::string& name, const fs::path& candidate) {
  struct stat info {};
  if (::lstat(candidate.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  std::array<char, 256> value;
  const ssize_t n = ::lgetxattr(candidate.c_str(), kBackupAttribute, value.data(), value.size());
  if (n >= 0) return std::string_view(value.data(), static_cast<std::size_t>(n)) == name;
  if (errno != ENOTSUP) return false;
  UniqueFd ledger(::open(ledgerOf(folder, name).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
  std::array<char, 512> text;
  const ssize_t size = ledger.valid() ? ::read(ledger.get(), text.data(), text.size()) : -1;
  return size > 0 && std::string_view(text.data(), static_cast<std::size_t>(size)) ==
                         ledgerLine(info.st_ino, candidate.filename().string());
}

// The backup's name: the one already ours, else the first free one; empty when neither is left.
fs::path backupName(const fs::path& folder, const std::string& name) {
  std::array<fs::path, 10> candidates;
  candidates[0] = folder / (name + ".bak");
  candidates[1] = folder / (name + ".qtp.bak");
  for (std::size_t i = 2; i < candidates.size(); ++i)
    candidates[i] = folder / (name + ".qtp" + std::to_string(i) + ".bak");
  for (const fs::path& candidate : candidates)
    if (isOurBackup(folder, name, candidate)) return candidate;
  struct stat info {};
  for (const fs::path& candidate : candidates)
    if (::lstat(candidate.c_str(), &info) != 0 && errno == ENOENT) return candidate;
  return {};
}

DurableWriteResult replace(const fs::path& file, const DurableWriteOptions& options,
                           std::optional<mode_t> copiedMode, const Fill& fill);

// Keeps the bytes of file (a regular file with the attributes old) as its backup.
DurableWriteResult keepBackup(const fs::path& file, const struct stat& old) {
  const fs::path folder = folderOf(file);
  const std::string name = file.filename().string();
  const fs::path backup = backupName(folder, name);
  if (backup.empty()) return failure("no free name for a backup of", file, EEXIST);
  UniqueFd source(::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
  if (!source.valid()) return failure("cannot read", file, errno);
  Temporary temporary = createTemporary(folder, name, 0600);
  if (!temporary.fd.valid())
    return failure("cannot create a backup beside", file, temporary.errorNumber);
  const int fd = temporary.fd.get();
  bool needsLedger = false;
  int error = copyAll(source.get(), fd);
  if (error == 0) error = keepAttributes(fd, old);
  if (error == 0 && ::fsetxattr(fd, kBackupAttribute, name.data(), name.size(), 0) != 0) {
    error = errno == ENOTSUP ? 0 : errno;
    needsLedger = error == 0;
  }
  struct stat written {};
  if (error == 0 && (::fsync(fd) != 0 || ::fstat(fd, &written) != 0)) error = errno;
  if (error == 0) error = temporary.fd.close();
  if (error == 0 && ::rename(temporary.path.c_str(), backup.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.path.c_str());
    return failure("cannot keep a backup as", backup, error);
  }
  if (!needsLedger) return {};
  const std::string line = ledgerLine(written.st_ino, backup.filename().string());
  return replace(ledgerOf(folder, name), {}, std::nullopt,
                 [&line](int ledger) { return writeAll(ledger, line); });
}

DurableWriteResult replace(const fs::path& requested, const DurableWriteOptions& options,
                           std::optional<mode_t> copiedMode, const Fill& fill) {
  const fs::path file = options.followLink ? resolved(requested) : requested;
  const fs::path folder = folderOf(file);
  const std::string name = file.filename().string();
  if (name.empty()) return failure("no file name in", requested, EINVAL);
  removeStaleTemporaries(folder, name);
  struct stat old {};
  const bool replacing = ::lstat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  // A new file is created with its final mode, so that the umask applies as it does to others.
  const bool newMode = !replacing && !copiedMode;
  Temporary temporary = createTemporary(folder, name, newMode ? options.newFileMode : 0600);
  if (!temporary.fd.valid())
    return failure("cannot create a temporary file beside", file, temporary.errorNumber);
  const int fd = temporary.fd.get();
  int error = fill(fd);
  if (error == 0 && replacing) error = keepAttributes(fd, old);
  if (error == 0 && copiedMode && ::fchmod(fd, *copiedMode) != 0) error = errno;
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (error == 0) error = temporary.fd.close();
  DurableWriteResult result;
  if (error != 0) result = failure("cannot write", file, error);
  if (result && options.backup && replacing) result = keepBackup(file, old);
  if (result && ::rename(temporary.path.c_str(), file.c_str()) != 0)
    result = failure("cannot replace", file, errno);
  if (!result) {
    ::unlink(temporary.path.c_str());
    return result;
  }
  // The rename is done; a folder that cannot be flushed only delays its durability.
  syncFolder(folder);
  return result;
}

}  // namespace

DurableWriteResult writeFileDurably(const fs::path& file, std::string_view bytes,
                                    const DurableWriteOptions& options) {
  return replace(file, options, std::nullopt, [bytes](int fd) { return writeAll(fd, bytes); });
}

DurableWriteResult copyFileDurably(const fs::path& from, const fs::path& to) {
  UniqueFd source(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (!source.valid() || ::fstat(source.get(), &info) != 0)
    return failure("cannot read", from, errno);
  if (!S_ISREG(info.st_mode)) return failure("cannot copy", from, EINVAL);
  return replace(to, {}, info.st_mode & 07777,
                 [&source](int fd) { return copyAll(source.get(), fd); });
}

std::vector<fs::path> backupFilesOf(const fs::path& requested) {
  const fs::path file = resolved(requested);
  const fs::path folder = folderOf(file);
  const std::string name = file.filename().string();
  std::vector<fs::path> files{ledgerOf(folder, name)};
  if (fs::path backup = backupName(folder, name); !backup.empty()) files.push_back(backup);
  return files;
}

bool mayReplace(const fs::path& requested) {
  const fs::path file = resolved(requested);
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0 || (info.st_mode & S_IWUSR) == 0) return false;
  return ::access(file.c_str(), W_OK) == 0 && ::access(folderOf(file).c_str(), W_OK) == 0;
}

void removeStaleTemporaries(const fs::path& folder, std::string_view targetName) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (isStaleTemporary(it->path().filename().string(), targetName)) ::unlink(it->path().c_str());
  }
}

FileLock::FileLock(const fs::path& file) {
  fs::path lockFile = file;
  lockFile += ".lock";
  fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    errorNumber_ = errno;
    return;
  }
  int result = 0;
  do result = ::flock(fd_, LOCK_EX);
  while (result != 0 && errno == EINTR);
  if (result == 0) return;
  errorNumber_ = errno;
  ::close(fd_);
  fd_ = -1;
}

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace platform
