// Text files: only regular files up to a limit, and lines ended by CR LF, LF or CR alone.
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/refused_files.h"
#include "tests/support/temp_prefix.h"

namespace {

namespace fs = std::filesystem;
using testsupport::TempPrefix;
using textfile::FileRead;
using textfile::LineEnd;

TEST(RegularFile, ReadsFilesAndLinksToThemWholeUpToTheLimit) {
  TempPrefix prefix;
  const fs::path file = prefix.root() / "list.cfg";
  TempPrefix::writeFile(file, std::string("a\0b", 3));
  fs::create_symlink(file, prefix.root() / "link.cfg");
  EXPECT_EQ(textfile::readRegularFile(prefix.root() / "link.cfg", 3).bytes, std::string("a\0b", 3));
  EXPECT_EQ(textfile::readRegularFile(file, 2).failure, FileRead::Failure::TooLarge);
  EXPECT_EQ(textfile::readRegularFile(prefix.root() / "none", 9).failure,
            FileRead::Failure::Missing);
}

TEST(RegularFile, RefusesEverythingElseAndSaysWhy) {
  TempPrefix prefix;
  const fs::path path = prefix.root() / "list.cfg";
  testsupport::forEachRefusedFile(path, 101, [&](const std::string& reason) {
    const FileRead read = textfile::readRegularFile(path, 100);
    EXPECT_FALSE(read.ok());
    EXPECT_NE(read.reason.find(reason), std::string::npos) << read.reason;
  });
}

TEST(LineReader, EndsLinesAtEachKindOfLineEndAndNamesTheFirst) {
  struct Case {
    std::string_view text;
    bool crEndsLine;
    std::string lines;  // each followed by '|'
    LineEnd end;
  };
  const Case cases[] = {
      {"a\r\nb\r\n", true, "a|b|", LineEnd::CrLf},
      {"a\nb", true, "a|b|", LineEnd::Lf},
      {"a\rb\r\n\rc", true, "a|b||c|", LineEnd::Cr},
      {"a\rb\r\n\rc\r", false, "a\rb|\rc\r|", LineEnd::Cr},
      {"\n\r\n", false, "||", LineEnd::Lf},
      {"", true, "", LineEnd::CrLf},
  };
  for (const Case& c : cases) {
    textfile::LineReader reader(c.text, c.crEndsLine);
    std::string lines;
    for (std::string_view line; reader.next(line);) lines += std::string(line) + "|";
    EXPECT_EQ(lines, c.lines) << c.text;
    EXPECT_EQ(reader.number(), std::count(lines.begin(), lines.end(), '|')) << c.text;
    EXPECT_EQ(textfile::lineEndOf(c.text), c.end) << c.text;
  }
}

}  // namespace
