#include "shell/install_state.h"

#include <optional>
#include <string>
#include <vector>

#include "installer/record/run_journal.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/program_log.h"
#include "platform/registry.h"
#include "shell/message_form.h"
#include "shell/simulators.h"

const char* const ProductKey = "SOFTWARE\\NORVANE\\QTP\\1.0";

namespace {

using platform::RegistryKey;

// KB each aircraft needs, and the KB of files two aircraft share, needed once for the pair.
constexpr std::int64_t kAircraftKB[4] = {14000, 7500, 16000, 16000};
struct SharedAircraftFiles {
  int first;
  int second;
  std::int64_t kb;
};
constexpr SharedAircraftFiles kSharedAircraftKB[] = {{0, 1, 4416}, {2, 3, 2323}};
constexpr std::int64_t kTrainingKB = 106321;

QString withBackslash(QString folder) {
  if (!folder.isEmpty() && !folder.endsWith('\\')) folder += '\\';
  return folder;
}

bool fileExists(const QString& path) {
  return platform::fileExists(path.toStdString());
}

std::string lessonValue(int n) {
  return "M" + std::to_string(n);
}
std::string aircraftValue(const Simulator& simulator, int n) {
  return simulator.aircraftName(n).toStdString();
}

// The product key's values other than CDDrive with the defaults that DetectSimulators gives
// missing ones, in the order it creates them.
std::vector<platform::RegistryValue> productDefaults() {
  std::vector<platform::RegistryValue> values = {{"InstallDir", std::string()}};
  for (const Simulator& simulator : Simulators()) values.push_back({simulator.trainingFlag, 0u});
  for (int n = 0; n <= 18; ++n) values.push_back({lessonValue(n), 0u});
  for (int n = 1; n <= 4; ++n) {
    for (const Simulator& simulator : Simulators())
      values.push_back({aircraftValue(simulator, n), 0u});
  }
  for (const Simulator& simulator : Simulators()) values.push_back({simulator.sceneryFlag, 0u});
  values.push_back({"SCRes", std::string("1")});
  return values;
}

// The root of the current folder's drive when that drive is a CD-ROM drive.
std::optional<std::string> cdRootOfCurrentFolder() {
  const QString root = withBackslash(QString::fromStdString(platform::currentFolder())).left(3);
  if (platform::driveType(root.toStdString()) != platform::DriveType::CdRom) return std::nullopt;
  return root.toStdString();
}

void readInstallState() {
  InstallState = {};
  auto key = RegistryKey::open(ProductKey, true);
  if (!key) return;
  // The missing values are created together: one durable write instead of one per value.
  std::vector<platform::RegistryValue> missing;
  if (!key->valueExists("CDDrive")) {
    if (auto root = cdRootOfCurrentFolder()) missing.push_back({"CDDrive", *root});
  }
  for (platform::RegistryValue& value : productDefaults())
    if (!key->valueExists(value.name)) missing.push_back(std::move(value));
  if (!missing.empty()) key->writeValues(missing);

  auto text = [&key](const std::string& name) {
    return QString::fromStdString(key->readString(name).value_or(""));
  };
  auto flag = [&key](const std::string& name) { return key->readInteger(name).value_or(0) != 0; };
  InstallState.CDDrive = text("CDDrive");
  InstallState.InstallDir = text("InstallDir");
  for (int n = 0; n <= 18; ++n) InstallState.Lesson[n] = flag(lessonValue(n));
  for (const Simulator& simulator : Simulators()) {
    InstallState.*simulator.training = flag(simulator.trainingFlag);
    for (int n = 1; n <= 4; ++n)
      (InstallState.*simulator.aircraft)[n - 1] = flag(aircraftValue(simulator, n));
    InstallState.*simulator.scenery = flag(simulator.sceneryFlag);
  }
  InstallState.SCRes = text("SCRes").left(1);
}

// The folder a value names once its trailing characters are cut; nothing when the key does not
// open. A value no longer than the cut gives an empty folder.
std::optional<QString> folderFromRegistry(const FolderPlace& place) {
  const auto key = RegistryKey::open(place.key, false);
  if (!key) return std::nullopt;
  const QString text = QString::fromStdString(key->readString(place.value).value_or(""));
  return withBackslash(text.size() > place.cut ? text.left(text.size() - place.cut) : QString());
}

bool holdsProgram(const Simulator& simulator, const QString& folder) {
  return !folder.isEmpty() && fileExists(folder + simulator.programFile);
}

// Whether a simulator listed before `simulator` has this folder: two never share one.
bool takenBefore(const Simulator& simulator, const QString& folder) {
  for (const Simulator& other : Simulators()) {
    if (&other == &simulator) return false;
    if (other.folder() == folder) return true;
  }
  return false;
}

// Each simulator takes the first of its places that names a folder holding its program, else
// the last place that opens; a folder that does not hold the program is dropped afterwards.
void findSimulatorFolders() {
  for (const Simulator& simulator : Simulators()) {
    QString& folder = simulator.folder();
    for (const FolderPlace& place : simulator.folderPlaces) {
      if (auto found = folderFromRegistry(place)) folder = *found;
      if (holdsProgram(simulator, folder) && !takenBefore(simulator, folder)) break;
    }
  }
  for (const Simulator& simulator : Simulators()) {
    QString& folder = simulator.folder();
    if (!holdsProgram(simulator, folder) || takenBefore(simulator, folder)) folder.clear();
  }
}

// One line a simulator: where it was found and which components the product key records.
void logDetection() {
  for (const Simulator& simulator : Simulators()) {
    const QStringList installed =
        ComponentNames(simulator, InstallState.*simulator.training, InstallState.*simulator.scenery,
                       InstallState.*simulator.aircraft);
    const QString folder = simulator.folder();
    platform::logNote(
        QStringLiteral("simulator %1: %2; installed: %3")
            .arg(simulator.version)
            .arg(folder.isEmpty() ? QStringLiteral("not found") : "in " + folder,
                 installed.isEmpty() ? QStringLiteral("nothing") : installed.join(QLatin1Char(' ')))
            .toStdString());
  }
  platform::logNote("CD drive: " + (InstallState.CDDrive.isEmpty()
                                        ? std::string("none recorded")
                                        : InstallState.CDDrive.toStdString()));
}

}  // namespace

void DetectSimulators() {
  for (const Simulator& simulator : Simulators()) simulator.folder().clear();
  readInstallState();
  findSimulatorFolders();
  RecoverInterruptedRuns();
  logDetection();
}

void RecoverInterruptedRuns() {
  bool recorded = false;
  for (const Simulator& simulator : Simulators()) {
    if (simulator.folder().isEmpty()) continue;
    const auto folder = platform::toHost(simulator.folder().toStdString());
    for (const std::string& flag : installrecord::recoverInterruptedRun(folder)) {
      platform::logNote("an interrupted installation had completed " + flag);
      WriteStateBool(QString::fromStdString(flag), true);
      recorded = true;
    }
  }
  if (recorded) readInstallState();
}

void WriteStateBool(const QString& Name, bool Value) {
  if (auto key = RegistryKey::open(ProductKey, false))
    key->writeInteger(Name.toStdString(), Value ? 1 : 0);
}

void WriteStateString(const QString& Name, const QString& Value) {
  if (auto key = RegistryKey::open(ProductKey, false))
    key->writeString(Name.toStdString(), Value.toStdString());
}

std::int64_t DiskFreeKB(const QString& Root) {
  const auto bytes = platform::freeBytes(Root.toStdString());
  return bytes ? static_cast<std::int64_t>(*bytes / 1024) : -1;
}

std::int64_t RequiredDiskKB(int Version) {
  const Simulator* simulator = simulatorFor(Version);
  if (!simulator) return 0;
  const bool* installed = InstallState.*simulator->aircraft;
  const bool* chosen = Session.AircraftChosen;
  std::int64_t kb = 0;
  for (int n = 0; n < 4; ++n)
    if (chosen[n] && !installed[n]) kb += kAircraftKB[n];
  for (const SharedAircraftFiles& pair : kSharedAircraftKB) {
    if ((chosen[pair.first] || chosen[pair.second]) && !installed[pair.first] &&
        !installed[pair.second])
      kb += pair.kb;
  }
  if (Session.TrainingChosen && !(InstallState.*simulator->training)) kb += kTrainingKB;
  if (Session.SceneryChosen && !(InstallState.*simulator->scenery)) kb += simulator->sceneryKB;
  return kb;
}

bool EnoughDiskSpace(int Version) {
  const Simulator* simulator = simulatorFor(Version);
  if (!simulator) return true;
  return RequiredDiskKB(Version) <= DiskFreeKB(simulator->folder().left(3));
}

bool SimFolderExists(int Version) {
  const Simulator* simulator = simulatorFor(Version);
  if (!simulator || platform::folderExists(simulator->folder().toStdString())) return true;
  ShowMessageForm(QString::fromUtf8(simulator->folderMissing), clWhite, false, QString(), true,
                  QStringLiteral("Abbruch"));
  return false;
}

void ExpectedFileCount() {
  std::int32_t count = 0;
  if (const Simulator* simulator = simulatorFor(SimVersion)) {
    for (int n = 0; n < 4; ++n)
      if (Session.AircraftChosen[n]) count += simulator->aircraftFiles[n];
    if (Session.SceneryChosen) count += simulator->sceneryFiles;
    if (Session.TrainingChosen) count += simulator->trainingFiles;
  }
  Session.ExpectedFiles = count;
}
