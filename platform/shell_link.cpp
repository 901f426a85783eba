#include "platform/shell_link.h"

#include <QProcess>
#include <QString>
#include <cstdio>
#include <filesystem>

#include "platform/durable_file.h"
#include "platform/names.h"
#include "platform/paths.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

// A value of a desktop entry key: backslashes and line breaks escaped.
std::string entryValue(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\')
      out += "\\\\";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\t')
      out += "\\t";
    else
      out += c;
  }
  return out;
}

// One Exec argument, quoted as the desktop entry rules ask; '%' doubled since it starts a code.
std::string execArgument(std::string_view argument) {
  std::string out = "\"";
  for (char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
    out += c;
    if (c == '%') out += '%';
  }
  return out + "\"";
}

std::string hostPath(std::string_view winPath) {
  return winPath.empty() ? std::string() : toHost(winPath).string();
}

std::string execLine(const ShellLink& link) {
  std::string exec = execArgument(hostPath(link.target));
  for (const QString& argument : QProcess::splitCommand(QString::fromStdString(link.arguments)))
    exec += " " + execArgument(argument.toStdString());
  return exec;
}

std::string entryText(std::string_view name, const ShellLink& link) {
  char hotKey[16];
  std::snprintf(hotKey, sizeof hotKey, "0x%04x", static_cast<unsigned>(link.hotKey));
  std::string text = "[Desktop Entry]\nType=Application\n";
  text += "Name=" + entryValue(name) + "\n";
  if (!link.description.empty()) text += "Comment=" + entryValue(link.description) + "\n";
  text += "Exec=" + entryValue(execLine(link)) + "\n";
  if (!link.workingDir.empty()) text += "Path=" + entryValue(hostPath(link.workingDir)) + "\n";
  if (!link.iconLocation.empty()) text += "Icon=" + entryValue(hostPath(link.iconLocation)) + "\n";
  if (!link.categories.empty()) text += "Categories=" + entryValue(link.categories) + "\n";
  text += "Terminal=false\n";
  text += "X-Windows-IconIndex=" + std::to_string(link.iconNumber) + "\n";
  text += "X-Windows-HotKey=" + std::string(hotKey) + "\n";
  text += "X-Windows-ShowCmd=" + std::to_string(link.showCommand) + "\n";
  return text;
}

}  // namespace

std::string linkFileFor(std::string_view lnkPath) {
  std::string path(lnkPath);
  if (path.size() >= 4 && sameName(std::string_view(path).substr(path.size() - 4), ".lnk"))
    path.resize(path.size() - 4);
  return path + ".desktop";
}

bool writeShellLink(std::string_view lnkPath, const ShellLink& link) {
  const fs::path file = toHost(linkFileFor(lnkPath));
  std::error_code ec;
  if (file.empty() || !fs::is_directory(file.parent_path(), ec)) return false;
  // Launchers start only entries that may be executed.
  return bool(writeFileDurably(file, entryText(file.stem().string(), link), {.newFileMode = 0755}));
}

}  // namespace platform
