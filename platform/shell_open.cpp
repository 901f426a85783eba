#include "platform/shell_open.h"

#include <unistd.h>

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <iostream>

#include "platform/names.h"
#include "platform/paths.h"
#include "platform/prefix.h"

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

void start(const QString& program, const QStringList& arguments, const fs::path& folder,
           const std::string& what) {
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  process.setWorkingDirectory(QString::fromStdString(folder.string()));
  if (program == "wine") {
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("WINEPREFIX", QString::fromStdString(currentPrefixDir().string()));
    process.setProcessEnvironment(environment);
  }
  if (!process.startDetached())
    std::cerr << "qtp: cannot open " << what << ": " << process.errorString().toStdString() << '\n';
}

// The desktop's opener runs detached, so its failure (none installed, or no application for
// the document, such as a missing video player) is reported by the shell that waits for it.
void openOnDesktop(const QString& hostTarget, const fs::path& folder, const std::string& what) {
  static const QString kReport = QStringLiteral(
      "xdg-open \"$1\" || "
      "printf 'qtp: cannot open %s: the desktop opener failed with status %s\\n' \"$2\" \"$?\" "
      ">&2");
  start("/bin/sh", {"-c", kReport, "qtp-open", hostTarget, q(what)}, folder, what);
}

}  // namespace

void shellOpen(const ShellOpenRequest& request) {
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
    std::cerr << "qtp: cannot open " << request.target << ": no such file or folder\n";
    return;
  }
  fs::path folder = request.dir.empty() ? target.parent_path() : toHost(request.dir);
  if (folder.empty() || !fs::is_directory(folder, ec)) folder = target.parent_path();
  const QString hostTarget = QString::fromStdString(target.string());
  const QStringList arguments = QProcess::splitCommand(q(request.params));
  if (fs::is_regular_file(target, ec) && ::access(target.c_str(), X_OK) == 0)
    start(hostTarget, arguments, folder, request.target);
  else if (endsWithExe(request.target) && !QStandardPaths::findExecutable("wine").isEmpty())
    start("wine", QStringList{hostTarget} + arguments, folder, request.target);
  else
    openOnDesktop(hostTarget, folder, request.target);
}

void setShellOpenRecorder(std::function<void(const ShellOpenRequest&)> r) {
  recorder() = std::move(r);
}

}  // namespace platform
