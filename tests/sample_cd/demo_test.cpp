// The demo prefix around the sample CD: drive D: shows the generated CD, each prefix's CD can be
// changed by its test alone, and the demo simulators' files take the product's registration.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "cd_fixture.h"
#include "demo_prefix.h"
#include "libs/worldvis/worldvis.h"
#include "platform/files.h"
#include "platform/prefix.h"

namespace {

namespace fs = std::filesystem;

// Every file under `root` (links followed) by its relative path, with its size.
std::map<std::string, std::uintmax_t> fileSizes(const fs::path& root) {
  std::map<std::string, std::uintmax_t> sizes;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file())
      sizes[entry.path().lexically_relative(root).string()] = entry.file_size();
  return sizes;
}

class DemoCd : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    std::string why;
    ASSERT_TRUE(demo::makeDemoPrefix(prefix(), &why)) << why;
  }
  fs::path root() const { return folder_.path().toStdString(); }
  fs::path prefix() const { return root() / "prefix"; }

 private:
  QTemporaryDir folder_;
};

TEST_F(DemoCd, DriveDShowsEveryFileOfTheGeneratedCd) {
  ASSERT_TRUE(platform::openPrefix(prefix()));
  for (const std::string& archive : cdtest::allArchives())
    EXPECT_TRUE(platform::fileExists("D:\\" + archive)) << archive;
  EXPECT_TRUE(platform::fileExists("D:\\UNINSTALL.EXE"));
  EXPECT_TRUE(platform::fileExists("D:\\UIRES\\GALERIA\\PREV\\SIM00.JPG"));
  EXPECT_EQ(fileSizes(demo::cdFolder(prefix())), fileSizes(cdtest::builtCd()));
}

TEST_F(DemoCd, RemovingAFileFromOnePrefixsCdLeavesTheGeneratedCdAndMakingItAgainRestoresIt) {
  const fs::path archive = demo::cdFolder(prefix()) / "FS2000" / "SOUND.RAR";
  ASSERT_TRUE(fs::remove(archive));
  EXPECT_TRUE(fs::is_regular_file(cdtest::builtCd() / "FS2000" / "SOUND.RAR"));
  std::string why;
  ASSERT_TRUE(demo::makeDemoPrefix(prefix(), &why)) << why;
  EXPECT_TRUE(fs::is_regular_file(archive));
}

TEST_F(DemoCd, APrefixWithoutAGeneratedCdIsRefusedWithWhereToLook) {
  const fs::path empty = root() / "no cd";
  fs::create_directories(empty);
  setenv("QTP_SAMPLE_CD", empty.c_str(), 1);
  std::string why;
  const bool made = demo::makeDemoPrefix(root() / "other", &why);
  unsetenv("QTP_SAMPLE_CD");
  EXPECT_FALSE(made);
  EXPECT_NE(why.find(empty.string()), std::string::npos) << why;
  EXPECT_NE(why.find("QTP_SAMPLE_CD"), std::string::npos) << why;
}

TEST_F(DemoCd, TheFs98WorldVisTakesTheScenerysRegistration) {
  const fs::path worldVis =
      prefix() / "drive_c/Program Files/Microsoft Games/FS98/Scenery/World.vis";
  ASSERT_EQ(WORLDVIS01(worldVis.c_str()), WORLDVIS_READY);
  WORLDVIS03("NORVANE Arizona Scenery",
             "C:\\Program Files\\Microsoft Games\\FS98\\NORVANE\\AZ\\*.BGL");
  WORLDVIS06();
  WORLDVIS07();
  const std::string text = cdtest::readFile(worldVis);
  EXPECT_NE(text.find("Title=Default Scenery\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Title=NORVANE Arizona Scenery\r\n"), std::string::npos) << text;
}

}  // namespace
