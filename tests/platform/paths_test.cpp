// Translation between Windows paths and host paths through the prefix's drive links.
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using testsupport::TempPrefix;

namespace {

class PathTranslation : public ::testing::Test {
 protected:
  void SetUp() override {
    c_ = fs::canonical(prefix_.driveC());
    fs::create_directories(c_ / "Flight Simulator" / "Scenery");
    TempPrefix::writeFile(c_ / "Flight Simulator" / "Fs2000.exe", "MZ");
  }
  TempPrefix prefix_;
  fs::path c_;
};

TEST_F(PathTranslation, MatchesExistingComponentsWithoutRegardToCase) {
  const fs::path exe = c_ / "Flight Simulator" / "Fs2000.exe";
  EXPECT_EQ(platform::toHost("C:\\Flight Simulator\\Fs2000.exe"), exe);
  EXPECT_EQ(platform::toHost("c:\\FLIGHT SIMULATOR\\FS2000.EXE"), exe);
  EXPECT_EQ(platform::toHost("C:/flight simulator/fs2000.exe"), exe);
  EXPECT_EQ(platform::toHost("C:\\Flight Simulator\\\\SCENERY\\"),
            c_ / "Flight Simulator" / "Scenery");
  EXPECT_EQ(platform::toHost("C:\\"), c_);
}

TEST_F(PathTranslation, PrefersTheExactSpellingAndIsStableAmongCaseTwins) {
  fs::create_directories(c_ / "abc");
  fs::create_directories(c_ / "ABC");
  EXPECT_EQ(platform::toHost("C:\\abc"), c_ / "abc");
  EXPECT_EQ(platform::toHost("C:\\ABC"), c_ / "ABC");
  EXPECT_EQ(platform::toHost("C:\\Abc"), c_ / "ABC");
  EXPECT_EQ(platform::toHost("C:\\aBC"), c_ / "ABC");
}

TEST_F(PathTranslation, MatchesNonAsciiNamesWithoutRegardToCase) {
  fs::create_directories(c_ / "Übungen");
  EXPECT_EQ(platform::toHost("C:\\übungen\\Neu"), c_ / "Übungen" / "Neu");
}

TEST_F(PathTranslation, KeepsMissingComponentsAsWritten) {
  EXPECT_EQ(platform::toHost("C:\\FLIGHT SIMULATOR\\Norvane\\QTP\\"),
            c_ / "Flight Simulator" / "Norvane" / "QTP");
}

TEST_F(PathTranslation, NeverClimbsAboveTheDriveRoot) {
  EXPECT_EQ(platform::toHost("C:\\..\\..\\etc\\passwd"), c_ / "etc" / "passwd");
  EXPECT_EQ(platform::toHost("C:\\Flight Simulator\\.\\..\\x"), c_ / "x");
}

TEST_F(PathTranslation, RelativePathsStartInTheCurrentFolder) {
  prefix_.enter(c_ / "Flight Simulator");
  EXPECT_EQ(platform::toHost("fs2000.exe"), c_ / "Flight Simulator" / "Fs2000.exe");
  EXPECT_EQ(platform::toHost("scenery\\World"), c_ / "Flight Simulator" / "Scenery" / "World");
  EXPECT_EQ(platform::toHost("..\\Windows"), c_ / "Windows");
  EXPECT_EQ(platform::toHost("\\Windows"), c_ / "Windows");
  EXPECT_EQ(platform::toHost("C:Scenery"), c_ / "Flight Simulator" / "Scenery");
  EXPECT_EQ(platform::currentFolder(), "C:\\Flight Simulator");
}

TEST_F(PathTranslation, UnmappedDrivesAndNetworkPathsHaveNoHostPath) {
  EXPECT_TRUE(platform::toHost("Q:\\anything").empty());
  EXPECT_TRUE(platform::toHost("\\\\server\\share\\file").empty());
  EXPECT_TRUE(platform::toHost("1:\\x").empty());
}

TEST_F(PathTranslation, HostPathsTurnBackByTheLongestMappedFolder) {
  const fs::path media = c_ / "media";
  fs::create_directories(media / "disc");
  fs::create_directory_symlink(media, prefix_.dir() / "dosdevices" / "m:");
  EXPECT_EQ(platform::toWindows(c_), "C:\\");
  EXPECT_EQ(platform::toWindows(c_ / "Flight Simulator" / "Fs2000.exe"),
            "C:\\Flight Simulator\\Fs2000.exe");
  EXPECT_EQ(platform::toWindows(media / "disc"), "M:\\disc");
  EXPECT_EQ(platform::toWindows(media), "M:\\");
  EXPECT_EQ(platform::toWindows(prefix_.dir() / "dosdevices" / "c:" / "x"), "C:\\x");
}

TEST_F(PathTranslation, UnmappedHostPathsBecomeZPaths) {
  fs::remove(prefix_.dir() / "dosdevices" / "z:");
  const fs::path outside = fs::canonical(prefix_.root());
  std::string expected = "Z:";
  for (const auto& part : outside.relative_path()) expected += "\\" + part.string();
  EXPECT_EQ(platform::toWindows(outside), expected);
}

TEST_F(PathTranslation, ToWindowsAndBackFindTheSameFile) {
  const fs::path e = fs::canonical(prefix_.addDrive('E'));
  TempPrefix::writeFile(e / "UIRES" / "QTP_FAQ.HTM", "<html/>");
  for (const fs::path& host :
       {c_ / "Flight Simulator" / "Fs2000.exe", e / "UIRES" / "QTP_FAQ.HTM", e / "UIRES"})
    EXPECT_EQ(platform::toHost(platform::toWindows(host)), host) << host;
  EXPECT_EQ(platform::toWindows(e / "UIRES"), "E:\\UIRES");
}

}  // namespace
