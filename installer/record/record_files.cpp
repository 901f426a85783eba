// The install log on disk: where it lies, the identity of the files it names, and its durable
// append.
#include <fcntl.h>
#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "installer/record/install_record.h"
#include "installer/record/name_cache.h"
#include "platform/durable_file.h"
#include "platform/text_file.h"
#include "platform/unique_fd.h"

namespace installrecord {

namespace fs = std::filesystem;

namespace {

// Beyond this the file is not a log this code wrote.
constexpr std::size_t kMaxLogBytes = std::size_t{64} << 20;

std::int64_t nanoseconds(const struct timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

}  // namespace

std::optional<FileIdentity> identityOf(const fs::path& file) {
  platform::UniqueFd fd(::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  return fd.valid() ? identityOf(fd.get()) : std::nullopt;
}

std::optional<FileIdentity> identityOf(int fd) {
  struct stat before {};
  if (::fstat(fd, &before) != 0 || !S_ISREG(before.st_mode)) return std::nullopt;
  std::uint64_t hash = contentHash({});
  std::array<char, 65536> buffer;
  for (off_t at = 0;;) {
    const ssize_t n = ::pread(fd, buffer.data(), buffer.size(), at);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    hash = contentHash({buffer.data(), static_cast<std::size_t>(n)}, hash);
    at += n;
  }
  struct stat after {};
  if (::fstat(fd, &after) != 0) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(after.st_size), nanoseconds(after.st_mtim), hash};
}

fs::path resolveCase(const fs::path& base, std::string_view relative) {
  // A cache of its own: every folder on the way is listed afresh.
  return NameCache().resolve(base, relative);
}

fs::path logPath(const fs::path& simulatorFolder) {
  return resolveCase(simulatorFolder, "NORVANE/INSTALL.LOG");
}

namespace {

// The path below base, '/' separated, when it is one a record may hold.
std::optional<std::string> below(const fs::path& base, const fs::path& normal) {
  if (base.empty()) return std::nullopt;
  const std::string text = normal.lexically_relative(base.lexically_normal()).generic_string();
  if (text.empty() || text == "." || text.rfind("..", 0) == 0 || !validPath(Place::Simulator, text))
    return std::nullopt;
  return text;
}

}  // namespace

Record placed(Kind kind, const fs::path& simulatorFolder, const fs::path& prefixFolder,
              const fs::path& file) {
  Record record;
  record.kind = kind;
  const fs::path normal = file.lexically_normal();
  if (auto path = below(simulatorFolder, normal);
      path && kind != Kind::DesktopEntry && kind != Kind::DesktopFolder) {
    record.place = Place::Simulator;
    record.path = *path;
  } else if (auto inPrefix = below(prefixFolder, normal)) {
    record.place = Place::Prefix;
    record.path = *inPrefix;
  } else {
    record.place = Place::Host;
    record.path = normal.generic_string();
    if (record.path.size() > 1 && record.path.back() == '/') record.path.pop_back();
  }
  return record;
}

fs::path hostPath(const fs::path& simulatorFolder, const fs::path& prefixFolder,
                  const Record& record) {
  switch (record.place) {
    case Place::Simulator:
      return simulatorFolder / record.path;
    case Place::Prefix:
      return prefixFolder / record.path;
    case Place::Host:
      break;
  }
  return record.path;
}

LogRead readLog(const fs::path& logFile) {
  LogRead result;
  const textfile::FileRead read = textfile::readRegularFile(logFile, kMaxLogBytes);
  if (read.failure == textfile::FileRead::Failure::Missing) return result;
  result.exists = true;
  if (!read.ok()) {
    result.error = logFile.string() + ": " + read.reason;
    return result;
  }
  result.log = parseLog(read.bytes);
  return result;
}

std::optional<std::string> logTextWith(const fs::path& logFile, const std::vector<Block>& blocks,
                                       std::string& error) {
  const textfile::FileRead read = textfile::readRegularFile(logFile, kMaxLogBytes);
  std::string bytes;
  if (read.ok()) {
    bytes = read.bytes;
    // A line cut off by a crash stays as it is; the block begins on a line of its own.
    if (!bytes.empty() && bytes.back() != '\n') bytes += '\n';
  } else if (read.failure != textfile::FileRead::Failure::Missing) {
    error = logFile.string() + ": " + read.reason;
    return std::nullopt;
  }
  if (bytes.empty()) bytes = headerText();
  for (const Block& block : blocks) bytes += blockText(block);
  return bytes;
}

std::string appendBlocks(const fs::path& logFile, const std::vector<Block>& blocks) {
  std::string error;
  const std::optional<std::string> text = logTextWith(logFile, blocks, error);
  if (!text) return error;
  std::error_code ec;
  fs::create_directories(logFile.parent_path(), ec);
  const platform::DurableWriteResult written = platform::writeFileDurably(logFile, *text);
  return written ? std::string() : written.error;
}

}  // namespace installrecord
