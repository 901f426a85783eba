#include "installer/scenery_registration.h"

#include <array>
#include <filesystem>

#include "installer/run_record.h"
#include "installer/scenery_cfg.h"
#include "libs/worldvis/worldvis.h"
#include "platform/durable_file.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/program_log.h"
#include "platform/text_file.h"
#include "shell/install_state.h"
#include "shell/message_form.h"

namespace fs = std::filesystem;

namespace {

struct ElevationChoice {
  const char* code;
  const char* kept;
  std::array<const char*, 2> removed;
};

constexpr ElevationChoice kElevationFiles[] = {
    {"0", "az2k300mdem.bgl", {"az2k100mdem.bgl", "az2k200mdem.bgl"}},
    {"1", "az2k200mdem.bgl", {"az2k100mdem.bgl", "az2k300mdem.bgl"}},
    {"2", "az2k100mdem.bgl", {"az2k200mdem.bgl", "az2k300mdem.bgl"}},
};

// A SCENERY.CFG of a few thousand areas is well below a megabyte; anything far larger is not one.
constexpr std::size_t kMaxSceneryCfgBytes = 32u << 20;

void ClearReadOnly(const fs::path& file) {
  std::error_code ec;
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
}

// True when the area is registered afterwards (or was already).
bool AppendAreaEntry(const fs::path& file) {
  const textfile::FileRead read = textfile::readRegularFile(file, kMaxSceneryCfgBytes);
  if (!read.ok()) return false;
  const std::string& text = read.bytes;
  const scenerycfg::Scan scan = scenerycfg::scan(text);
  if (scan.outcome == scenerycfg::Scan::Outcome::Registered) return true;
  if (scan.outcome != scenerycfg::Scan::Outcome::Append || !platform::mayReplace(file))
    return false;
  // The list and its backup are kept aside until the scenery is complete.
  const std::vector<fs::path> backups = platform::backupFilesOf(file);
  if (!runrecord::willWrite(file)) return false;
  for (const fs::path& backup : backups)
    if (!runrecord::willWrite(backup)) return false;
  const std::string entry = scenerycfg::areaEntry(scan.next, scan.lineEnd);
  if (!platform::writeFileDurably(file, text + entry, {.backup = true, .followLink = true}))
    return false;
  for (const fs::path& backup : backups) runrecord::wrote(backup);
  runrecord::addEntry(installrecord::Kind::SceneryArea, file, entry);
  return true;
}

// A scenery that is not registered is not installed: the user must see why.
void Failure(const char* text) {
  ShowMessageForm(QString::fromUtf8(text), clRed, true, QStringLiteral("OK"), false, QString());
}

}  // namespace

void RemoveUnusedElevation() {
  if (FS2000Path.isEmpty()) return;
  const QString folder = FS2000Path + QStringLiteral("Norvane\\AZ\\Scenery\\");
  for (const ElevationChoice& choice : kElevationFiles) {
    if (Session.SceneryRes != QLatin1String(choice.code)) continue;
    for (const char* name : choice.removed) {
      const std::string file = (folder + QLatin1String(name)).toStdString();
      if (!platform::fileExists(file) || !runrecord::willWrite(platform::toHost(file))) continue;
      ClearReadOnly(platform::toHost(file));
      platform::deleteFile(file);
    }
  }
}

bool RegisterSceneryCfg() {
  const QString file = FS2000Path + QStringLiteral("SCENERY.CFG");
  if (FS2000Path.isEmpty() || !platform::fileExists(file.toStdString())) {
    platform::logReport("the scenery is not registered: " + file.toStdString() + " is missing");
    Failure("CFG-Datei nicht gefunden, Szenery kann nicht registriert werden!");
    return false;
  }
  if (!AppendAreaEntry(platform::toHost(file.toStdString()))) {
    platform::logReport("the scenery is not registered: " + file.toStdString() +
                        " cannot be read or changed");
    Failure("Fehler bei der Szenerieregistrierung!");
    return false;
  }
  return true;
}

bool RegisterWorldVis(const QString& worldVisPath, const QString& title, const QString& pattern) {
  const fs::path file = platform::toHost(worldVisPath.toStdString());
  if (WORLDVIS01(file.c_str()) > 0) return false;
  const auto before = installrecord::identityOf(file);
  if (!runrecord::willWrite(file)) {
    WORLDVIS07();
    return false;
  }
  WORLDVIS03(title.toStdString().c_str(), pattern.toStdString().c_str());
  WORLDVIS06();
  WORLDVIS07();
  // A title the file held already was not added by this run.
  if (installrecord::identityOf(file) != before)
    runrecord::addEntry(installrecord::Kind::WorldVisEntry, file, title.toStdString(),
                        pattern.toStdString());
  return true;
}

bool RegisterFS98Scenery() {
  if (FS98Path.isEmpty()) return false;
  const QString worldVis = FS98Path + QStringLiteral("Scenery\\World.vis");
  if (RegisterWorldVis(worldVis, QStringLiteral("NORVANE Arizona Scenery"),
                       FS98Path + QStringLiteral("NORVANE\\AZ\\*.BGL")))
    return true;
  platform::logReport("the scenery is not registered: " + worldVis.toStdString() +
                      " cannot be read or changed");
  Failure("Die Szenerie konnte nicht in World.vis eingetragen werden!");
  return false;
}
