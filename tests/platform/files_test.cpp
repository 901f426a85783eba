// File operations by Windows path.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using testsupport::TempPrefix;

namespace {

class Files : public ::testing::Test {
 protected:
  TempPrefix prefix_;
  fs::path c_ = prefix_.driveC();
};

TEST_F(Files, ExistenceTellsFilesFromFolders) {
  TempPrefix::writeFile(c_ / "FS2000" / "FS2000.EXE", "MZ");
  EXPECT_TRUE(platform::fileExists("C:\\fs2000\\fs2000.exe"));
  EXPECT_FALSE(platform::fileExists("C:\\FS2000"));
  EXPECT_FALSE(platform::fileExists("C:\\FS2000\\"));
  EXPECT_TRUE(platform::folderExists("C:\\FS2000\\"));
  EXPECT_FALSE(platform::folderExists("C:\\FS2000\\FS2000.EXE"));
  EXPECT_FALSE(platform::fileExists(""));
  EXPECT_FALSE(platform::folderExists(""));
  EXPECT_FALSE(platform::fileExists("Q:\\FS2000.EXE"));
}

TEST_F(Files, ForceFoldersMakesParentsAndReusesFoldersSpelledOtherwise) {
  fs::create_directories(c_ / "NORVANE");
  EXPECT_TRUE(platform::forceFolders("C:\\norvane\\QTP\\Lessons\\"));
  EXPECT_TRUE(fs::is_directory(c_ / "NORVANE" / "QTP" / "Lessons"));
  EXPECT_FALSE(fs::exists(c_ / "norvane"));
  EXPECT_TRUE(platform::forceFolders("C:\\NORVANE\\qtp"));
  EXPECT_FALSE(platform::forceFolders("Q:\\NORVANE"));
  EXPECT_FALSE(platform::forceFolders(""));
  TempPrefix::writeFile(c_ / "plain", "x");
  EXPECT_FALSE(platform::forceFolders("C:\\plain\\sub"));
}

TEST_F(Files, CopyReplacesUnlessToldNotTo) {
  const fs::path cd = prefix_.addDrive('E');
  TempPrefix::writeFile(cd / "UNINSTALL.EXE", "new");
  TempPrefix::writeFile(c_ / "FS" / "NORVANE" / "UNINSTALL.EXE", "old");
  EXPECT_FALSE(platform::copyFile("E:\\UNINSTALL.EXE", "C:\\FS\\Norvane\\Uninstall.exe", true));
  EXPECT_EQ(TempPrefix::readFile(c_ / "FS" / "NORVANE" / "UNINSTALL.EXE"), "old");
  EXPECT_TRUE(platform::copyFile("E:\\UNINSTALL.EXE", "C:\\FS\\Norvane\\Uninstall.exe"));
  EXPECT_EQ(TempPrefix::readFile(c_ / "FS" / "NORVANE" / "UNINSTALL.EXE"), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator(c_ / "FS" / "NORVANE"), fs::directory_iterator()),
            1);
}

TEST_F(Files, FailedCopiesLeaveNothingBehind) {
  fs::create_directories(c_ / "target");
  EXPECT_FALSE(platform::copyFile("C:\\missing.exe", "C:\\target\\copy.exe"));
  EXPECT_FALSE(platform::copyFile("C:\\target", "C:\\target\\copy.exe"));
  TempPrefix::writeFile(c_ / "source.txt", "x");
  EXPECT_FALSE(platform::copyFile("C:\\source.txt", "C:\\target"));
  EXPECT_FALSE(platform::copyFile("C:\\source.txt", "C:\\no\\such\\folder\\copy.txt"));
  EXPECT_TRUE(fs::is_empty(c_ / "target"));
  EXPECT_FALSE(fs::exists(c_ / "no"));
}

TEST_F(Files, DeleteRemovesFilesOnly) {
  TempPrefix::writeFile(c_ / "Old.txt", "x");
  fs::create_directories(c_ / "Folder");
  EXPECT_TRUE(platform::deleteFile("C:\\OLD.TXT"));
  EXPECT_FALSE(fs::exists(c_ / "Old.txt"));
  EXPECT_FALSE(platform::deleteFile("C:\\OLD.TXT"));
  EXPECT_FALSE(platform::deleteFile("C:\\Folder"));
  EXPECT_TRUE(fs::is_directory(c_ / "Folder"));
}

TEST_F(Files, ListFolderGivesSortedNamesWithKinds) {
  TempPrefix::writeFile(c_ / "Scenery" / "b.bgl", "x");
  TempPrefix::writeFile(c_ / "Scenery" / "a.bgl", "x");
  fs::create_directories(c_ / "Scenery" / "Texture");
  const auto entries = platform::listFolder("C:\\SCENERY\\");
  ASSERT_TRUE(entries.has_value());
  ASSERT_EQ(entries->size(), 3u);
  EXPECT_EQ((*entries)[0].name, "Texture");
  EXPECT_TRUE((*entries)[0].isFolder);
  EXPECT_EQ((*entries)[1].name, "a.bgl");
  EXPECT_FALSE((*entries)[1].isFolder);
  EXPECT_EQ((*entries)[2].name, "b.bgl");
  EXPECT_FALSE(platform::listFolder("C:\\Nothing").has_value());
  EXPECT_FALSE(platform::listFolder("C:\\Scenery\\a.bgl").has_value());
}

TEST_F(Files, FileSizeOfFilesOnly) {
  TempPrefix::writeFile(c_ / "five.bin", "12345");
  EXPECT_EQ(platform::fileSize("C:\\FIVE.BIN"), 5u);
  EXPECT_FALSE(platform::fileSize("C:\\").has_value());
  EXPECT_FALSE(platform::fileSize("C:\\none").has_value());
}

}  // namespace
