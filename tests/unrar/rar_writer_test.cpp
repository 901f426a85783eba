// Our writer's archives as libarchive itself reads them, straight from its API.
#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <clocale>

#include "content/rar_writer/rar_writer.h"
#include "tests/unrar/unrar_library.h"

namespace unrartest {
namespace {

struct Read {
  std::string path;
  std::string data;
  bool folder = false;
  unsigned mode = 0;
};

std::vector<Read> readWithLibarchive(const std::vector<std::filesystem::path>& volumes,
                                     int* finalCode = nullptr) {
  std::vector<std::string> names;
  for (const auto& v : volumes) names.push_back(v.string());
  std::vector<const char*> list;
  for (const auto& n : names) list.push_back(n.c_str());
  list.push_back(nullptr);
  struct archive* a = archive_read_new();
  archive_read_support_format_rar(a);
  std::vector<Read> entries;
  EXPECT_EQ(archive_read_open_filenames(a, list.data(), 4096), ARCHIVE_OK);
  struct archive_entry* e = nullptr;
  int r = ARCHIVE_OK;
  while ((r = archive_read_next_header(a, &e)) == ARCHIVE_OK) {
    Read read{archive_entry_pathname_utf8(e) ? archive_entry_pathname_utf8(e) : "",
              {},
              archive_entry_filetype(e) == AE_IFDIR,
              archive_entry_mode(e)};
    char buffer[8192];
    la_ssize_t n = 0;
    while ((n = archive_read_data(a, buffer, sizeof buffer)) > 0)
      read.data.append(buffer, static_cast<std::size_t>(n));
    EXPECT_EQ(n, 0) << archive_error_string(a);
    entries.push_back(read);
  }
  if (finalCode) *finalCode = r;
  archive_read_free(a);
  return entries;
}

TEST(RarWriter, LibarchiveReadsFilesFoldersAndBackslashNames) {
  const auto dir = freshFolder("w");
  rarwriter::RarWriter writer;
  std::string binary;
  for (int i = 0; i < 70000; ++i) binary.push_back(static_cast<char>(i % 253));
  writer.addFolder("AIRCRAFT");
  writer.addFile("AIRCRAFT\\PANEL\\PANEL.CFG", "[Window00]\r\nfile=panel.bmp\r\n");
  writer.addFile("GAUGES\\NOR_NV36.GAU", binary);
  writer.addFile("EMPTY.TXT", "");
  writer.setComment("Kommentar");
  const auto paths = writer.write(dir / "A.RAR");
  ASSERT_EQ(paths.size(), 1u);
  int code = 0;
  const auto entries = readWithLibarchive(paths, &code);
  EXPECT_EQ(code, ARCHIVE_EOF);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].path, "AIRCRAFT");
  EXPECT_TRUE(entries[0].folder);
  EXPECT_EQ(entries[1].path, "AIRCRAFT/PANEL/PANEL.CFG");
  EXPECT_EQ(entries[1].data, "[Window00]\r\nfile=panel.bmp\r\n");
  EXPECT_EQ(entries[2].data, binary);
  EXPECT_EQ(entries[3].data, "");
}

TEST(RarWriter, UnicodeNamesRoundTrip) {
  std::setlocale(LC_CTYPE, "C.UTF-8");
  const auto dir = freshFolder("w");
  rarwriter::RarWriter writer;
  writer.addFile("Übungen\\Flugschüler 1.txt", "ü");
  writer.addFile("plain.txt", "p");
  const auto entries = readWithLibarchive(writer.write(dir / "U.RAR"));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].path, "Übungen/Flugschüler 1.txt");
  EXPECT_EQ(entries[1].path, "plain.txt");
  writer.addFile("\xff\xfe", "");
  EXPECT_THROW(writer.build(), std::invalid_argument);
}

TEST(RarWriter, VolumesAreReadByLibarchiveAsOneArchive) {
  const auto dir = freshFolder("w");
  rarwriter::RarWriter writer;
  std::string data(20000, '\0');
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 17);
  writer.addFile("one.bin", data);
  writer.addFile("two.bin", data.substr(0, 777));
  writer.setVolumeSize(4096);
  const auto paths = writer.write(dir / "V.RAR");
  ASSERT_EQ(paths.size(), 6u);
  EXPECT_EQ(paths[0].filename(), "V.part1.rar");
  EXPECT_EQ(paths[5].filename(), "V.part6.rar");
  const auto entries = readWithLibarchive(paths);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].data, data);
  EXPECT_EQ(entries[1].data, data.substr(0, 777));
}

// libarchive takes a Unix host's attributes field as the file's whole mode, and gives a Windows
// host's files a fixed mode without execute bits.
TEST(RarWriter, UnixMembersCarryTheirModeWhereLibarchiveLooksForIt) {
  const auto dir = freshFolder("w");
  rarwriter::RarWriter writer;
  writer.addUnixFile("QTP.EXE", "#!/bin/sh\n", 0755);
  writer.addUnixFile("suid", "s", 04750);
  writer.addFile("WIN.EXE", "MZ");
  const auto entries = readWithLibarchive(writer.write(dir / "M.RAR"));
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].mode, unsigned{AE_IFREG | 0755});
  EXPECT_EQ(entries[0].data, "#!/bin/sh\n");
  EXPECT_EQ(entries[1].mode, unsigned{AE_IFREG | 04750});
  EXPECT_EQ(entries[2].mode & unsigned{AE_IFMT}, unsigned{AE_IFREG});
  EXPECT_EQ(entries[2].mode & 0111u, 0u);
  EXPECT_THROW(writer.addUnixFile("typed", "", AE_IFREG | 0644), std::invalid_argument);
}

// Storing a file as a Unix host changes its header's host and attributes (and so the header's
// CRC) and nothing else, so archives written as before stay as they were.
TEST(RarWriter, AUnixMemberDiffersFromTheDefaultOnlyInHostAttributesAndHeaderCrc) {
  rarwriter::RarWriter windows;
  windows.addFile("QTP.EXE", "#!/bin/sh\n");
  rarwriter::RarWriter unixHost;
  unixHost.addUnixFile("QTP.EXE", "#!/bin/sh\n", 0755);
  const std::string a = windows.build().at(0);
  const std::string b = unixHost.build().at(0);
  ASSERT_EQ(a.size(), b.size());
  // The file header follows the signature and the main header.
  const std::size_t header = 7 + 13;
  std::vector<std::size_t> differing;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) differing.push_back(i - header);
  // Offsets in the header: CRC 0-1, host 15, attributes 28-31.
  for (const std::size_t offset : differing)
    EXPECT_TRUE(offset <= 1 || offset == 15 || (offset >= 28 && offset <= 31)) << offset;
  EXPECT_EQ(static_cast<unsigned char>(a[header + 15]), 2u);
  EXPECT_EQ(static_cast<unsigned char>(b[header + 15]), 3u);
  EXPECT_EQ(static_cast<unsigned char>(a[header + 28]), 0x20u);
  EXPECT_EQ(static_cast<unsigned char>(b[header + 28]), 0xEDu);  // 0100755, low byte
  EXPECT_EQ(static_cast<unsigned char>(b[header + 29]), 0x81u);
}

TEST(RarWriter, UnstorableInputIsRejected) {
  const auto dir = freshFolder("w");
  rarwriter::RarWriter empty;
  empty.addFile("", "x");
  EXPECT_THROW(empty.build(), std::invalid_argument);
  rarwriter::RarWriter tiny;
  tiny.addFile("a-rather-long-member-name.txt", "x");
  tiny.setVolumeSize(40);
  EXPECT_THROW(tiny.build(), std::invalid_argument);
  rarwriter::RarWriter fine;
  fine.addFile("a.txt", "a");
  EXPECT_THROW(fine.write(dir / "no" / "such" / "folder" / "x.rar"), std::runtime_error);
}

}  // namespace
}  // namespace unrartest
