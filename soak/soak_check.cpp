// Whether registry, files and install log agree after a run: every install flag has its sealed
// block and every block its flag, every logged file is as logged, every scenery entry is in its
// file, nothing of a journal or of the archive library is left, and drive C: holds nothing that
// was not there before and is not logged.
#include <iostream>
#include <map>
#include <set>

#include "installer/record/run_journal.h"
#include "platform/paths.h"
#include "platform/prefix.h"
#include "platform/text_file.h"
#include "shell/install_state.h"
#include "shell/simulators.h"
#include "soak/soak_folder.h"
#include "soak/soak_run.h"

namespace soak {

namespace fs = std::filesystem;
namespace ir = installrecord;

namespace {

class Disagreements {
 public:
  void add(const std::string& what) {
    std::cerr << "disagreement: " << what << "\n";
    ++count_;
  }
  int count() const { return count_; }

 private:
  int count_ = 0;
};

std::string Text(const fs::path& file) {
  return textfile::readRegularFile(file, std::size_t{64} << 20).bytes;
}

// The flags of the simulator with whether the product key holds them.
std::map<std::string, bool> Flags(const Simulator& simulator) {
  std::map<std::string, bool> flags{{simulator.trainingFlag, InstallState.*simulator.training},
                                    {simulator.sceneryFlag, InstallState.*simulator.scenery}};
  for (int n = 1; n <= 4; ++n)
    flags[simulator.aircraftName(n).toStdString()] = (InstallState.*simulator.aircraft)[n - 1];
  return flags;
}

// Checks the simulator's log against flags and disk; returns the paths it accounts for.
std::set<fs::path> CheckSimulator(const Simulator& simulator, Disagreements& found) {
  const fs::path folder = platform::toHost(simulator.folder().toStdString());
  const fs::path prefix = platform::currentPrefixDir();
  const fs::path log = ir::logPath(folder);
  std::set<fs::path> logged{log};
  if (fs::exists(ir::journalPath(folder))) found.add("a journal is left in " + folder.string());
  const ir::LogRead read = ir::readLog(log);
  if (!read.error.empty()) found.add(read.error);
  for (const ir::Untrusted& bad : read.log.untrusted)
    found.add(log.string() + " line " + std::to_string(bad.line) + ": " + bad.reason);
  std::map<std::string, int> blocks;
  std::map<fs::path, const ir::Record*> latest;
  for (const ir::Block& block : read.log.blocks) {
    ++blocks[block.component];
    for (const ir::Record& record : block.records) {
      const fs::path path = ir::hostPath(folder, prefix, record);
      logged.insert(path);
      if (record.kind == ir::Kind::SceneryArea && Text(path).find(record.text) == std::string::npos)
        found.add("the area is not in " + path.string());
      if (record.kind == ir::Kind::WorldVisEntry &&
          Text(path).find("Title=" + record.text) == std::string::npos)
        found.add(record.text + " is not in " + path.string());
      if (record.kind == ir::Kind::FolderCreated && !fs::is_directory(path))
        found.add("the logged folder " + path.string() + " is gone");
      if (record.kind == ir::Kind::FileCreated || record.kind == ir::Kind::FileReplaced ||
          record.kind == ir::Kind::DesktopEntry)
        latest[path] = &record;
    }
  }
  for (const auto& [path, record] : latest)
    if (ir::identityOf(path) != std::optional(record->identity))
      found.add(path.string() + " is not as logged");
  for (const auto& [flag, installed] : Flags(simulator)) {
    if (installed != (blocks[flag] == 1))
      found.add(flag + (installed ? " is recorded without its block"
                                  : " has a block but is not recorded"));
  }
  return logged;
}

}  // namespace

int checkAgreement(const fs::path& folder, const fs::path& sampleCd) {
  if (!OpenSoakFolder(folder, sampleCd)) return 1;
  Disagreements found;
  std::set<fs::path> accounted;
  for (const Simulator& simulator : Simulators())
    if (!simulator.folder().isEmpty()) accounted.merge(CheckSimulator(simulator, found));
  const std::set<fs::path> initial = InitialTree(folder);
  const fs::path drive = DriveC(folder);
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(drive)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(".unrar-", 0) == 0) found.add("unfinished member " + entry.path().string());
    if (!initial.count(entry.path().lexically_relative(drive)) && !accounted.count(entry.path()))
      found.add("not logged: " + entry.path().string());
  }
  return found.count() == 0 ? 0 : 1;
}

}  // namespace soak
