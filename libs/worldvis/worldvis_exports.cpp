// The four calls of libworldvis.so around one session: the file as read when the session began,
// held under an advisory lock, and the entries staged since.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "libs/worldvis/world_vis_text.h"
#include "libs/worldvis/worldvis.h"
#include "platform/durable_file.h"
#include "platform/text_file.h"

#define WORLDVIS_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxWorldVisBytes = 16u << 20;

struct Session {
  fs::path file;
  int lockFd = -1;  // the folder, locked while the session lasts
  std::string text;
  std::vector<std::string> titles;
  std::string lineEnd;
  std::string staged;

  ~Session() {
    if (lockFd >= 0) ::close(lockFd);
  }
};

std::mutex sessionMutex;
std::optional<Session> session;

// Sessions lock the folder rather than the file: the file is replaced by a rename, the folder
// stays the same, so a second session waits until the first has ended and then reads the new
// text.
int lockFolder(const fs::path& file) {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
  if (fd >= 0) ::close(fd);
  return -1;
}

int open(const char* path) {
  if (path == nullptr || *path == '\0') return WORLDVIS_NO_PATH;
  Session next;
  next.file = path;
  std::error_code ec;
  if (!fs::exists(next.file, ec)) return WORLDVIS_MISSING;
  next.lockFd = lockFolder(next.file);
  if (next.lockFd < 0) return WORLDVIS_BUSY;
  textfile::FileRead read = textfile::readRegularFile(next.file, kMaxWorldVisBytes);
  if (read.failure == textfile::FileRead::Failure::Missing) return WORLDVIS_MISSING;
  if (!read.ok()) return WORLDVIS_UNREADABLE;
  worldvis::Contents contents = worldvis::read(read.bytes);
  if (!contents.valid) return WORLDVIS_NOT_WORLD_VIS;
  if (!platform::mayReplace(next.file)) return WORLDVIS_READ_ONLY;
  next.text = std::move(read.bytes);
  next.titles = std::move(contents.titles);
  next.lineEnd = std::move(contents.lineEnd);
  session.emplace(std::move(next));
  return WORLDVIS_READY;
}

}  // namespace

WORLDVIS_EXPORT int WORLDVIS01(const char* worldVisPath) {
  std::lock_guard lock(sessionMutex);
  session.reset();
  return open(worldVisPath);
}

WORLDVIS_EXPORT void WORLDVIS03(const char* title, const char* filePattern) {
  std::lock_guard lock(sessionMutex);
  if (!session || title == nullptr || filePattern == nullptr) return;
  if (!worldvis::usableValue(title) || !worldvis::usableValue(filePattern)) return;
  std::string key = worldvis::titleKey(title);
  if (std::find(session->titles.begin(), session->titles.end(), key) != session->titles.end())
    return;
  session->staged +=
      worldvis::entryFor(session->text + session->staged, title, filePattern, session->lineEnd);
  session->titles.push_back(std::move(key));
}

WORLDVIS_EXPORT void WORLDVIS06(void) {
  std::lock_guard lock(sessionMutex);
  if (!session || session->staged.empty()) return;
  std::string updated = session->text + session->staged;
  if (!platform::writeFileDurably(session->file, updated, {.followLink = true})) return;
  session->text = std::move(updated);
  session->staged.clear();
}

WORLDVIS_EXPORT void WORLDVIS07(void) {
  std::lock_guard lock(sessionMutex);
  session.reset();
}
