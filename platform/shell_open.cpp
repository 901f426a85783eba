#include "platform/shell_open.h"

#include <unistd.h>

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <filesystem>

#include "platform/names.h"
#include "platform/paths.h"
#include "platform/prefix.h"
#include "platform/program_log.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

std::function<void(const ShellOpenRequest&)>& recorder() {
  static std::function<void(const ShellOpenRequest&)> current;
  return current;
}

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

// "scheme:" with a scheme of two or more letters; "C:" is a drive, not a scheme.
bool isUrl(const std::string& target) {
  const auto colon = target.find(':');
  if (colon == std::string::npos || colon < 2) return false;
  for (std::size_t i = 0; i < colon; ++i) {
    const char c = target[i];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool other = i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.');
    if (!letter && !other) return false;
  }
  return true;
}

bool isAbsoluteWindowsPath(const std::string& path) {
  return (path.size() >= 2 && path[1] == ':') ||
         (!path.empty() && (path[0] == '\\' || path[0] == '/'));
}

bool endsWithExe(const std::string& path) {
  return path.size() >= 4 && sameName(std::string_view(path).substr(path.size() - 4), ".exe");
}

// Starts the program detached; `started` goes to the log when it could be started.
void start(const QString& program, const QStringList& arguments, const fs::path& folder,
           const std::string& what, const std::string& started) {
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  process.setWorkingDirectory(QString::fromStdString(folder.string()));
  if (program == "wine") {
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("WINEPREFIX", QString::fromStdString(currentPrefixDir().string()));
    process.setProcessEnvironment(environment);
  }
  qint64 pid = 0;
  if (!process.startDetached(&pid))
    logReport("cannot open " + what + ": " + process.errorString().toStdString());
  else if (!started.empty())
    logNote(started + " (process " + std::to_string(pid) + ")");
}

// The desktop's opener runs detached, so its result (a failure: none installed, or no
// application for the document, such as a missing video player) is reported by the shell that
// waits for it, on standard error and in the log as the program's own lines are.
void openOnDesktop(const QString& hostTarget, const fs::path& folder, const std::string& what) {
  static const QString kReport = QStringLiteral(R"sh(xdg-open "$1"; s=$?
if [ "$s" -eq 0 ]; then m="opened $2 with the desktop opener"; e=
else m="cannot open $2: the desktop opener failed with status $s"; e="error: "; fi
if [ -n "$e" ] || [ -n "$4" ]; then printf 'qtp: %s\n' "$m" >&2; fi
if [ -n "$3" ]; then
  printf '%s %s%s\n' "$(date '+%Y-%m-%d %H:%M:%S')" "$e" "$m" >> "$3" 2>/dev/null
fi)sh");
  const QString log = QString::fromStdString(programLogFile().string());
  const QString verbose = programLogVerbose() ? QStringLiteral("verbose") : QString();
  start("/bin/sh", {"-c", kReport, "qtp-open", hostTarget, q(what), log, verbose}, folder, what,
        {});
}

}  // namespace

void shellOpen(const ShellOpenRequest& request) {
  logNote("open " + request.target + " (verb \"" + request.verb + "\", parameters \"" +
          request.params + "\", folder \"" + request.dir + "\")");
  if (recorder()) {
    recorder()(request);
    return;
  }
  if (isUrl(request.target)) {
    std::error_code ec;
    openOnDesktop(q(request.target), fs::current_path(ec), request.target);
    return;
  }
  const bool relative = !request.dir.empty() && !isAbsoluteWindowsPath(request.target);
  const fs::path target = toHost(relative ? request.dir + "\\" + request.target : request.target);
  std::error_code ec;
  if (request.target.empty() || target.empty() || !fs::exists(target, ec)) {
    logReport("cannot open " + request.target + ": no such file or folder");
    return;
  }
  fs::path folder = request.dir.empty() ? target.parent_path() : toHost(request.dir);
  if (folder.empty() || !fs::is_directory(folder, ec)) folder = target.parent_path();
  const QString hostTarget = QString::fromStdString(target.string());
  const QStringList arguments = QProcess::splitCommand(q(request.params));
  if (fs::is_regular_file(target, ec) && ::access(target.c_str(), X_OK) == 0)
    start(hostTarget, arguments, folder, request.target, "started " + request.target);
  else if (endsWithExe(request.target) && !QStandardPaths::findExecutable("wine").isEmpty())
    start("wine", QStringList{hostTarget} + arguments, folder, request.target,
          "started " + request.target + " with wine");
  else
    openOnDesktop(hostTarget, folder, request.target);
}

void setShellOpenRecorder(std::function<void(const ShellOpenRequest&)> r) {
  recorder() = std::move(r);
}

}  // namespace platform
