#include "soak/soak_folder.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "content/demo/demo_prefix.h"
#include "platform/paths.h"
#include "platform/prefix.h"
#include "shell/install_state.h"
#include "shell/simulators.h"

namespace soak {

namespace fs = std::filesystem;

namespace {

bool MakeFolder(const fs::path& folder, const fs::path& sampleCd) {
  std::string why;
  if (!demo::makeDemoPrefix(folder / "prefix", &why)) {
    std::cerr << "cannot make the demo prefix: " << why << "\n";
    return false;
  }
  // Folders of links, so that a run's fault replaces a link and never the build's CD.
  fs::create_directories(folder / "cd");
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(sampleCd)) {
    const fs::path copy = folder / "cd" / entry.path().lexically_relative(sampleCd);
    if (entry.is_directory())
      fs::create_directories(copy);
    else
      fs::create_symlink(entry.path(), copy);
  }
  const fs::path drive = folder / "prefix" / "dosdevices" / "d:";
  fs::remove(drive);
  fs::create_symlink(folder / "cd", drive);
  fs::create_directories(folder / "home" / "Desktop");
  return true;
}

void WriteInitialTree(const fs::path& folder) {
  std::ofstream out(folder / "initial-tree");
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(DriveC(folder)))
    out << entry.path().lexically_relative(DriveC(folder)).string() << '\n';
}

}  // namespace

fs::path DriveC(const fs::path& folder) {
  return folder / "prefix" / "drive_c";
}

bool OpenSoakFolder(const fs::path& folder, const fs::path& sampleCd) {
  const bool fresh = !fs::exists(folder / "prefix");
  if (fresh && !MakeFolder(folder, sampleCd)) return false;
  ::setenv("HOME", (folder / "home").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (folder / "home" / "data").c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (folder / "home" / "config").c_str(), 1);
  if (!platform::openPrefix(folder / "prefix")) return false;
  DetectSimulators();
  InstallState.CDDrive = QString::fromLatin1(demo::kCdDrive);
  WriteStateString(QStringLiteral("CDDrive"), InstallState.CDDrive);
  if (!fresh) return true;
  // The target folders as the options dialog leaves them: made before the run.
  for (const Simulator& simulator : Simulators())
    fs::create_directories(
        platform::toHost((simulator.folder() + QStringLiteral("NORVANE\\QTP\\")).toStdString()));
  WriteInitialTree(folder);
  return true;
}

std::set<fs::path> InitialTree(const fs::path& folder) {
  std::set<fs::path> tree;
  std::ifstream in(folder / "initial-tree");
  for (std::string line; std::getline(in, line);) tree.insert(line);
  return tree;
}

}  // namespace soak
