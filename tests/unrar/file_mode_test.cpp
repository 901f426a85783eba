// Permission bits of extracted files: a Unix host's mode is kept (execute bits included, never
// setuid, setgid or sticky), a Windows host's member is a plain read-write file; both less the
// process umask.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>

#include "content/rar_writer/rar_writer.h"
#include "tests/unrar/unrar_library.h"

namespace unrartest {
namespace {

namespace fs = std::filesystem;

class FileModes : public ::testing::Test {
 protected:
  void SetUp() override { previousMask_ = ::umask(022); }
  void TearDown() override { ::umask(previousMask_); }

  // Extracts the archive into a fresh folder and gives the mode of every member file by name.
  std::map<std::string, mode_t> extract(const rarwriter::RarWriter& writer) {
    const fs::path root = freshFolder("modes");
    writer.write(root / "in.rar");
    const Walk w = walk(root / "in.rar", RAR_EXTRACT, root / "dest");
    std::map<std::string, mode_t> modes;
    for (const auto& m : w.members) {
      EXPECT_EQ(m.code, 0) << m.name;
      struct stat st {};
      std::string host = m.name;
      std::replace(host.begin(), host.end(), '\\', '/');
      EXPECT_EQ(::lstat((root / "dest" / host).c_str(), &st), 0) << m.name;
      modes[m.name] = st.st_mode & 07777;
    }
    return modes;
  }

 private:
  mode_t previousMask_ = 0;
};

TEST_F(FileModes, UnixMembersKeepTheirPermissionBitsLessTheUmask) {
  rarwriter::RarWriter writer;
  writer.addUnixFile("bin\\start.sh", "#!/bin/sh\n", 0755);
  writer.addUnixFile("private.txt", "p", 0600);
  writer.addUnixFile("shared.sh", "s", 0777);
  writer.addUnixFile("readonly.txt", "r", 0444);
  const auto modes = extract(writer);
  EXPECT_EQ(modes.at("bin\\start.sh"), 0755u);
  EXPECT_EQ(modes.at("private.txt"), 0600u);
  EXPECT_EQ(modes.at("shared.sh"), 0755u);
  EXPECT_EQ(modes.at("readonly.txt"), 0444u);
}

TEST_F(FileModes, TheHeaderRecordNamesTheUnixHostAndItsMode) {
  const fs::path root = freshFolder("header");
  rarwriter::RarWriter writer;
  writer.addUnixFile("start.sh", "#!/bin/sh\n", 04755);
  writer.write(root / "in.rar");
  std::string name = (root / "in.rar").string();
  RAROpenArchiveData data{};
  data.ArcName = name.data();
  data.OpenMode = RAR_OM_LIST;
  void* handle = lib().open(&data);
  ASSERT_NE(handle, nullptr);
  RARHeaderData header{};
  EXPECT_EQ(lib().readHeader(handle, &header), 0);
  EXPECT_EQ(header.HostOS, 3u);
  EXPECT_EQ(header.FileAttr, 0104755u);
  lib().close(handle);
}

TEST_F(FileModes, SetuidSetgidAndStickyBitsAreNeverGiven) {
  rarwriter::RarWriter writer;
  writer.addUnixFile("setuid", "u", 04755);
  writer.addUnixFile("setgid", "g", 02755);
  writer.addUnixFile("all", "a", 07777);
  const auto modes = extract(writer);
  EXPECT_EQ(modes.at("setuid"), 0755u);
  EXPECT_EQ(modes.at("setgid"), 0755u);
  EXPECT_EQ(modes.at("all"), 0755u);
}

TEST_F(FileModes, WindowsMembersAreReadWriteWithoutExecuteBits) {
  rarwriter::RarWriter writer;
  writer.addFile("PROGRAM.EXE", "MZ");
  writer.addFile("Folder\\TEXT.TXT", "t");
  const auto modes = extract(writer);
  EXPECT_EQ(modes.at("PROGRAM.EXE"), 0644u);
  EXPECT_EQ(modes.at("Folder\\TEXT.TXT"), 0644u);
}

TEST_F(FileModes, TheUmaskOfTheProcessApplies) {
  ::umask(077);
  rarwriter::RarWriter writer;
  writer.addUnixFile("start.sh", "#!/bin/sh\n", 0755);
  writer.addFile("PLAIN.TXT", "p");
  const auto modes = extract(writer);
  EXPECT_EQ(modes.at("start.sh"), 0700u);
  EXPECT_EQ(modes.at("PLAIN.TXT"), 0600u);
}

TEST_F(FileModes, AReplacedFileTakesTheMembersModeAndCaseVariantsKeepTheExistingName) {
  const fs::path root = freshFolder("replace");
  fs::create_directories(root / "dest");
  std::ofstream(root / "dest" / "QTP.EXE") << "old";
  ::chmod((root / "dest" / "QTP.EXE").c_str(), 0600);
  rarwriter::RarWriter writer;
  writer.addUnixFile("qtp.exe", "#!/bin/sh\n", 0755);
  writer.write(root / "in.rar");
  const Walk w = walk(root / "in.rar", RAR_EXTRACT, root / "dest");
  ASSERT_EQ(w.members.size(), 1u);
  EXPECT_EQ(w.members[0].code, 0);
  EXPECT_EQ(treeOf(root / "dest"), std::vector<std::string>{"QTP.EXE"});
  EXPECT_EQ(readFile(root / "dest" / "QTP.EXE"), "#!/bin/sh\n");
  EXPECT_EQ(fs::status(root / "dest" / "QTP.EXE").permissions(),
            fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                fs::perms::others_read | fs::perms::others_exec);
}

}  // namespace
}  // namespace unrartest
