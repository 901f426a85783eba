// Archives made by real RAR tools, read through the library's C interface.
#include <gtest/gtest.h>

#include "libs/unrar/rar4_format.h"
#include "tests/unrar/unrar_library.h"

namespace unrartest {
namespace {

const std::string kTestText = "test text document\r\n";

std::vector<std::string> namesOf(const Walk& w) {
  std::vector<std::string> names;
  for (const auto& m : w.members) names.push_back(m.name);
  return names;
}

class RealArchives : public ::testing::Test {
 protected:
  void SetUp() override { SKIP_WITHOUT_REAL_ARCHIVES(); }
};

TEST_F(RealArchives, Rar4StoredMembersExtractWithFoldersAndTheirNames) {
  const auto dest = freshFolder("out");
  const Walk w = walk(realArchive("test_read_format_rar.rar"), RAR_EXTRACT, dest);
  ASSERT_EQ(w.openResult, 0);
  EXPECT_EQ(namesOf(w), (std::vector<std::string>{"test.txt", "testlink", "testdir\\test.txt",
                                                  "testdir", "testemptydir"}));
  EXPECT_EQ(w.endCode, ERAR_END_ARCHIVE);
  EXPECT_EQ(w.members[0].code, 0);
  EXPECT_EQ(w.members[2].code, 0);
  EXPECT_EQ(w.members[3].flags & RHDF_DIRECTORY, unsigned{RHDF_DIRECTORY});
  EXPECT_EQ(readFile(dest / "test.txt"), kTestText);
  EXPECT_EQ(readFile(dest / "testdir" / "test.txt"), kTestText);
  EXPECT_TRUE(std::filesystem::is_directory(dest / "testemptydir"));
}

TEST_F(RealArchives, LinkMembersAreRefusedAndNothingIsWrittenForThem) {
  for (const char* name : {"test_read_format_rar.rar", "test_read_format_rar5_symlink.rar",
                           "test_read_format_rar5_hardlink.rar"}) {
    const auto dest = freshFolder(name);
    const Walk w = walk(realArchive(name), RAR_EXTRACT, dest);
    ASSERT_EQ(w.openResult, 0) << name;
    std::size_t refused = 0;
    for (const auto& m : w.members) {
      const auto path = dest / m.name;
      if (m.name.find("link") != std::string::npos) {
        ++refused;
        EXPECT_EQ(m.code, ERAR_ECREATE) << name << ": " << m.name;
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(path))) << m.name;
      } else {
        EXPECT_EQ(m.code, 0) << name << ": " << m.name;
      }
    }
    EXPECT_GE(refused, 1u) << name;
    for (const auto& p : treeOf(dest)) EXPECT_FALSE(std::filesystem::is_symlink(dest / p)) << p;
  }
}

TEST_F(RealArchives, CompressedMembersOfBothFormatsUnpackByteForByte) {
  const auto dest = freshFolder("out");
  Walk w = walk(realArchive("test_read_format_rar_compress_normal.rar"), RAR_EXTRACT, dest);
  ASSERT_EQ(w.openResult, 0);
  EXPECT_EQ(readFile(dest / "testdir" / "test.txt"), kTestText);
  const std::string html = readFile(dest / "LibarchiveAddingTest.html");
  EXPECT_EQ(html.size(), 20111u);
  EXPECT_EQ(html, readFile(dest / "testdir" / "LibarchiveAddingTest.html"));

  w = walk(realArchive("test_read_format_rar5_stored.rar"), RAR_EXTRACT, dest);
  ASSERT_EQ(w.members.size(), 1u);
  EXPECT_EQ(w.members[0].code, 0);
  EXPECT_EQ(readFile(dest / "helloworld.txt").size(), 29u);

  w = walk(realArchive("test_read_format_rar5_multiple_files.rar"), RAR_EXTRACT, dest);
  EXPECT_EQ(namesOf(w),
            (std::vector<std::string>{"test1.bin", "test2.bin", "test3.bin", "test4.bin"}));
  for (const auto& m : w.members) {
    EXPECT_EQ(m.code, 0);
    EXPECT_EQ(std::filesystem::file_size(dest / m.name), 4096u);
  }
}

TEST_F(RealArchives, TestModeChecksWithoutWritingAnything) {
  const auto dest = freshFolder("out");
  std::filesystem::current_path(dest);
  const Walk w = walk(realArchive("test_read_format_rar_binary_data.rar"), RAR_TEST);
  ASSERT_EQ(w.members.size(), 2u);
  EXPECT_EQ(w.members[0].unpackedSize, 1048576u);
  EXPECT_EQ(w.members[0].code, 0);
  EXPECT_EQ(w.members[1].code, 0);
  EXPECT_TRUE(treeOf(dest).empty());
}

TEST_F(RealArchives, UnicodeNamesComeOutAsUtf8) {
  const auto dest = freshFolder("out");
  const Walk w = walk(realArchive("test_read_format_rar_unicode.rar"), RAR_EXTRACT, dest);
  ASSERT_EQ(w.openResult, 0);
  const auto names = namesOf(w);
  EXPECT_NE(std::find(names.begin(), names.end(), "abcdefghijklmnopqrsテスト.txt"), names.end());
  EXPECT_TRUE(std::filesystem::exists(dest / "abcdefghijklmnopqrsテスト.txt"));
  EXPECT_EQ(readFile(dest / "表だよ" / "漢字長いファイル名long-filename-in-漢字.txt").size(), 5u);
}

TEST_F(RealArchives, EncryptedMembersAskForAPasswordAndAreNeverWrittenGarbled) {
  const auto dest = freshFolder("out");
  Walk w = walk(realArchive("test_read_format_rar_encryption_data.rar"), RAR_EXTRACT, dest);
  ASSERT_EQ(w.members.size(), 2u);
  for (const auto& m : w.members) {
    EXPECT_NE(m.flags & RHDF_ENCRYPTED, 0u);
    EXPECT_EQ(m.code, ERAR_MISSING_PASSWORD);
  }
  w = walk(realArchive("test_read_format_rar_encryption_data.rar"), RAR_EXTRACT, dest, "secret");
  for (const auto& m : w.members) EXPECT_EQ(m.code, ERAR_UNKNOWN_FORMAT);
  EXPECT_TRUE(treeOf(dest).empty());
}

TEST_F(RealArchives, DamagedAndUnfinishedArchivesGiveCodesNotCrashes) {
  const auto dest = freshFolder("out");
  Walk w = walk(realArchive("test_read_format_rar_invalid1.rar"), RAR_EXTRACT, dest);
  ASSERT_EQ(w.members.size(), 1u);
  EXPECT_EQ(w.members[0].code, ERAR_BAD_DATA);
  EXPECT_TRUE(treeOf(dest).empty());

  w = walk(realArchive("test_read_format_rar_noeof.rar"), RAR_EXTRACT, dest);
  ASSERT_EQ(w.members.size(), 1u);
  EXPECT_EQ(w.members[0].code, 0);
  EXPECT_EQ(w.endCode, ERAR_END_ARCHIVE);
  EXPECT_EQ(readFile(dest / "test.txt"), kTestText);
}

TEST_F(RealArchives, CommentOfASubBlockArchiveIsDelivered) {
  std::string name = realArchive("test_read_format_rar_subblock.rar").string();
  std::vector<char> buffer(65536);
  RAROpenArchiveData data{};
  data.ArcName = name.data();
  data.OpenMode = RAR_OM_LIST;
  data.CmtBuf = buffer.data();
  data.CmtBufSize = 65535;
  void* handle = lib().open(&data);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(data.CmtState, 1u);
  EXPECT_STREQ(buffer.data(), "test rar with archive comment");
  EXPECT_EQ(data.CmtSize, 30u);
  RARHeaderData header{};
  ASSERT_EQ(lib().readHeader(handle, &header), 0);
  EXPECT_STREQ(header.FileName, "test.txt");
  EXPECT_EQ(header.UnpSize, 20u);
  EXPECT_EQ(header.FileCRC, rar4::crc32(kTestText));
  lib().close(handle);
}

}  // namespace
}  // namespace unrartest
