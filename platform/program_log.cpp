#include "platform/program_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>
#include <string>

#include "platform/unique_fd.h"
#include "platform/xdg.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

struct LogState {
  std::mutex mutex;
  fs::path file;
  UniqueFd fd;
  ProgramLogOptions options;
};

LogState& state() {
  static LogState log;
  return log;
}

void sayOnStderr(std::string_view text) {
  std::fprintf(stderr, "qtp: %.*s\n", static_cast<int>(text.size()), text.data());
  std::fflush(stderr);
}

std::string timestamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local));
}

// One record is one line, whatever the text holds.
std::string oneLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (const char c : text) {
    if (c == '\n')
      line += "\\n";
    else
      line += c == '\r' || c == '\t' ? ' ' : c;
  }
  return line;
}

int openForAppend(const fs::path& file) {
  return ::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
}

// Gives up on the file for the rest of the run and says why, once.
void dropFile(LogState& log, int error) {
  sayOnStderr("the log " + log.file.string() + " cannot be written (" + std::strerror(error) +
              "); running on without it");
  log.fd.reset();
  log.file.clear();
}

// Another instance may have moved the file aside meanwhile: then the path names a new file.
bool stillTheFile(const LogState& log, const struct stat& open) {
  struct stat named {};
  return ::stat(log.file.c_str(), &named) == 0 && named.st_ino == open.st_ino &&
         named.st_dev == open.st_dev;
}

void append(LogState& log, const std::string& line) {
  if (!log.fd.valid()) return;
  struct stat open {};
  if (::fstat(log.fd.get(), &open) != 0 || !stillTheFile(log, open) ||
      (open.st_size > 0 &&
       static_cast<std::size_t>(open.st_size) + line.size() > log.options.maxBytes)) {
    if (open.st_size > 0 && stillTheFile(log, open)) {
      fs::path older = log.file;
      older += ".1";
      ::rename(log.file.c_str(), older.c_str());
    }
    log.fd.reset(openForAppend(log.file));
    if (!log.fd.valid()) return dropFile(log, errno);
  }
  std::string_view rest = line;
  while (!rest.empty()) {
    const ssize_t written = ::write(log.fd.get(), rest.data(), rest.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return dropFile(log, written < 0 ? errno : ENOSPC);
    rest.remove_prefix(static_cast<std::size_t>(written));
  }
}

void record(std::string_view marker, std::string_view text, bool toStderr) {
  LogState& log = state();
  const std::lock_guard lock(log.mutex);
  if (toStderr) sayOnStderr(text);
  std::string line = timestamp();
  line += ' ';
  line += marker;
  line += oneLine(text);
  line += '\n';
  append(log, line);
}

}  // namespace

fs::path defaultLogFile() {
  if (fs::path set = absoluteEnvPath("XDG_STATE_HOME"); !set.empty())
    return set / "qtp" / "qtp.log";
  const fs::path home = homeFolder();
  return home.empty() ? fs::path{} : home / ".local" / "state" / "qtp" / "qtp.log";
}

void openProgramLog(const fs::path& file, ProgramLogOptions options) {
  LogState& log = state();
  const std::lock_guard lock(log.mutex);
  log.options = options;
  log.file = file;
  log.fd.reset();
  if (file.empty()) {
    sayOnStderr("the home folder is unknown, so there is no log; running on without it");
    return;
  }
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  log.fd.reset(openForAppend(file));
  if (!log.fd.valid()) dropFile(log, ec ? ec.value() : errno);
}

void closeProgramLog() {
  LogState& log = state();
  const std::lock_guard lock(log.mutex);
  log.fd.reset();
  log.file.clear();
  log.options = {};
}

fs::path programLogFile() {
  LogState& log = state();
  const std::lock_guard lock(log.mutex);
  return log.file;
}

bool programLogVerbose() {
  LogState& log = state();
  const std::lock_guard lock(log.mutex);
  return log.options.verbose;
}

void logNote(std::string_view text) {
  record({}, text, programLogVerbose());
}

void logReport(std::string_view text) {
  record("error: ", text, true);
}

}  // namespace platform
