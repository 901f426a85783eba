#include "uninstaller/uninstall_run.h"

#include <sys/file.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "installer/record/install_record.h"
#include "platform/names.h"
#include "uninstaller/anchored_folder.h"
#include "uninstaller/logged_removal.h"
#include "uninstaller/product_flags.h"

namespace uninstall {

namespace fs = std::filesystem;
using installrecord::Record;

namespace {

// A log of every file of every component is a few megabytes.
constexpr std::size_t kMaxLogBytes = 256u << 20;

bool isSimulatorPath(const Record& record, const std::string& relative) {
  return record.place == installrecord::Place::Simulator &&
         platform::sameName(record.path, relative);
}

using PathKey = std::pair<installrecord::Place, std::string>;

bool isFileRecord(const Record& record) {
  return record.kind == installrecord::Kind::FileCreated ||
         record.kind == installrecord::Kind::FileReplaced ||
         record.kind == installrecord::Kind::DesktopEntry;
}

// A file the log names more than once (every aircraft brings the same gauge module) is the run's
// own when its first record created it, and as the run left it when it is what its last record
// wrote: one record that says both.
std::map<PathKey, Record> filesAsLeft(const installrecord::ParsedLog& log) {
  std::map<PathKey, Record> files;
  for (const installrecord::Block& block : log.blocks)
    for (const Record& record : block.records) {
      if (!isFileRecord(record)) continue;
      const auto [it, first] = files.try_emplace({record.place, record.path}, record);
      if (!first) it->second.identity = record.identity;
    }
  return files;
}

}  // namespace

Report uninstallProduct(const fs::path& simulatorFolder, const fs::path& prefixFolder,
                        bool dryRun) {
  Report report(dryRun);
  std::string why;
  const std::optional<AnchoredFolder> simulator = AnchoredFolder::open(simulatorFolder, &why);
  if (!simulator) {
    report.refuse("Der Simulatorordner " + simulatorFolder.string() +
                  " kann nicht geöffnet werden: " + why);
    return report;
  }
  const std::string logRelative =
      installrecord::logPath(simulatorFolder).lexically_relative(simulatorFolder).generic_string();
  const std::string productRelative = fs::path(logRelative).parent_path().generic_string();
  const std::string uninstallerRelative = productRelative + "/UNINSTALL.EXE";

  // The product folder's lock keeps a second uninstaller out while this one works.
  const platform::UniqueFd lock = simulator->openFolder(productRelative);
  if (lock.valid() && ::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
    report.refuse(
        "Eine andere Deinstallation in diesem Ordner läuft noch; bitte warten Sie, bis "
        "sie beendet ist.");
    return report;
  }
  // A journal belongs to an installation running now, or killed and not yet rolled back.
  if (simulator->look(logRelative + ".journal").kind != AnchoredFolder::Kind::Missing) {
    report.refuse(
        "Eine Installation läuft gerade oder wurde abgebrochen; starten Sie QTP, damit "
        "sie zurückgenommen wird, und deinstallieren Sie danach.");
    return report;
  }
  const std::optional<std::string> text =
      lock.valid() ? simulator->read(logRelative, kMaxLogBytes) : std::nullopt;
  if (!text) {
    report.refuse("Kein lesbares Installationsprotokoll " + logRelative + " in " +
                  simulatorFolder.string() + "; ohne Protokoll wird nichts entfernt.");
    return report;
  }
  const installrecord::ParsedLog log = installrecord::parseLog(*text);
  for (const installrecord::Untrusted& part : log.untrusted)
    report.refuse(logRelative + ", Zeile " + std::to_string(part.line) +
                  " wird nicht vertraut: " + part.reason);

  const std::optional<AnchoredFolder> prefix =
      prefixFolder.empty() ? std::nullopt : AnchoredFolder::open(prefixFolder, &why);
  LoggedRemoval removal(*simulator, prefix ? &*prefix : nullptr, report);
  const std::map<PathKey, Record> files = filesAsLeft(log);
  std::set<PathKey> undone;
  std::vector<const Record*> last;
  std::vector<std::string> components;
  for (auto block = log.blocks.rbegin(); block != log.blocks.rend(); ++block) {
    components.push_back(block->component);
    for (auto it = block->records.rbegin(); it != block->records.rend(); ++it) {
      const Record* record = &*it;
      if (isFileRecord(*record)) {
        if (!undone.insert({record->place, record->path}).second) continue;
        record = &files.at({record->place, record->path});
      }
      if (isSimulatorPath(*record, uninstallerRelative) ||
          isSimulatorPath(*record, productRelative))
        last.push_back(record);
      else
        removal.undo(*record);
    }
  }
  if (const Simulator* owner = simulatorOf(log, simulatorFolder))
    clearInstallFlags(*owner, log.untrusted.empty(), components, report);

  if (!log.untrusted.empty()) {
    report.left(logRelative, "bleibt mit dem Deinstallationsprogramm, bis alles entfernt ist");
    return report;
  }
  // The uninstaller before the log, the product folder after both.
  for (const Record* record : last)
    if (record->kind != installrecord::Kind::FolderCreated) removal.undo(*record);
  removal.removeUnlisted(logRelative, false);
  for (const Record* record : last)
    if (record->kind == installrecord::Kind::FolderCreated) removal.undo(*record);
  return report;
}

}  // namespace uninstall
