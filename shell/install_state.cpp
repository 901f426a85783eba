#include "shell/install_state.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "shell/message_form.h"

const char* const ProductKey = "SOFTWARE\\NORVANE\\QTP\\1.0";

namespace {

using platform::RegistryKey;

// Where Flight Simulator 98 may have left its folder, in the order they are consulted, with the
// number of trailing characters that follow the folder in the value.
struct Fs98Place {
  const char* key;
  const char* value;
  int cut;
};

constexpr Fs98Place kFs98Places[] = {
    {"SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\6.1", "Path", 0},
    {"Software\\Microsoft\\Games\\Flight Simulator\\6.0", "InstalledTo", 0},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Flight Simulator 98",
     "UninstallString", 24},
    {"Software\\CLASSES\\flight simulator", "defaulticon", 14},
};

constexpr const char* kFs2000Key = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0";

// KB each aircraft needs, and the KB of files two aircraft share, needed once for the pair.
constexpr std::int64_t kAircraftKB[4] = {14000, 7500, 16000, 16000};
struct SharedAircraftFiles {
  int first;
  int second;
  std::int64_t kb;
};
constexpr SharedAircraftFiles kSharedAircraftKB[] = {{0, 1, 4416}, {2, 3, 2323}};
constexpr std::int64_t kTrainingKB = 106321;

// Per simulator: KB of the scenery, and the archive members of each component.
struct SimulatorFigures {
  int version;
  std::int64_t sceneryKB;
  std::int32_t aircraftFiles[4];
  std::int32_t sceneryFiles;
  std::int32_t trainingFiles;
};

constexpr SimulatorFigures kSimulators[] = {
    {2000, 30720, {102, 98, 118, 85}, 4846, 1457},
    {98, 344064, {79, 75, 117, 93}, 4846, 1434},
};

const SimulatorFigures* figuresFor(int version) {
  for (const SimulatorFigures& figures : kSimulators)
    if (figures.version == version) return &figures;
  return nullptr;
}

// The installed flags of one simulator.
struct Installed {
  const bool* aircraft;
  bool scenery;
  bool training;
};

Installed installedFor(int version) {
  if (version == 2000) return {InstallState.AC2K, InstallState.SC2K, InstallState.QTP2K};
  return {InstallState.AC98, InstallState.SC98, InstallState.QTP98};
}

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
std::string aircraft2000Value(int n) {
  return "AC2K" + std::to_string(n);
}
std::string aircraft98Value(int n) {
  return "AC98" + std::to_string(n);
}

// The product key's values other than CDDrive with the defaults that DetectSimulators gives
// missing ones, in the order it creates them.
std::vector<platform::RegistryValue> productDefaults() {
  std::vector<platform::RegistryValue> values = {
      {"InstallDir", std::string()}, {"QTP2K", 0u}, {"QTP98", 0u}};
  for (int n = 0; n <= 18; ++n) values.push_back({lessonValue(n), 0u});
  for (int n = 1; n <= 4; ++n) {
    values.push_back({aircraft2000Value(n), 0u});
    values.push_back({aircraft98Value(n), 0u});
  }
  values.push_back({"SC2K", 0u});
  values.push_back({"SC98", 0u});
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
  InstallState.QTP2K = flag("QTP2K");
  InstallState.QTP98 = flag("QTP98");
  for (int n = 0; n <= 18; ++n) InstallState.Lesson[n] = flag(lessonValue(n));
  for (int n = 1; n <= 4; ++n) {
    InstallState.AC2K[n - 1] = flag(aircraft2000Value(n));
    InstallState.AC98[n - 1] = flag(aircraft98Value(n));
  }
  InstallState.SC2K = flag("SC2K");
  InstallState.SC98 = flag("SC98");
  InstallState.SCRes = text("SCRes").left(1);
}

// The folder a value names once its trailing characters are cut; nothing when the key does not
// open. A value no longer than the cut gives an empty folder.
std::optional<QString> folderFromRegistry(const char* keyPath, const char* value, int cut) {
  const auto key = RegistryKey::open(keyPath, false);
  if (!key) return std::nullopt;
  const QString text = QString::fromStdString(key->readString(value).value_or(""));
  return withBackslash(text.size() > cut ? text.left(text.size() - cut) : QString());
}

bool acceptableFs98(const QString& candidate) {
  return !candidate.isEmpty() && fileExists(candidate + "FLTSIM98.EXE") && candidate != FS2000Path;
}

void findSimulatorFolders() {
  if (auto folder = folderFromRegistry(kFs2000Key, "Path", 0)) FS2000Path = *folder;
  for (const Fs98Place& place : kFs98Places) {
    if (auto folder = folderFromRegistry(place.key, place.value, place.cut)) FS98Path = *folder;
    if (acceptableFs98(FS98Path)) break;
  }
  if (!fileExists(FS2000Path + "FS2000.EXE")) FS2000Path.clear();
  if (FS98Path == FS2000Path || !fileExists(FS98Path + "FLTSIM98.EXE")) FS98Path.clear();
}

}  // namespace

void DetectSimulators() {
  FS2000Path.clear();
  FS98Path.clear();
  readInstallState();
  findSimulatorFolders();
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
  const SimulatorFigures* figures = figuresFor(Version);
  if (!figures) return 0;
  const Installed installed = installedFor(Version);
  const bool* chosen = Session.AircraftChosen;
  std::int64_t kb = 0;
  for (int n = 0; n < 4; ++n)
    if (chosen[n] && !installed.aircraft[n]) kb += kAircraftKB[n];
  for (const SharedAircraftFiles& pair : kSharedAircraftKB) {
    if ((chosen[pair.first] || chosen[pair.second]) && !installed.aircraft[pair.first] &&
        !installed.aircraft[pair.second])
      kb += pair.kb;
  }
  if (Session.TrainingChosen && !installed.training) kb += kTrainingKB;
  if (Session.SceneryChosen && !installed.scenery) kb += figures->sceneryKB;
  return kb;
}

bool EnoughDiskSpace(int Version) {
  if (!figuresFor(Version)) return true;
  const QString root = (Version == 2000 ? FS2000Path : FS98Path).left(3);
  return RequiredDiskKB(Version) <= DiskFreeKB(root);
}

bool SimFolderExists(int Version) {
  const QString* folder = Version == 2000 ? &FS2000Path : Version == 98 ? &FS98Path : nullptr;
  if (!folder || platform::folderExists(folder->toStdString())) return true;
  ShowMessageForm(Version == 2000
                      ? QStringLiteral("Kann das FS2000 Verzeichnis nicht finden, breche ab!")
                      : QStringLiteral("Kann das FS98 Verzeichnis nicht finden, breche ab!"),
                  clWhite, false, QString(), true, QStringLiteral("Abbruch"));
  return false;
}

void ExpectedFileCount() {
  std::int32_t count = 0;
  if (const SimulatorFigures* figures = figuresFor(SimVersion)) {
    for (int n = 0; n < 4; ++n)
      if (Session.AircraftChosen[n]) count += figures->aircraftFiles[n];
    if (Session.SceneryChosen) count += figures->sceneryFiles;
    if (Session.TrainingChosen) count += figures->trainingFiles;
  }
  Session.ExpectedFiles = count;
}
