// Drive letters, drive types and free space of a prefix.
#include <gtest/gtest.h>
#include <sys/statvfs.h>

#include <algorithm>

#include "platform/drives.h"
#include "platform/paths.h"
#include "platform/volume_label.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using platform::DriveType;
using testsupport::DriveKind;
using testsupport::TempPrefix;

namespace {

std::string letters() {
  std::string result;
  for (const auto& drive : platform::drives()) result += drive.letter;
  return result;
}

class Drives : public ::testing::Test {
 protected:
  void TearDown() override { platform::setMountTableFile({}); }
  TempPrefix prefix_;
};

TEST_F(Drives, NewPrefixHasCAndZ) {
  EXPECT_EQ(letters(), "CZ");
  EXPECT_EQ(platform::driveType("C:\\"), DriveType::Fixed);
  EXPECT_EQ(platform::driveType("z:"), DriveType::Fixed);
  EXPECT_TRUE(fs::is_symlink(prefix_.dir() / "dosdevices" / "c:"));
}

TEST_F(Drives, DanglingLinksAreNoDrives) {
  fs::create_directory_symlink(prefix_.root() / "gone", prefix_.dir() / "dosdevices" / "f:");
  prefix_.addDrive('E');
  EXPECT_EQ(letters(), "CEZ");
  EXPECT_EQ(platform::driveType("F:\\"), DriveType::NoRoot);
  EXPECT_TRUE(platform::toHost("F:\\x").empty());
}

TEST_F(Drives, DeviceLinkOrWineDriveTypeMakesACdRom) {
  prefix_.addDrive('E', DriveKind::CdRomDevice);
  prefix_.addDrive('G', DriveKind::CdRomRegistry);
  prefix_.addDrive('H');
  EXPECT_EQ(platform::driveType("E:\\"), DriveType::CdRom);
  EXPECT_EQ(platform::driveType("e:"), DriveType::CdRom);
  EXPECT_EQ(platform::driveType("G:\\"), DriveType::CdRom);
  EXPECT_EQ(platform::driveType("H:\\"), DriveType::Fixed);
}

TEST_F(Drives, OtherWineDriveTypesStayFixed) {
  prefix_.addDrive('H');
  prefix_.writeSystemReg("[Software\\\\Wine\\\\Drives] 1\n\"h:\"=\"hd\"\n\"c:\"=\"floppy\"\n");
  EXPECT_EQ(platform::driveType("H:\\"), DriveType::Fixed);
  EXPECT_EQ(platform::driveType("C:\\"), DriveType::Fixed);
}

TEST_F(Drives, RootsThatNameNoDrive) {
  for (const char* root : {"", "C", "1:\\", "CC:\\", "Q:\\", "\\\\server\\"})
    EXPECT_EQ(platform::driveType(root), DriveType::NoRoot) << root;
}

TEST_F(Drives, UnmappedOpticalMediaTakeTheFirstFreeLettersFromD) {
  const fs::path disc = prefix_.root() / "media" / "QTP CD";
  const fs::path dvd = prefix_.root() / "media" / "dvd";
  const fs::path mapped = prefix_.addDrive('E');
  prefix_.addDrive('D');
  fs::create_directories(disc);
  fs::create_directories(dvd);
  TempPrefix::writeFile(disc / "SETUP.TXT", "x");
  const fs::path table = prefix_.root() / "mounts";
  TempPrefix::writeFile(table,
                        "/dev/vda / ext4 rw 0 0\n"
                        "/dev/sr0 " +
                            mapped.string() +
                            " iso9660 ro 0 0\n"
                            "/dev/sr1 " +
                            prefix_.root().string() +
                            "/media/QTP\\040CD iso9660 ro 0 0\n"
                            "/dev/sr2 " +
                            dvd.string() +
                            " udf ro 0 0\n"
                            "garbage\n");
  platform::setMountTableFile(table);
  EXPECT_EQ(letters(), "CDEFGZ");
  EXPECT_EQ(platform::driveType("D:\\"), DriveType::Fixed);
  EXPECT_EQ(platform::driveType("F:\\"), DriveType::CdRom);
  EXPECT_EQ(platform::driveType("G:\\"), DriveType::CdRom);
  EXPECT_EQ(platform::toHost("f:\\setup.txt"), fs::canonical(disc / "SETUP.TXT"));
  EXPECT_EQ(platform::toWindows(dvd), "G:\\");
}

TEST_F(Drives, FreeSpaceIsWhatStatvfsGivesTheUser) {
  auto available = [this] {
    struct statvfs info {};
    EXPECT_EQ(::statvfs(prefix_.driveC().c_str(), &info), 0);
    return static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
  };
  const std::uint64_t before = available();
  const auto measured = platform::freeBytes("C:\\");
  const std::uint64_t after = available();
  ASSERT_TRUE(measured.has_value());
  const std::uint64_t slack = 64ull << 20;  // other programs write meanwhile
  EXPECT_GE(*measured + slack, std::min(before, after));
  EXPECT_LE(*measured, std::max(before, after) + slack);
}

TEST_F(Drives, FreeSpaceOfAMissingFolderIsThatOfItsNearestAncestor) {
  fs::create_directory_symlink("/proc", prefix_.dir() / "dosdevices" / "p:");
  EXPECT_EQ(platform::freeBytes("P:\\"), 0u);
  EXPECT_EQ(platform::freeBytes("P:\\no\\such\\folder"), 0u);
  EXPECT_TRUE(platform::freeBytes("C:\\not\\made\\yet").has_value());
  EXPECT_FALSE(platform::freeBytes("Q:\\").has_value());
}

TEST_F(Drives, LabelsComeFromTheMountedMediumElseFromWinesLabelFile) {
  const fs::path fixed = prefix_.addDrive('D');
  TempPrefix::writeFile(fixed / ".windows-label", "Daten Disk  \n");
  const fs::path disc = prefix_.addDrive('E', DriveKind::CdRomDevice);
  TempPrefix::writeFile(disc / ".windows-label", "not the medium's");
  // An image with an ISO 9660 primary volume descriptor, mounted where drive E: points.
  std::string image(17 * 2048, '\0');
  image.replace(16 * 2048, 6, "\1CD001");
  image.replace(16 * 2048 + 40, 32, std::string("QTP_1_0").append(25, ' '));
  TempPrefix::writeFile(prefix_.root() / "qtp.iso", image);
  TempPrefix::writeFile(prefix_.root() / "mounts", (prefix_.root() / "qtp.iso").string() + " " +
                                                       disc.string() + " iso9660 ro 0 0\n");
  platform::setMountTableFile(prefix_.root() / "mounts");
  fs::create_directory_symlink(prefix_.root() / "gone", prefix_.dir() / "dosdevices" / "f:");
  std::string labels;
  for (const auto& drive : platform::drives())
    labels += std::string(1, drive.letter) + "[" + platform::volumeLabel(drive) + "]";
  EXPECT_EQ(labels, "C[]D[Daten Disk]E[QTP_1_0]Z[]");
}

}  // namespace
