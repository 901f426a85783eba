// The CD's archives as the installation run meets them: every archive of its table for both
// simulators, each extracted through the real archive component with every check passing, and
// the members of each component adding up to the figures the run weighs its progress with.
#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <map>

#include "cd_fixture.h"
#include "cd_scripts.h"
#include "shell/install_state.h"

namespace {

namespace fs = std::filesystem;
using cdtest::Extraction;

std::string hostRelative(std::string archive) {
  for (char& c : archive)
    if (c == '\\') c = '/';
  return archive;
}

TEST(CdArchives, EveryArchiveOfTheRunLiesOnTheCdUnderItsName) {
  const auto archives = cdtest::allArchives();
  EXPECT_EQ(archives.size(), 32u);  // 2 shared, 16 for FS2000, 14 for FS98
  for (const std::string& archive : archives)
    EXPECT_TRUE(fs::is_regular_file(cdtest::builtCd() / hostRelative(archive))) << archive;
}

// Extracting every archive is the expensive part, so one test extracts each archive once, into
// its own folder, and then checks what the run and the simulator rely on.
class ExtractedCd : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    for (const std::string& archive : cdtest::allArchives())
      extractions_[archive] = cdtest::extract(cdtest::builtCd(), archive, target(archive));
  }

  fs::path target(const std::string& archive) const {
    std::string name = archive;
    for (char& c : name)
      if (c == '\\') c = '_';
    return fs::path(folder_.path().toStdString()) / name;
  }

  int members(const cdtest::Component& component) const {
    int sum = 0;
    for (const std::string& archive : component.archives) sum += extractions_.at(archive).members;
    return sum;
  }

  // The installer's own figure for installing one component alone.
  static int expectedFiles(const cdtest::Component& component) {
    ResetProgramState();
    SimVersion = component.simulator;
    if (component.name == "training") Session.TrainingChosen = true;
    if (component.name.starts_with("scenery")) Session.SceneryChosen = true;
    if (component.name.starts_with("aircraft"))
      Session.AircraftChosen[component.name.back() - '1'] = true;
    ExpectedFileCount();
    return Session.ExpectedFiles;
  }

  void everyArchiveExtractedCleanly() const {
    for (const auto& [archive, result] : extractions_) {
      EXPECT_TRUE(result.result) << archive;
      EXPECT_GT(result.members, 0) << archive;
      EXPECT_EQ(result.failedMembers, 0) << archive;
      EXPECT_TRUE(result.errors.empty()) << archive << " reported error " << result.errors.front();
    }
  }

  void everyComponentYieldsTheExpectedMembers() const {
    for (const cdtest::Component& component : cdtest::runComponents()) {
      const int expected = expectedFiles(component);
      EXPECT_GT(expected, 0) << component.name;
      EXPECT_EQ(members(component), expected) << component.name << " for " << component.simulator;
      // The needle's heading after the last member, as the run computes it, before the jump to
      // 335 on completion.
      const int heading = static_cast<int>(330.0 * members(component) / expected);
      EXPECT_GE(heading, 325) << component.name;
      EXPECT_LE(heading, 330) << component.name;
    }
  }

  void everyFs2000SceneryHoldsAllThreeElevationFiles() const {
    for (const char* archive :
         {"FS2000\\NORVANE0.RAR", "FS2000\\NORVANE1.RAR", "FS2000\\NORVANE2.RAR"}) {
      const fs::path scenery = target(archive) / "Norvane" / "AZ" / "Scenery";
      for (const char* file : {"az2k100mdem.bgl", "az2k200mdem.bgl", "az2k300mdem.bgl"})
        EXPECT_TRUE(fs::is_regular_file(scenery / file)) << archive << " " << file;
    }
  }

  void fs98SceneryLiesWhereItsWorldVisEntryPoints() const {
    int bgl = 0;
    for (const auto& entry : fs::directory_iterator(target("FS98\\NORVANE.RAR") / "NORVANE/AZ"))
      if (entry.is_regular_file() && entry.path().extension() == ".BGL") ++bgl;
    EXPECT_GT(bgl, 0);
  }

  // With the Windows build, NOR_NV36.gau is its DLL and the Linux object lies beside it.
  void everyGaugeArchiveHoldsTheBuiltModule() const {
    const std::string built = cdtest::readFile(NOR_NV36_PATH);
    const std::string windows = *WIN32_NOR_NV36_PATH ? cdtest::readFile(WIN32_NOR_NV36_PATH) : "";
    ASSERT_FALSE(built.empty());
    for (const char* v : {"FS2000\\", "FS98\\"}) {
      for (int n = 1; n <= 4; ++n) {
        const std::string archive = std::string(v) + "GAUGES" + std::to_string(n) + ".rar";
        const fs::path gauges = target(archive) / "Gauges";
        EXPECT_TRUE(cdtest::readFile(gauges / "NOR_NV36.gau") ==
                    (windows.empty() ? built : windows))
            << archive;
        const fs::path linuxObject = gauges / "NOR_NV36.so";
        EXPECT_TRUE((fs::exists(linuxObject) ? cdtest::readFile(linuxObject) : "") ==
                    (windows.empty() ? "" : built))
            << archive;
      }
    }
  }

  void everyAircraftHasItsConfigurationAndAPanel() const {
    for (const char* v : {"FS2000\\", "FS98\\"}) {
      for (int n = 1; n <= 4; ++n) {
        const std::string archive = std::string(v) + "Aircraft" + std::to_string(n) + ".rar";
        int aircraftFolders = 0;
        for (const auto& plane : fs::directory_iterator(target(archive) / "Aircraft")) {
          ++aircraftFolders;
          EXPECT_TRUE(fs::is_regular_file(plane.path() / "aircraft.cfg")) << archive;
          EXPECT_NE(cdtest::readFile(plane.path() / "panel" / "panel.cfg").find("NOR_NV36!ALT"),
                    std::string::npos)
              << archive;
        }
        EXPECT_EQ(aircraftFolders, 1) << archive;
      }
    }
  }

  // What the uninstaller would look for must cover every file put into a simulator's folder.
  void theUninstallersListCoversTheSimulatorsFiles() const {
    for (const auto& [archive, result] : extractions_) {
      if (archive == "QTP.RAR") continue;  // goes into the target folder, not the simulator's
      const fs::path root = target(archive);
      for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        const QString path = QString::fromStdString(fs::relative(entry.path(), root).string());
        bool covered = false;
        for (const char* product : samplecd::productEntries()) {
          const QString listed = QString::fromUtf8(product);
          covered = covered || path.compare(listed, Qt::CaseInsensitive) == 0 ||
                    path.startsWith(listed + "/", Qt::CaseInsensitive);
        }
        EXPECT_TRUE(covered) << archive << ": " << path.toStdString();
      }
    }
  }

 private:
  QTemporaryDir folder_;
  std::map<std::string, Extraction> extractions_;
};

TEST_F(ExtractedCd, HoldsWhatTheRunTheSimulatorAndTheUninstallerRelyOn) {
  everyArchiveExtractedCleanly();
  everyComponentYieldsTheExpectedMembers();
  everyFs2000SceneryHoldsAllThreeElevationFiles();
  fs98SceneryLiesWhereItsWorldVisEntryPoints();
  everyGaugeArchiveHoldsTheBuiltModule();
  everyAircraftHasItsConfigurationAndAPanel();
  theUninstallersListCoversTheSimulatorsFiles();
}

}  // namespace
