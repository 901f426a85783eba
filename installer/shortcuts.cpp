#include "installer/shortcuts.h"

#include <algorithm>
#include <iterator>

#include "installer/run_record.h"
#include "installer/shortcut_link.h"
#include "platform/files.h"
#include "platform/program_log.h"
#include "platform/shell_link.h"
#include "shell/install_state.h"
#include "shell/message_form.h"
#include "shell/simulators.h"

namespace {

const char* const kStartMenuError = "Ein Eintrag im Strtmenü konnte nicht angelegt werden!";
const char* const kDesktopError = "Das Desktopicon konnte nicht angelegt werden!";

void Error(const QString& text) {
  ShowMessageForm(text, clRed, true, QStringLiteral("OK"), false, QString());
}

bool HasUninstaller(const QString& simulatorFolder) {
  return !simulatorFolder.isEmpty() &&
         platform::fileExists(
             (simulatorFolder + QStringLiteral("NORVANE\\UNINSTALL.EXE")).toStdString());
}

bool LinkExists(const QString& lnkFile) {
  return platform::fileExists(platform::linkFileFor(lnkFile.toStdString()));
}

// Writes one link to a program with its own folder as working folder, unless the link exists.
// False when it could not be written.
bool WriteLinkOnce(TShortcutLink& link, const QString& lnkFile, const QString& program,
                   const QString& workingDir) {
  if (LinkExists(lnkFile)) return true;
  link.setShortcutFile(lnkFile);
  link.setTarget(program);
  link.setWorkingDir(workingDir);
  // The programs are scripts without an icon of their own; every link shows the product's icon
  // that the training component installs into the target folder.
  link.setIconLocation(Session.TargetFolder + QString::fromLatin1(kProgramIconFile));
  link.setShowCmd(TShortcutLink::scShowNormal);
  const auto entry =
      runrecord::host(QString::fromStdString(platform::linkFileFor(lnkFile.toStdString())));
  if (!runrecord::willWrite(entry)) return false;
  try {
    link.CreateLink();
  } catch (const EShortcutError&) {
    platform::logReport("cannot write the link " + lnkFile.toStdString());
    return false;
  }
  runrecord::wrote(entry, installrecord::Kind::DesktopEntry);
  return true;
}

// The start-menu group, created when missing; empty when it is not there afterwards.
QString StartMenuGroup(TShortcutLink& link) {
  const QString programs = link.GetProgramsFolder();
  const QString group = programs + QStringLiteral("\\Norvane\\QTP\\");
  const std::string folder = group.toStdString();
  const bool present =
      !programs.isEmpty() &&
      (platform::folderExists(folder) ||
       (runrecord::willCreateFolders(runrecord::host(group), installrecord::Kind::DesktopFolder) &&
        platform::forceFolders(folder)));
  if (!present) {
    platform::logReport("cannot make the start-menu folder " + folder);
    Error(QString::fromUtf8(kStartMenuError));
  }
  return present ? group : QString();
}

// The uninstall link into the group, only while the uninstaller it starts is there: a link to
// nothing would leave the user no way to remove the product.
void WriteUninstallLink(TShortcutLink& link, const QString& group) {
  const QString simulator = SimulatorFolder(SimVersion);
  if (simulator.isEmpty()) return;
  const QString folder = simulator + QStringLiteral("NORVANE\\");
  const QString program = folder + QStringLiteral("Uninstall.EXE");
  if (!platform::fileExists(program.toStdString())) return;
  if (!WriteLinkOnce(link, group + QStringLiteral("Uninstall.lnk"), program, folder))
    Error(QString::fromUtf8(kStartMenuError));
}

}  // namespace

bool CopyUninstaller() {
  const auto simulators = Simulators();
  if (std::any_of(simulators.begin(), simulators.end(),
                  [](const Simulator& s) { return HasUninstaller(s.folder()); }))
    return true;
  const bool anyAircraft =
      std::any_of(std::begin(Session.AircraftChosen), std::end(Session.AircraftChosen),
                  [](bool chosen) { return chosen; });
  // The scenery chosen now counts like an installed one: the run writes the uninstall link for
  // it, and that link must find the uninstaller.
  if (!Session.TrainingChosen && !anyAircraft && !Session.SceneryChosen && !InstallState.SC98 &&
      !InstallState.SC2K)
    return true;
  if (!SimFolderExists(SimVersion)) return true;
  const QString simulator = SimulatorFolder(SimVersion);
  if (simulator.isEmpty()) return true;
  const QString folder = simulator + QStringLiteral("NORVANE\\");
  if (!runrecord::willCreateFolders(runrecord::host(folder)) ||
      !platform::forceFolders(folder.toStdString())) {
    platform::logReport("cannot make the folder " + folder.toStdString());
    Error(QStringLiteral("\"Unistall.exe\" konnte nicht installiert werden!"));
    return true;
  }
  if (InstallState.CDDrive.isEmpty()) return false;
  // A copy that fails is only logged: the uninstaller is an extra, the run goes on.
  const std::string from = (InstallState.CDDrive + QStringLiteral("UNINSTALL.EXE")).toStdString();
  const std::string to = (folder + QStringLiteral("UNINSTALL.EXE")).toStdString();
  const auto copy = runrecord::host(QString::fromStdString(to));
  if (runrecord::willWrite(copy) && platform::copyFile(from, to)) {
    runrecord::wrote(copy);
    return true;
  }
  platform::logReport("cannot copy " + from + " to " + to);
  return false;
}

void CreateShortcuts(TShortcutLink& link) {
  const QString group = StartMenuGroup(link);
  if (group.isEmpty()) return;
  const QString program = Session.TargetFolder + QStringLiteral("QTP.EXE");
  if (Session.TrainingChosen &&
      !WriteLinkOnce(link, group + QStringLiteral("QTP.lnk"), program, Session.TargetFolder))
    Error(QString::fromUtf8(kStartMenuError));
  if (Session.DesktopIcon) {
    const QString desktop = link.GetDesktopFolder();
    if (desktop.isEmpty() ||
        !WriteLinkOnce(link, desktop + QStringLiteral("\\QTP.lnk"), program, Session.TargetFolder))
      Error(QString::fromUtf8(kDesktopError));
  }
  WriteUninstallLink(link, group);
}

void CreateUninstallLink(TShortcutLink& link) {
  const QString programs = link.GetProgramsFolder();
  const QString group = programs + QStringLiteral("\\Norvane\\QTP\\");
  if (!programs.isEmpty() && platform::folderExists(group.toStdString()))
    WriteUninstallLink(link, group);
}
