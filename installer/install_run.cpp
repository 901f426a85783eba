// The run's sequence: the simulator check, the uninstaller and shortcuts, then the training
// component, the scenery and the aircraft, each recorded as installed the moment its last
// archive is in, and the end step that always lets the next run start.
#include "installer/install_run.h"

#include <QApplication>
#include <QCoreApplication>
#include <QScreen>
#include <algorithm>
#include <iterator>
#include <utility>

#include "installer/scenery_registration.h"
#include "installer/setup2_dlg.h"
#include "installer/shortcuts.h"
#include "shell/install_state.h"

namespace installrun {

namespace {

ArchiveObserver archiveObserver;
std::string libraryName = kUnrarLibraryName;

}  // namespace

void setArchiveObserver(ArchiveObserver observer) {
  archiveObserver = std::move(observer);
}

void notifyArchive(const QString& archive, const QString& destination) {
  if (archiveObserver) archiveObserver(archive, destination);
}

void setArchiveLibrary(std::string name) {
  libraryName = std::move(name);
}

const std::string& archiveLibrary() {
  return libraryName;
}

}  // namespace installrun

namespace {

constexpr int kRightInset = 15;
constexpr int kBottomInset = 50;

// The main menu's bounds; without it, those of the owner's window, else the screen's.
QRect MainWindowBounds(QWidget* owner) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == QLatin1String("TMainDLG")) return window->geometry();
  }
  if (owner) return owner->window()->geometry();
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect();
}

QString SimulatorFolder(int version) {
  return version == 98 ? FS98Path : version == 2000 ? FS2000Path : QString();
}

bool AnyAircraftChosen() {
  return std::any_of(std::begin(Session.AircraftChosen), std::end(Session.AircraftChosen),
                     [](bool chosen) { return chosen; });
}

// Sets an install flag in the product key and in InstallState together.
void RecordInstalled(const QString& name, bool& field) {
  WriteStateBool(name, true);
  field = true;
}

}  // namespace

void StartInstallRun(QWidget* owner) {
  if (Setup2DLG) return;
  Setup2DLG = new TSetup2DLG(owner);
  const QRect main = MainWindowBounds(owner);
  Setup2DLG->move(main.left() + main.width() - Setup2DLG->width() - kRightInset,
                  main.top() + main.height() - Setup2DLG->height() - kBottomInset);
  Setup2DLG->show();
  Setup2DLG->raise();
  QCoreApplication::processEvents();
}

QString TSetup2DLG::DestinationFolder(ArchiveDestination destination) const {
  return destination == ArchiveDestination::TargetFolder ? Session.TargetFolder
                                                         : SimulatorFolder(SimVersion);
}

bool TSetup2DLG::RunSequence() {
  // Only a simulator the run knows can be installed into; any other version has no folder.
  if (SimulatorCdFolder(SimVersion).isEmpty() || !SimFolderExists(SimVersion)) {
    InstallAbort = true;
    return false;
  }
  InstallAbort = false;
  ExpectedFileCount();
  Session.ExtractedFiles = 0;
  CopyUninstaller();
  CreateShortcuts(*ShortcutLink1);

  if (Session.TrainingChosen) {
    if (!ExtractGroup(InstallGroup::Training)) return false;
    CompleteTraining();
  }
  if (Session.SceneryChosen) {
    if (!ExtractGroup(InstallGroup::Scenery)) return false;
    CompleteScenery();
  }
  if (AnyAircraftChosen()) {
    if (!ExtractGroup(InstallGroup::Aircraft)) return false;
    CompleteAircraft();
  }
  return !InstallAbort;
}

bool TSetup2DLG::ExtractGroup(InstallGroup group) {
  for (const PlannedArchive& planned : PlanArchives(group, Session, SimVersion)) {
    if (!planned.status.isEmpty()) ShowStatus(planned.status);
    if (!ExtractFromCD(planned.archive, DestinationFolder(planned.destination))) return false;
    if (InstallAbort) return false;
  }
  return true;
}

void TSetup2DLG::CompleteTraining() {
  if (SimVersion == 2000)
    RecordInstalled(QStringLiteral("QTP2K"), InstallState.QTP2K);
  else
    RecordInstalled(QStringLiteral("QTP98"), InstallState.QTP98);
  Session.TrainingChosen = false;
}

void TSetup2DLG::CompleteScenery() {
  if (SimVersion == 2000) {
    RemoveUnusedElevation();
    Session.SceneryChosen = false;
    RegisterSceneryCfg();
    RecordInstalled(QStringLiteral("SC2K"), InstallState.SC2K);
    WriteStateString(QStringLiteral("SCRes"), Session.SceneryRes);
    InstallState.SCRes = Session.SceneryRes.left(1);
  } else {
    Session.SceneryChosen = false;
    RecordInstalled(QStringLiteral("SC98"), InstallState.SC98);
    RegisterFS98Scenery();
  }
}

void TSetup2DLG::CompleteAircraft() {
  const bool fs2000 = SimVersion == 2000;
  bool* installed = fs2000 ? InstallState.AC2K : InstallState.AC98;
  for (int n = 1; n <= 4; ++n) {
    if (!Session.AircraftChosen[n - 1]) continue;
    Session.AircraftChosen[n - 1] = false;
    RecordInstalled(QStringLiteral("%1%2").arg(fs2000 ? "AC2K" : "AC98").arg(n), installed[n - 1]);
  }
}
