// The interface's calls, records and callbacks against archives from our writer.
#include <gtest/gtest.h>

#include <fstream>

#include "content/rar_writer/rar_writer.h"
#include "libs/unrar/rar4_format.h"
#include "tests/unrar/unrar_library.h"

namespace unrartest {
namespace {

namespace fs = std::filesystem;

struct DataLog {
  std::vector<int> blocks;
  std::string bytes;
  int stopAfter = -1;  // answer 0 once this many blocks arrived
};
DataLog dataLog;

int logData(unsigned char* addr, int size) {
  dataLog.blocks.push_back(size);
  dataLog.bytes.append(reinterpret_cast<const char*>(addr), static_cast<std::size_t>(size));
  return static_cast<int>(dataLog.blocks.size()) == dataLog.stopAfter ? 0 : 1;
}

// One open archive for a test that steps through it itself.
class Open {
 public:
  explicit Open(const fs::path& archive, unsigned mode = RAR_OM_EXTRACT, unsigned cmtSize = 0)
      : name_(archive.string()), comment(cmtSize + 1, '\x7f') {
    data.ArcName = name_.data();
    data.OpenMode = mode;
    data.CmtBuf = cmtSize ? comment.data() : nullptr;
    data.CmtBufSize = cmtSize;
    handle = lib().open(&data);
  }
  ~Open() {
    if (handle) lib().close(handle);
  }
  int next() { return lib().readHeader(handle, &header); }
  int process(int op, const fs::path& dest = {}, const fs::path& destName = {}) {
    std::string d = dest.string(), n = destName.string();
    return lib().processFile(handle, op, d.empty() ? nullptr : d.data(),
                             n.empty() ? nullptr : n.data());
  }

 private:
  std::string name_;

 public:
  std::vector<char> comment;
  RAROpenArchiveData data{};
  RARHeaderData header{};
  void* handle = nullptr;
};

std::string pattern(std::size_t size) {
  std::string s(size, '\0');
  for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>((i * 131) ^ (i >> 9));
  return s;
}

class Interface : public ::testing::Test {
 protected:
  void SetUp() override {
    dataLog = {};
    dir = freshFolder("work");
    archive = dir / "T.RAR";
  }
  fs::path dir, archive;
};

TEST_F(Interface, HeaderRecordCarriesTheStoredFields) {
  rarwriter::RarWriter writer;
  const std::uint32_t time = (25u << 25) | (6u << 21) | (15u << 16) | (12u << 11) | (30u << 5);
  writer.addFile("FOLDER\\File.Txt", "hello", time);
  writer.addFolder("FOLDER");
  writer.write(archive);
  Open a(archive);
  ASSERT_NE(a.handle, nullptr);
  ASSERT_EQ(a.next(), 0);
  EXPECT_STREQ(a.header.ArcName, archive.c_str());
  EXPECT_STREQ(a.header.FileName, "FOLDER\\File.Txt");
  EXPECT_EQ(a.header.UnpSize, 5u);
  EXPECT_EQ(a.header.PackSize, 5u);
  EXPECT_EQ(a.header.FileTime, time);
  EXPECT_EQ(a.header.Method, 0x30u);
  EXPECT_EQ(a.header.HostOS, 2u);
  EXPECT_EQ(a.header.FileAttr, 0x20u);
  EXPECT_EQ(a.header.Flags & RHDF_ENCRYPTED, 0u);
  EXPECT_EQ(a.process(RAR_SKIP), 0);
  ASSERT_EQ(a.next(), 0);
  EXPECT_EQ(a.header.Flags & RHDF_DIRECTORY, unsigned{RHDF_DIRECTORY});
  EXPECT_EQ(a.next(), ERAR_END_ARCHIVE);
  EXPECT_EQ(a.next(), ERAR_END_ARCHIVE);
  EXPECT_EQ(lib().getDllVersion(), RAR_DLL_VERSION);
}

TEST_F(Interface, LongNamesAreCutBeforeACharacterThatDoesNotFitWhole) {
  rarwriter::RarWriter writer;
  std::vector<std::string> names;
  for (const std::string character : {"\xC3\xA4", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"}) {
    names.push_back("xy");
    while (names.back().size() < 300) names.back() += character;
    writer.addFile(names.back(), "");
  }
  writer.write(archive);
  const Walk w = walk(archive, RAR_SKIP);
  ASSERT_EQ(w.members.size(), names.size());
  // 257 bytes of the field are left after "xy", for whole characters of i + 2 bytes.
  for (std::size_t i = 0; i < names.size(); ++i)
    EXPECT_EQ(w.members[i].name, names[i].substr(0, 2 + 257 / (i + 2) * (i + 2)));
}

// libarchive reads a header that repeats the name before it as the next part of that member:
// its entry for the second "a.txt" is empty while our header holds six bytes.
TEST_F(Interface, AMemberLibarchiveReadsOtherwiseThanOurHeaderIsBadDataAlone) {
  rarwriter::RarWriter writer;
  writer.addFile("a.txt", "one");
  writer.addFile("a.txt", "second");
  writer.addFile("b.txt", "three");
  writer.write(archive);
  const Walk w = walk(archive, RAR_EXTRACT, dir / "dest");
  ASSERT_EQ(w.members.size(), 3u);
  EXPECT_EQ(w.members[1].code, ERAR_BAD_DATA);
  EXPECT_NE(w.members[1].unpackedSize, 6u);
  EXPECT_EQ(w.members[2].code, 0);
  EXPECT_EQ(readFile(dir / "dest" / "a.txt"), "one");
  EXPECT_EQ(readFile(dir / "dest" / "b.txt"), "three");
}

// Each name uses other codes of RAR's compact Unicode form: byte, byte with the high byte, runs.
TEST_F(Interface, TheCompactUnicodeFormOfNamesReadsAsLibarchiveReadsIt) {
  const std::pair<std::string, std::string> names[] = {
      {std::string("_.txt\0\x00\x30\xC4\x02", 10), "\xC3\x84.txt"},
      {std::string("_x\0\x03\x40\xA9\x78", 7), "\xCE\xA9x"},
      {std::string("ab\0\x04\xC0\x80\xCF", 7), "\xD0\xB0\xD0\xB1"}};
  for (const auto& [stored, utf8] : names) {
    rar4::FileHeaderFields fields;
    fields.flags = rar4::kFileUnicodeName;
    fields.name = stored;
    fields.packSize = fields.unpackedSize = 2;
    fields.crc = rar4::crc32(std::string("ok"));
    std::ofstream(archive, std::ios::binary)
        << std::string(rar4::kSignature, rar4::kSignatureSize) << rar4::encodeMainHeader(0)
        << rar4::encodeFileHeader(fields) << "ok" << rar4::encodeEndHeader(0);
    const Walk w = walk(archive, RAR_EXTRACT, dir / "dest");
    ASSERT_EQ(w.members.size(), 1u) << utf8;
    EXPECT_EQ(w.members[0].code, 0) << utf8;
    EXPECT_EQ(readFile(dir / "dest" / utf8), "ok");
  }
}

TEST_F(Interface, DataArrivesInBlocksAndNeverForSkippedMembers) {
  rarwriter::RarWriter writer;
  const std::string big = pattern(300000);
  writer.addFile("skipped.bin", pattern(5000));
  writer.addFile("big.bin", big);
  writer.write(archive);
  Open a(archive);
  lib().setProcessDataProc(a.handle, &logData);
  ASSERT_EQ(a.next(), 0);
  EXPECT_EQ(a.process(RAR_SKIP, dir / "out"), 0);
  EXPECT_TRUE(dataLog.blocks.empty());
  ASSERT_EQ(a.next(), 0);
  EXPECT_EQ(a.process(RAR_EXTRACT, dir / "out"), 0);
  EXPECT_GT(dataLog.blocks.size(), 3u);
  EXPECT_EQ(dataLog.bytes, big);
  EXPECT_EQ(readFile(dir / "out" / "big.bin"), big);
  EXPECT_FALSE(fs::exists(dir / "out" / "skipped.bin"));
}

TEST_F(Interface, ZeroFromTheDataProcedureAbortsTheMemberWithoutAFile) {
  rarwriter::RarWriter writer;
  writer.addFile("big.bin", pattern(300000));
  writer.addFile("next.txt", "next");
  writer.write(archive);
  Open a(archive);
  lib().setProcessDataProc(a.handle, &logData);
  dataLog.stopAfter = 2;
  ASSERT_EQ(a.next(), 0);
  EXPECT_EQ(a.process(RAR_EXTRACT, dir / "out"), ERAR_UNKNOWN);
  EXPECT_EQ(dataLog.blocks.size(), 2u);
  ASSERT_EQ(a.next(), 0);
  EXPECT_EQ(a.process(RAR_EXTRACT, dir / "out"), 0);
  EXPECT_EQ(treeOf(dir / "out"), std::vector<std::string>{"next.txt"});
}

TEST_F(Interface, DestNameWinsOverDestPath) {
  rarwriter::RarWriter writer;
  writer.addFile("deep\\name.txt", "payload");
  writer.write(archive);
  Open a(archive);
  ASSERT_EQ(a.next(), 0);
  EXPECT_EQ(a.process(RAR_EXTRACT, dir / "ignored", dir / "chosen" / "renamed.dat"), 0);
  EXPECT_EQ(readFile(dir / "chosen" / "renamed.dat"), "payload");
  EXPECT_FALSE(fs::exists(dir / "ignored" / "deep"));
}

TEST_F(Interface, NoDestinationMeansTheCurrentFolder) {
  rarwriter::RarWriter writer;
  writer.addFile("here.txt", "here");
  writer.addFile("empty.txt", "");
  writer.write(archive);
  const fs::path work = dir / "cwd";
  fs::create_directories(work);
  const fs::path before = fs::current_path();
  fs::current_path(work);
  const Walk w = walk(archive, RAR_EXTRACT);
  fs::current_path(before);
  ASSERT_EQ(w.members.size(), 2u);
  EXPECT_EQ(readFile(work / "here.txt"), "here");
  EXPECT_EQ(w.members[1].code, 0);
  EXPECT_TRUE(fs::is_regular_file(work / "empty.txt"));
  EXPECT_EQ(fs::file_size(work / "empty.txt"), 0u);
}

TEST_F(Interface, DamagedHeaderEndsTheListingWithBadData) {
  rarwriter::RarWriter writer;
  writer.addFile("one.txt", "1");
  writer.addFile("two.txt", "2");
  writer.addFile("three.txt", "3");
  writer.breakHeaderCrc(1);
  writer.write(archive);
  const Walk w = walk(archive, RAR_EXTRACT, dir / "out");
  ASSERT_EQ(w.members.size(), 1u);
  EXPECT_EQ(w.members[0].code, 0);
  EXPECT_EQ(w.endCode, ERAR_BAD_DATA);
}

TEST_F(Interface, ArchivesThatCannotBeOpenedGiveOpenCodes) {
  EXPECT_EQ(walk(dir / "missing.rar", RAR_EXTRACT).openResult, ERAR_EOPEN);
  std::ofstream(dir / "empty.rar").close();
  EXPECT_EQ(walk(dir / "empty.rar", RAR_EXTRACT).openResult, ERAR_BAD_ARCHIVE);
  std::ofstream(dir / "text.rar") << "This is not an archive at all, just some words.";
  EXPECT_EQ(walk(dir / "text.rar", RAR_EXTRACT).openResult, ERAR_BAD_ARCHIVE);
  rarwriter::RarWriter writer;
  writer.addFile("a.txt", "a");
  writer.write(archive);
  fs::resize_file(archive, 12);
  EXPECT_EQ(walk(archive, RAR_EXTRACT).openResult, ERAR_BAD_DATA);
  EXPECT_EQ(walk(dir, RAR_EXTRACT).openResult, ERAR_EOPEN);
  RAROpenArchiveData badMode{};
  std::string name = archive.string();
  badMode.ArcName = name.data();
  badMode.OpenMode = 7;
  EXPECT_EQ(lib().open(&badMode), nullptr);
  EXPECT_NE(badMode.OpenResult, 0u);
}

TEST_F(Interface, TruncatedMemberDataIsBadDataWithoutAFile) {
  rarwriter::RarWriter writer;
  writer.addFile("cut.bin", pattern(50000));
  writer.write(archive);
  fs::resize_file(archive, 30000);
  const Walk w = walk(archive, RAR_EXTRACT, dir / "out");
  ASSERT_EQ(w.members.size(), 1u);
  EXPECT_EQ(w.members[0].code, ERAR_BAD_DATA);
  EXPECT_NE(w.endCode, 0);
  EXPECT_TRUE(treeOf(dir / "out").empty());
}

TEST_F(Interface, CommentFillsTheBufferOrSaysItIsTooSmall) {
  rarwriter::RarWriter writer;
  writer.setComment("Willkommen an Bord!");
  writer.addFile("a.txt", "a");
  writer.write(archive);
  {
    Open a(archive, RAR_OM_EXTRACT, 65535);
    ASSERT_NE(a.handle, nullptr);
    EXPECT_EQ(a.data.CmtState, 1u);
    EXPECT_EQ(a.data.CmtSize, 20u);
    EXPECT_STREQ(a.comment.data(), "Willkommen an Bord!");
    ASSERT_EQ(a.next(), 0);
    EXPECT_STREQ(a.header.FileName, "a.txt");
  }
  Open small(archive, RAR_OM_EXTRACT, 8);
  EXPECT_EQ(small.data.CmtState, unsigned{ERAR_SMALL_BUF});
  EXPECT_EQ(small.data.CmtSize, 8u);
  EXPECT_STREQ(small.comment.data(), "Willkom");
  EXPECT_EQ(small.comment[8], '\x7f');
  Open none(dir / "T.RAR", RAR_OM_EXTRACT, 0);
  EXPECT_EQ(none.data.CmtState, 0u);
}

TEST_F(Interface, ListModeOnlyListsAndCallsOutOfOrderAreRefused) {
  rarwriter::RarWriter writer;
  writer.addFile("a.txt", "a");
  writer.addFile("b.txt", "b");
  writer.write(archive);
  Open a(archive, RAR_OM_LIST);
  EXPECT_NE(a.process(RAR_EXTRACT, dir / "out"), 0);  // no header read yet
  ASSERT_EQ(a.next(), 0);
  EXPECT_NE(a.process(RAR_EXTRACT, dir / "out"), 0);
  ASSERT_EQ(a.next(), 0);
  EXPECT_EQ(a.process(RAR_SKIP), 0);
  EXPECT_NE(a.process(RAR_SKIP), 0);  // the member was already handled
  EXPECT_EQ(a.next(), ERAR_END_ARCHIVE);
  EXPECT_TRUE(treeOf(dir / "out").empty());
}

TEST_F(Interface, EncryptedFlagIsReportedAndThePasswordIsAskedFor) {
  rarwriter::RarWriter writer;
  writer.addFile("secret.txt", "scrambled");
  writer.addFile("open.txt", "plain");
  writer.markEncrypted(0);
  writer.write(archive);
  const Walk w = walk(archive, RAR_EXTRACT, dir / "out");
  ASSERT_EQ(w.members.size(), 2u);
  EXPECT_NE(w.members[0].flags & RHDF_ENCRYPTED, 0u);
  EXPECT_EQ(w.members[0].code, ERAR_MISSING_PASSWORD);
  EXPECT_EQ(w.members[1].code, 0);
  EXPECT_EQ(treeOf(dir / "out"), std::vector<std::string>{"open.txt"});
}

TEST_F(Interface, ThousandsOfMembersAllArrive) {
  rarwriter::RarWriter writer;
  constexpr int kCount = 3000;
  for (int i = 0; i < kCount; ++i)
    writer.addFile("F" + std::to_string(i / 100) + "\\M" + std::to_string(i), std::to_string(i));
  writer.write(archive);
  const Walk w = walk(archive, RAR_EXTRACT, dir / "out");
  ASSERT_EQ(w.members.size(), static_cast<std::size_t>(kCount));
  for (const auto& m : w.members) ASSERT_EQ(m.code, 0) << m.name;
  EXPECT_EQ(readFile(dir / "out" / "F29" / "M2999"), "2999");
}

}  // namespace
}  // namespace unrartest
