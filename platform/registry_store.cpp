#include "platform/registry_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <tuple>

#include "platform/text_file.h"
#include "platform/unique_fd.h"

namespace platform::regstore {

namespace fs = std::filesystem;

namespace {

// Registry files of a Wine prefix reach a few MiB; far more is not one.
constexpr std::size_t kMaxRegistryBytes = 16u << 20;

// What identifies one version of a file: replaced files get a new inode, edits a new time.
using Identity = std::tuple<dev_t, ino_t, off_t, long, long>;

struct CacheEntry {
  Identity identity;
  DocumentPtr document;
};

std::mutex& cacheMutex() {
  static std::mutex mutex;
  return mutex;
}

std::map<fs::path, CacheEntry>& cache() {
  static std::map<fs::path, CacheEntry> entries;
  return entries;
}

void reportOnce(const fs::path& file, int line, const std::string& what) {
  static std::set<std::string> reported;
  std::string message = "qtp: the registry file " + file.string();
  if (line > 0) message += ", line " + std::to_string(line);
  message += ", cannot be used (" + what + "); it is left as it is";
  if (reported.insert(message).second) std::cerr << message << std::endl;
}

Identity identityOf(const struct stat& info) {
  return {info.st_dev, info.st_ino, info.st_size, info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}

struct Loaded {
  DocumentPtr document;
  std::string text;
  bool existed = false;
};

// Reads and parses a file. A missing file is an empty document.
Loaded loadFresh(const fs::path& file) {
  textfile::FileRead read = textfile::readRegularFile(file, kMaxRegistryBytes);
  if (read.failure == textfile::FileRead::Failure::Missing)
    return {std::make_shared<regtext::Document>(), {}, false};
  if (!read.ok()) {
    reportOnce(file, 0, read.reason);
    return {};
  }
  auto parsed = regtext::parse(read.bytes);
  DocumentPtr document;
  if (parsed.document)
    document = std::make_shared<const regtext::Document>(std::move(*parsed.document));
  else
    reportOnce(file, parsed.error.line, parsed.error.what);
  std::lock_guard lock(cacheMutex());
  cache()[file] = {identityOf(read.status), document};
  return {document, std::move(read.bytes), true};
}

bool writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Writes text to path so that a crash leaves either nothing new or the whole text on disk.
bool writeDurable(const fs::path& path, const std::string& text) {
  UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  return fd.valid() && writeAll(fd.get(), text) && ::fsync(fd.get()) == 0;
}

bool syncFolder(const fs::path& folder) {
  UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return fd.valid() && ::fsync(fd.get()) == 0;
}

fs::path sibling(const fs::path& file, const char* suffix) {
  fs::path path = file;
  path += suffix;
  return path;
}

// Keeps the file as it was as <file>.bak: a hard link where the file system has them.
bool keepBackup(const fs::path& file, const std::string& text) {
  const fs::path backup = sibling(file, ".bak");
  const fs::path pending = sibling(file, ".bak.tmp");
  ::unlink(pending.c_str());
  if (::link(file.c_str(), pending.c_str()) != 0 && !writeDurable(pending, text)) return false;
  return ::rename(pending.c_str(), backup.c_str()) == 0;
}

}  // namespace

DocumentPtr load(const fs::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) == 0) {
    std::lock_guard lock(cacheMutex());
    const auto it = cache().find(file);
    if (it != cache().end() && it->second.identity == identityOf(info)) return it->second.document;
  }
  return loadFresh(file).document;
}

bool update(const fs::path& file, const std::function<void(regtext::Document&)>& change,
            DocumentPtr* updated) {
  UniqueFd lockFd(::open(sibling(file, ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
  if (!lockFd.valid() || ::flock(lockFd.get(), LOCK_EX) != 0) {
    reportOnce(file, 0, std::string("cannot lock it: ") + std::strerror(errno));
    return false;
  }
  Loaded current = loadFresh(file);
  if (!current.document) return false;
  auto document = std::make_shared<regtext::Document>(*current.document);
  change(*document);
  const fs::path pending = sibling(file, ".tmp");
  if (!writeDurable(pending, regtext::serialize(*document)) ||
      (current.existed && !keepBackup(file, current.text)) ||
      ::rename(pending.c_str(), file.c_str()) != 0) {
    reportOnce(file, 0, std::string("cannot write it: ") + std::strerror(errno));
    ::unlink(pending.c_str());
    return false;
  }
  syncFolder(file.parent_path());
  struct stat info {};
  if (::stat(file.c_str(), &info) == 0) {
    std::lock_guard lock(cacheMutex());
    cache()[file] = {identityOf(info), document};
  }
  if (updated) *updated = document;
  return true;
}

}  // namespace platform::regstore
