// libworldvis.so through its C interface: the result convention of WORLDVIS01, one entry per
// title, and a file that is replaced whole or left alone.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "libs/worldvis/worldvis.h"
#include "tests/support/refused_files.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using testsupport::TempPrefix;

namespace {

constexpr const char* kPattern = "C:\\FS98\\NORVANE\\AZ\\*.BGL";
constexpr const char* kTitle = "NORVANE Arizona Scenery";

const std::string kExisting =
    "; World.vis\r\n"
    "[Scenery]\r\n"
    "Title=Grand Canyon\r\n"
    "Files=C:\\FS98\\Scenery\\GC\\*.BGL\r\n"
    "Active=TRUE\r\n";

class WorldVis : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = prefix_.root() / "Scenery";
    fs::create_directories(folder_);
    file_ = folder_ / "World.vis";
  }
  void TearDown() override { WORLDVIS07(); }

  // One registration as the installer makes it.
  int Register(const char* title, const char* pattern = kPattern) {
    const int result = WORLDVIS01(file_.c_str());
    if (result > 0) return result;
    WORLDVIS03(title, pattern);
    WORLDVIS06();
    WORLDVIS07();
    return result;
  }

  std::string Text() const { return TempPrefix::readFile(file_); }

  // Nothing but World.vis in its folder: no temporary file left behind.
  void ExpectOnlyTheFile() const {
    int entries = 0;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      ++entries;
      EXPECT_EQ(entry.path().filename(), "World.vis");
    }
    EXPECT_EQ(entries, 1);
  }

  TempPrefix prefix_;
  fs::path folder_;
  fs::path file_;
};

}  // namespace

TEST_F(WorldVis, AppendsOneSceneryEntryWithTheFilesLineEnd) {
  TempPrefix::writeFile(file_, kExisting);
  ASSERT_EQ(Register(kTitle), WORLDVIS_READY);
  EXPECT_EQ(Text(), kExisting +
                        "\r\n[Scenery]\r\nTitle=NORVANE Arizona Scenery\r\n"
                        "Files=C:\\FS98\\NORVANE\\AZ\\*.BGL\r\nActive=TRUE\r\n");
  ExpectOnlyTheFile();
}

TEST_F(WorldVis, KeepsLfFilesInLfAndEndsAnOpenLastLine) {
  TempPrefix::writeFile(file_, "[Scenery]\nTitle=A\nFiles=a.bgl");
  ASSERT_EQ(Register("B", "b.bgl"), WORLDVIS_READY);
  EXPECT_EQ(Text(),
            "[Scenery]\nTitle=A\nFiles=a.bgl\n\n[Scenery]\nTitle=B\nFiles=b.bgl\nActive=TRUE\n");
}

TEST_F(WorldVis, StartsAnEmptyFileInCrLf) {
  TempPrefix::writeFile(file_, "");
  ASSERT_EQ(Register(kTitle, "x.bgl"), WORLDVIS_READY);
  EXPECT_EQ(Text(), "[Scenery]\r\nTitle=NORVANE Arizona Scenery\r\nFiles=x.bgl\r\nActive=TRUE\r\n");
}

TEST_F(WorldVis, NeverRegistersATitleTwice) {
  TempPrefix::writeFile(file_, kExisting);
  ASSERT_EQ(Register(kTitle), WORLDVIS_READY);
  const std::string once = Text();
  EXPECT_EQ(Register(kTitle), WORLDVIS_READY);
  EXPECT_EQ(Register("  norvane ARIZONA scenery "), WORLDVIS_READY);
  EXPECT_EQ(Register("Grand Canyon", "other.bgl"), WORLDVIS_READY);
  EXPECT_EQ(Text(), once);

  // Twice in one session: staged once.
  ASSERT_EQ(WORLDVIS01(file_.c_str()), WORLDVIS_READY);
  WORLDVIS03("Sedona", "s.bgl");
  WORLDVIS03("SEDONA", "s2.bgl");
  WORLDVIS06();
  WORLDVIS06();
  WORLDVIS07();
  const std::string text = Text();
  EXPECT_EQ(text.find("Title=Sedona"), text.rfind("Title=Sedona"));
  EXPECT_EQ(text.find("s2.bgl"), std::string::npos);
}

TEST_F(WorldVis, TitlesInOtherSectionsDoNotCount) {
  TempPrefix::writeFile(file_, "[Library]\r\nTitle=NORVANE Arizona Scenery\r\n");
  ASSERT_EQ(Register(kTitle), WORLDVIS_READY);
  EXPECT_NE(Text().find("[Scenery]\r\nTitle=NORVANE Arizona Scenery"), std::string::npos);
}

TEST_F(WorldVis, ReportsAboveZeroWhenNothingCanBeDone) {
  EXPECT_EQ(WORLDVIS01(nullptr), WORLDVIS_NO_PATH);
  EXPECT_EQ(WORLDVIS01(""), WORLDVIS_NO_PATH);
  EXPECT_EQ(WORLDVIS01(file_.c_str()), WORLDVIS_MISSING);
  EXPECT_EQ(WORLDVIS01(folder_.c_str()), WORLDVIS_UNREADABLE);
  EXPECT_FALSE(fs::exists(file_));

  TempPrefix::writeFile(file_, "not a scenery list\r\n");
  EXPECT_EQ(WORLDVIS01(file_.c_str()), WORLDVIS_NOT_WORLD_VIS);
  TempPrefix::writeFile(file_, "[Scenery]\r\nTitle=a\rb\r\n");
  EXPECT_EQ(WORLDVIS01(file_.c_str()), WORLDVIS_NOT_WORLD_VIS);
  TempPrefix::writeFile(file_, "[Scenery]\r\nTitle=x\r");  // a CR that ends no line
  EXPECT_EQ(WORLDVIS01(file_.c_str()), WORLDVIS_NOT_WORLD_VIS);
  TempPrefix::writeFile(file_, "Title=outside any section\r\n");
  EXPECT_EQ(WORLDVIS01(file_.c_str()), WORLDVIS_NOT_WORLD_VIS);
  const char withNul[] = "[Scenery]\r\nTitle=a\0b\r\n";
  TempPrefix::writeFile(file_, std::string(withNul, sizeof withNul - 1));
  EXPECT_EQ(WORLDVIS01(file_.c_str()), WORLDVIS_NOT_WORLD_VIS);

  TempPrefix::writeFile(file_, std::string(17u << 20, ';'));
  EXPECT_EQ(WORLDVIS01(file_.c_str()), WORLDVIS_UNREADABLE);
  fs::remove(file_);
  testsupport::forEachRefusedFile(file_, (16u << 20) + 1, [&](const std::string&) {
    EXPECT_EQ(WORLDVIS01(file_.c_str()), WORLDVIS_UNREADABLE);
  });
}

TEST_F(WorldVis, LeavesAReadOnlyFileAlone) {
  TempPrefix::writeFile(file_, kExisting);
  fs::permissions(file_, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(Register(kTitle), WORLDVIS_READ_ONLY);
  EXPECT_EQ(Text(), kExisting);
  EXPECT_EQ(fs::status(file_).permissions(), fs::perms::owner_read | fs::perms::group_read);
}

TEST_F(WorldVis, WaitsForNobodyWhileAnotherSessionHoldsTheFolder) {
  TempPrefix::writeFile(file_, kExisting);
  const int other = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(other, 0);
  ASSERT_EQ(::flock(other, LOCK_EX), 0);
  EXPECT_EQ(Register(kTitle), WORLDVIS_BUSY);
  ::close(other);
  EXPECT_EQ(Text(), kExisting);
  EXPECT_EQ(Register(kTitle), WORLDVIS_READY);
}

TEST_F(WorldVis, IgnoresCallsOutsideASessionAndUnusableValues) {
  TempPrefix::writeFile(file_, kExisting);
  WORLDVIS03(kTitle, kPattern);
  WORLDVIS06();
  EXPECT_EQ(Text(), kExisting);

  ASSERT_EQ(WORLDVIS01(file_.c_str()), WORLDVIS_READY);
  WORLDVIS03(nullptr, kPattern);
  WORLDVIS03(kTitle, nullptr);
  WORLDVIS03("   ", kPattern);
  WORLDVIS03(kTitle, "");
  WORLDVIS03("Two\r\nLines", kPattern);
  WORLDVIS03(kTitle, "a\nb");
  WORLDVIS06();
  WORLDVIS07();
  EXPECT_EQ(Text(), kExisting);

  // A session that is opened again drops what the earlier one staged.
  ASSERT_EQ(WORLDVIS01(file_.c_str()), WORLDVIS_READY);
  WORLDVIS03("Dropped", "d.bgl");
  ASSERT_EQ(WORLDVIS01(file_.c_str()), WORLDVIS_READY);
  WORLDVIS06();
  WORLDVIS07();
  EXPECT_EQ(Text(), kExisting);
}

TEST_F(WorldVis, ReplacesTheFileWholeKeepingItsModeAndLink) {
  const fs::path real = folder_ / "lists" / "world.txt";
  TempPrefix::writeFile(real, kExisting);
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
  fs::create_symlink(real, file_);
  struct stat before {};
  ASSERT_EQ(::stat(real.c_str(), &before), 0);

  ASSERT_EQ(Register(kTitle), WORLDVIS_READY);
  EXPECT_TRUE(fs::is_symlink(file_));
  struct stat after {};
  ASSERT_EQ(::stat(real.c_str(), &after), 0);
  EXPECT_NE(after.st_ino, before.st_ino) << "written in place instead of replaced";
  EXPECT_EQ(after.st_mode & 07777, 0604u);
  EXPECT_NE(TempPrefix::readFile(real).find("Title=NORVANE Arizona Scenery"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(real.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(WorldVis, KeepsEntriesStagedWhenTheFileCannotBeReplaced) {
  TempPrefix::writeFile(file_, kExisting);
  ASSERT_EQ(WORLDVIS01(file_.c_str()), WORLDVIS_READY);
  WORLDVIS03(kTitle, kPattern);
  fs::remove(file_);
  fs::create_directories(file_ / "in the way");
  WORLDVIS06();
  EXPECT_TRUE(fs::is_directory(file_ / "in the way"));
  fs::remove_all(file_);
  TempPrefix::writeFile(file_, kExisting);
  WORLDVIS06();
  WORLDVIS07();
  EXPECT_EQ(Text().substr(0, kExisting.size()), kExisting);
  EXPECT_NE(Text().find("Title=NORVANE Arizona Scenery"), std::string::npos);
  ExpectOnlyTheFile();
}

TEST_F(WorldVis, KeepsUnknownSectionsAndComments) {
  const std::string text =
      "\xEF\xBB\xBF"
      "# exported list\n[General]\nVersion=6.1\n\n[Scenery]\nTitle=Old\nFiles=o.bgl\nLayer=3\n";
  TempPrefix::writeFile(file_, text);
  ASSERT_EQ(Register("New", "n.bgl"), WORLDVIS_READY);
  EXPECT_EQ(Text().substr(0, text.size()), text);
  const std::string registered = Text();
  ASSERT_EQ(Register(" old ", "o2.bgl"), WORLDVIS_READY);
  EXPECT_EQ(Text(), registered);
}
