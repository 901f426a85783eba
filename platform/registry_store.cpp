#include "platform/registry_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <tuple>

#include "platform/durable_file.h"
#include "platform/program_log.h"
#include "platform/text_file.h"

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
  std::string message = "the registry file " + file.string();
  if (line > 0) message += ", line " + std::to_string(line);
  message += ", cannot be used (" + what + "); it is left as it is";
  if (reported.insert(message).second) logReport(message);
}

Identity identityOf(const struct stat& info) {
  return {info.st_dev, info.st_ino, info.st_size, info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}

// Reads and parses a file. A missing file is an empty document.
DocumentPtr loadFresh(const fs::path& file) {
  textfile::FileRead read = textfile::readRegularFile(file, kMaxRegistryBytes);
  if (read.failure == textfile::FileRead::Failure::Missing)
    return std::make_shared<regtext::Document>();
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
  return document;
}

}  // namespace

DocumentPtr load(const fs::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) == 0) {
    std::lock_guard lock(cacheMutex());
    const auto it = cache().find(file);
    if (it != cache().end() && it->second.identity == identityOf(info)) return it->second.document;
  }
  return loadFresh(file);
}

bool update(const fs::path& file, const std::function<void(regtext::Document&)>& change,
            DocumentPtr* updated) {
  const FileLock fileLock(file);
  if (fileLock.errorNumber() != 0) {
    reportOnce(file, 0, std::string("cannot lock it: ") + std::strerror(fileLock.errorNumber()));
    return false;
  }
  const DocumentPtr current = loadFresh(file);
  if (!current) return false;
  auto document = std::make_shared<regtext::Document>(*current);
  change(*document);
  const DurableWriteResult written =
      writeFileDurably(file, regtext::serialize(*document), {.backup = true});
  if (!written) {
    reportOnce(file, 0, std::string("cannot write it: ") + std::strerror(written.errorNumber));
    return false;
  }
  struct stat info {};
  if (::stat(file.c_str(), &info) == 0) {
    std::lock_guard lock(cacheMutex());
    cache()[file] = {identityOf(info), document};
  }
  if (updated) *updated = document;
  return true;
}

}  // namespace platform::regstore
