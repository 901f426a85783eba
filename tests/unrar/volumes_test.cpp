// Multi-volume archives: volumes are found by name, each change is announced, a missing one is
// asked for and, when it does not come, reported.
#include <gtest/gtest.h>

#include <fstream>

#include "content/rar_writer/rar_writer.h"
#include "tests/unrar/unrar_library.h"

namespace unrartest {
namespace {

struct VolumeLog {
  std::vector<std::pair<std::string, int>> calls;
  std::filesystem::path lookIn;  // where a volume that is asked for is found
  std::string always;            // or the name handed back whatever is asked for
  int answer = 1;
};
VolumeLog volumeLog;

int logVolume(char* name, int mode) {
  volumeLog.calls.emplace_back(std::filesystem::path(name).filename().string(), mode);
  if (mode == RAR_VOL_ASK && !volumeLog.always.empty())
    std::snprintf(name, 1024, "%s", volumeLog.always.c_str());
  else if (mode == RAR_VOL_ASK && !volumeLog.lookIn.empty())
    std::snprintf(name, 1024, "%s",
                  (volumeLog.lookIn / std::filesystem::path(name).filename()).c_str());
  return volumeLog.answer;
}

class Volumes : public ::testing::Test {
 protected:
  void SetUp() override { volumeLog = {}; }

  // Walks the archive with the volume procedure set; `extract` picks members to extract.
  static Walk walkVolumes(const std::filesystem::path& first, const std::filesystem::path& dest,
                          const std::function<bool(const std::string&)>& extract) {
    return walk(
        first, dest,
        [&](const std::string& name) { return extract(name) ? RAR_EXTRACT : RAR_SKIP; },
        [](void* handle) { lib().setChangeVolProc(handle, &logVolume); });
  }

  // One member of 5,000 bytes over three volumes.
  static std::vector<std::filesystem::path> threeVolumes(const std::filesystem::path& dir) {
    rarwriter::RarWriter writer;
    writer.addFile("BIG.BIN", payload(5000, 'q'));
    writer.setVolumeSize(2048);
    auto volumes = writer.write(dir / "SET.RAR");
    EXPECT_EQ(volumes.size(), 3u);
    return volumes;
  }

  static std::string payload(std::size_t size, char seed) {
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>(seed + i * 7 + i / 251);
    return s;
  }
};

TEST_F(Volumes, RealFourVolumeArchiveSkipsTheHugeMemberAndExtractsTheRest) {
  SKIP_WITHOUT_REAL_ARCHIVES();
  const auto dest = freshFolder("out");
  const Walk w = walkVolumes(realArchive("test_read_format_rar_multivolume.part0001.rar"), dest,
                             [](const std::string& n) { return n.find("ppmd") == n.npos; });
  ASSERT_EQ(w.openResult, 0);
  ASSERT_EQ(w.members.size(), 7u);
  EXPECT_EQ(w.members[0].unpackedSize, 241647978u);
  EXPECT_EQ(w.endCode, ERAR_END_ARCHIVE);
  EXPECT_EQ(readFile(dest / "testdir" / "test.txt"), "test text document\r\n");
  EXPECT_EQ(std::filesystem::file_size(dest / "LibarchiveAddingTest.html"), 20111u);
  const std::vector<std::pair<std::string, int>> expected = {
      {"test_read_format_rar_multivolume.part0002.rar", RAR_VOL_NOTIFY},
      {"test_read_format_rar_multivolume.part0003.rar", RAR_VOL_NOTIFY},
      {"test_read_format_rar_multivolume.part0004.rar", RAR_VOL_NOTIFY}};
  EXPECT_EQ(volumeLog.calls, expected);
}

TEST_F(Volumes, WrittenVolumesSplitMembersAndJoinThemAgain) {
  const auto dir = freshFolder("cd");
  rarwriter::RarWriter writer;
  const std::string big = payload(10000, 'a');
  writer.addFile("DATA\\BIG.BIN", big);
  writer.addFile("SMALL.TXT", "small");
  writer.addFile("LAST.BIN", payload(3000, 'z'));
  writer.setVolumeSize(2048);
  const auto volumes = writer.write(dir / "SET.RAR");
  ASSERT_GT(volumes.size(), 5u);
  for (const auto& v : volumes) EXPECT_LE(std::filesystem::file_size(v), 2048u);

  const auto dest = freshFolder("out");
  const Walk w = walkVolumes(volumes.front(), dest, [](const std::string&) { return true; });
  ASSERT_EQ(w.members.size(), 3u);
  for (const auto& m : w.members) EXPECT_EQ(m.code, 0) << m.name;
  EXPECT_EQ(readFile(dest / "DATA" / "BIG.BIN"), big);
  EXPECT_EQ(readFile(dest / "SMALL.TXT"), "small");
  EXPECT_EQ(readFile(dest / "LAST.BIN"), payload(3000, 'z'));
  EXPECT_EQ(volumeLog.calls.size(), volumes.size() - 1);
}

TEST_F(Volumes, AMissingVolumeIsAskedForAndReportedWhenItStaysMissing) {
  const auto dir = freshFolder("cd");
  const auto volumes = threeVolumes(dir);
  ASSERT_EQ(volumes.size(), 3u);
  std::filesystem::create_directory(dir / "moved");
  for (std::size_t i = 1; i < volumes.size(); ++i)
    std::filesystem::rename(volumes[i], dir / "moved" / volumes[i].filename());

  const auto dest = freshFolder("out");
  volumeLog.answer = 0;
  Walk w = walkVolumes(volumes.front(), dest, [](const std::string&) { return true; });
  ASSERT_EQ(w.members.size(), 1u);
  EXPECT_EQ(w.members[0].code, ERAR_EOPEN);
  ASSERT_EQ(volumeLog.calls.size(), 1u);
  EXPECT_EQ(volumeLog.calls[0], std::make_pair(volumes[1].filename().string(), RAR_VOL_ASK));
  EXPECT_TRUE(treeOf(dest).empty());

  // Given its new place, the extraction goes on.
  volumeLog = {};
  volumeLog.lookIn = dir / "moved";
  w = walkVolumes(volumes.front(), dest, [](const std::string&) { return true; });
  ASSERT_EQ(w.members.size(), 1u);
  EXPECT_EQ(w.members[0].code, 0);
  EXPECT_EQ(readFile(dest / "BIG.BIN"), payload(5000, 'q'));
  ASSERT_EQ(volumeLog.calls.size(), 3u);
  EXPECT_EQ(volumeLog.calls[0].second, RAR_VOL_ASK);
  EXPECT_EQ(volumeLog.calls[1], std::make_pair(volumes[1].filename().string(), RAR_VOL_NOTIFY));
  EXPECT_EQ(volumeLog.calls[2], std::make_pair(volumes[2].filename().string(), RAR_VOL_NOTIFY));
}

TEST_F(Volumes, AVolumeOfferedTwiceIsRefusedInsteadOfReadInCircles) {
  const auto dir = freshFolder("cd");
  const auto volumes = threeVolumes(dir);
  std::filesystem::remove(volumes[2]);
  volumeLog.always = volumes[1].string();
  const auto dest = freshFolder("out");
  const Walk w = walkVolumes(volumes.front(), dest, [](const std::string&) { return true; });
  ASSERT_EQ(w.members.size(), 1u);
  EXPECT_NE(w.members[0].code, 0);
  EXPECT_TRUE(treeOf(dest).empty());
}

TEST_F(Volumes, ZeroFromTheNotificationStopsTheMember) {
  const auto dir = freshFolder("cd");
  const auto volumes = threeVolumes(dir);
  const auto dest = freshFolder("out");
  volumeLog.answer = 0;
  const Walk w = walkVolumes(volumes.front(), dest, [](const std::string&) { return true; });
  ASSERT_EQ(w.members.size(), 1u);
  EXPECT_NE(w.members[0].code, 0);
  EXPECT_EQ(volumeLog.calls.size(), 1u);
  EXPECT_TRUE(treeOf(dest).empty());
}

TEST_F(Volumes, VolumeBoundaryBetweenMembersDoesNotEndTheListing) {
  const auto dir = freshFolder("cd");
  rarwriter::RarWriter writer;
  // Each member fills what is left of a volume exactly, so no member is split.
  for (int i = 0; i < 4; ++i) writer.addFile("F" + std::to_string(i), payload(900, 'a'));
  writer.setVolumeSize(20 + 34 + 900 + 7);
  const auto volumes = writer.write(dir / "SET.RAR");
  ASSERT_EQ(volumes.size(), 4u);
  const auto dest = freshFolder("out");
  const Walk w = walkVolumes(volumes.front(), dest, [](const std::string&) { return true; });
  ASSERT_EQ(w.members.size(), 4u);
  for (const auto& m : w.members) EXPECT_EQ(m.code, 0);
  EXPECT_EQ(w.endCode, ERAR_END_ARCHIVE);
}

// A self-extracting archive has a program before it, in the first volume only.
TEST_F(Volumes, SelfExtractingArchivesReadFromAfterTheProgram) {
  const auto dir = freshFolder("cd");
  const auto addProgram = [](const std::filesystem::path& archive, std::size_t size) {
    const std::string bytes = "MZ" + payload(size, 'p') + readFile(archive);
    std::filesystem::remove(archive);
    std::ofstream(std::filesystem::path(archive).replace_extension(".exe"), std::ios::binary)
        << bytes;
  };
  rarwriter::RarWriter writer;
  writer.addFile("DATA\\one.txt", payload(3000, 'x'));
  writer.addFile("two.txt", "second");
  addProgram(writer.write(dir / "one.rar")[0], 5000);
  addProgram(writer.write(dir / "far.rar")[0], 4 << 20);  // beyond where programs reach
  writer.setVolumeSize(1200);
  addProgram(writer.write(dir / "set.rar")[0], 20000);  // set.part1.exe, set.part2.rar, ...
  EXPECT_EQ(walk(dir / "far.exe", RAR_SKIP).openResult, ERAR_BAD_ARCHIVE);
  for (const char* first : {"one.exe", "set.part1.exe"}) {
    const auto dest = freshFolder(first);
    EXPECT_EQ(walk(dir / first, RAR_SKIP).members.size(), 2u) << first;
    const Walk w = walk(dir / first, RAR_EXTRACT, dest);
    ASSERT_EQ(w.members.size(), 2u) << first;
    EXPECT_EQ(w.members[0].code + w.members[1].code, 0) << first;
    EXPECT_EQ(w.endCode, ERAR_END_ARCHIVE) << first;
    EXPECT_EQ(readFile(dest / "DATA" / "one.txt"), payload(3000, 'x')) << first;
    EXPECT_EQ(readFile(dest / "two.txt"), "second") << first;
  }
}

}  // namespace
}  // namespace unrartest
