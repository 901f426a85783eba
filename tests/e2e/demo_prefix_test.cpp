// The demo prefix as the program finds it: both simulators detected where the registry points,
// the product CD in a CD-ROM drive D:, the simulators' files in their own formats.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "demo_prefix.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/prefix.h"
#include "shell/install_state.h"

namespace {

namespace fs = std::filesystem;

class DemoPrefix : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    std::string why;
    ASSERT_TRUE(demo::makeDemoPrefix(prefix(), &why)) << why;
    ASSERT_TRUE(platform::openPrefix(prefix()));
    ResetProgramState();
  }
  fs::path prefix() const { return fs::path(dir_.path().toStdString()) / "prefix"; }

  static std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

 private:
  QTemporaryDir dir_;
};

TEST_F(DemoPrefix, DetectionFindsBothSimulators) {
  DetectSimulators();
  EXPECT_EQ(FS2000Path.toStdString(), demo::kFs2000Folder);
  EXPECT_EQ(FS98Path.toStdString(), demo::kFs98Folder);
}

TEST_F(DemoPrefix, DriveDIsACdRomWithTheFaq) {
  EXPECT_EQ(platform::driveType(demo::kCdDrive), platform::DriveType::CdRom);
  EXPECT_EQ(platform::driveType("C:\\"), platform::DriveType::Fixed);
  EXPECT_TRUE(platform::fileExists("D:\\UIRES\\QTP_FAQ.HTM"));
  EXPECT_TRUE(platform::fileExists("d:\\uires\\qtp_faq.htm"));
  EXPECT_NE(read(demo::cdFolder(prefix()) / "UIRES" / "QTP_FAQ.HTM").find("<html"),
            std::string::npos);
}

TEST_F(DemoPrefix, SimulatorProgramsAreRunnableAndSceneryListUsesDosLines) {
  const fs::path fs2000 = prefix() / "drive_c/Program Files/Microsoft Games/FS2000";
  const auto perms = fs::status(fs2000 / "FS2000.EXE").permissions();
  EXPECT_NE(perms & fs::perms::owner_exec, fs::perms::none);
  const std::string cfg = read(fs2000 / "SCENERY.CFG");
  EXPECT_NE(cfg.find("[Area.004]\r\nTitle=Addon Scenery\r\n"), std::string::npos);
  EXPECT_EQ(cfg.find("\n\n"), std::string::npos) << "a bare LF line end";
  EXPECT_TRUE(fs::is_directory(fs2000 / "Gauges"));
  EXPECT_TRUE(fs::is_regular_file(prefix() /
                                  "drive_c/Program Files/Microsoft Games/FS98/Scenery/World.vis"));
}

TEST_F(DemoPrefix, MakingItAgainRestoresItsFilesAndKeepsTheProgramsOwn) {
  DetectSimulators();  // writes the product key into qtp.reg
  const fs::path ownRegistry = prefix() / "qtp.reg";
  ASSERT_TRUE(fs::exists(ownRegistry));
  const std::string before = read(ownRegistry);
  const fs::path exe = prefix() / "drive_c/Program Files/Microsoft Games/FS98/FLTSIM98.EXE";
  fs::remove(exe);
  std::string why;
  ASSERT_TRUE(demo::makeDemoPrefix(prefix(), &why)) << why;
  EXPECT_TRUE(fs::exists(exe));
  EXPECT_EQ(read(ownRegistry), before);
  EXPECT_EQ(fs::read_symlink(prefix() / "dosdevices/d:"), "../cdrom");
}

TEST(DemoPrefixErrors, AFolderThatCannotBeMadeIsReported) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const fs::path blocker = fs::path(dir.path().toStdString()) / "file";
  std::ofstream(blocker) << "not a folder";
  std::string why;
  EXPECT_FALSE(demo::makeDemoPrefix(blocker / "prefix", &why));
  EXPECT_FALSE(why.empty());
}

}  // namespace
