// Lines of text files, ended by CR LF, LF or CR alone.
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/temp_prefix.h"

namespace {

using textfile::LineEnd;

TEST(LineReader, EndsLinesAtEachKindOfLineEndAndNamesTheFirst) {
  struct Case {
    std::string_view text;
    bool crEndsLine;
    std::string lines;  // each followed by '|'
    LineEnd end;
  };
  const Case cases[] = {
      {"a\r\nb\r\n", true, "a|b|", LineEnd::CrLf},          {"a\nb", true, "a|b|", LineEnd::Lf},
      {"a\rb\r\n\rc", true, "a|b||c|", LineEnd::Cr},        {"\n\r\n", false, "||", LineEnd::Lf},
      {"a\rb\r\n\rc\r", false, "a\rb|\rc\r|", LineEnd::Cr}, {"", true, "", LineEnd::CrLf},
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

TEST(RegularFile, IsReadWholeUpToTheLimit) {
  testsupport::TempPrefix prefix;
  const std::filesystem::path file = prefix.root() / "list.txt";
  testsupport::TempPrefix::writeFile(file, std::string("a\0b", 3));
  EXPECT_EQ(textfile::readRegularFile(file, 3).bytes, std::string("a\0b", 3));
  EXPECT_EQ(textfile::readRegularFile(file, 2).failure, textfile::FileRead::Failure::TooLarge);
  EXPECT_EQ(textfile::readRegularFile(prefix.root(), 100).failure,
            textfile::FileRead::Failure::NotRegular);
  EXPECT_EQ(textfile::readRegularFile(prefix.root() / "missing", 100).failure,
            textfile::FileRead::Failure::Missing);
}

}  // namespace
