// Reading and writing the text registry format.
#include <gtest/gtest.h>

#include "platform/registry_text.h"

using namespace platform::regtext;
using namespace std::string_view_literals;

namespace {

Document parsed(std::string_view text) {
  ParseResult result = parse(text);
  EXPECT_TRUE(result.document.has_value())
      << "line " << result.error.line << ": " << result.error.what;
  return result.document ? std::move(*result.document) : Document{};
}

constexpr std::string_view kTypical =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\Machine\n"
    "\n"
    "#arch=win64\n"
    "\n"
    "[Software\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\7.0] 1700000000\n"
    "#time=1d9a1b2c3d4e5f6\n"
    "\"Path\"=\"C:\\\\Program Files\\\\FS2000\"\n"
    "\"Version\"=dword:000007d0\n"
    "@=\"default\"\n"
    "\"Expand\"=str(2):\"%ProgramFiles%\\\\FS\"\n"
    "\"Blob\"=hex:01,02,03,\\\n"
    "  04,05\n"
    "\"After\"=dword:ffffffff\r\n";

TEST(RegistryText, ReadsAWineMachineFile) {
  const Document d = parsed(kTypical);
  EXPECT_TRUE(d.win64);
  const Key* key = d.find("software\\MICROSOFT\\microsoft games\\flight simulator\\7.0");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->path, "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0");
  EXPECT_EQ(key->stamp, "1700000000");
  ASSERT_NE(key->find("PATH"), nullptr);
  EXPECT_EQ(key->find("path")->text, "C:\\Program Files\\FS2000");
  EXPECT_EQ(key->find("Version")->kind, ValueKind::Dword);
  EXPECT_EQ(key->find("Version")->number, 2000u);
  EXPECT_EQ(key->find("")->text, "default");
  EXPECT_EQ(key->find("Expand")->kind, ValueKind::String);
  EXPECT_EQ(key->find("Expand")->text, "%ProgramFiles%\\FS");
  EXPECT_EQ(key->find("Blob")->kind, ValueKind::Other);
  EXPECT_EQ(key->find("After")->number, 0xFFFFFFFFu);
}

TEST(RegistryText, DecodesEscapes) {
  const Document d = parsed(
      "WINE REGISTRY Version 2\n[K]\n"
      "\"a\"=\"q\\\"uote\\\\back\\nline\\ttab\"\n"
      "\"b\"=\"Pr\\x00fcfung \\xd83d\\xde00 \\101 \\q\"\n"
      "\"c\"=\"Grüße\"\n"
      "\"d\"=\"\\xdc00lone\"\n"
      "\"\\\"odd\\\" name\"=dword:1\n");
  const Key* key = d.find("k");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->find("a")->text, "q\"uote\\back\nline\ttab");
  EXPECT_EQ(key->find("b")->text, "Prüfung 😀 A q");
  EXPECT_EQ(key->find("c")->text, "Grüße");
  EXPECT_EQ(key->find("d")->text, "\xEF\xBF\xBDlone");
  EXPECT_EQ(key->find("\"ODD\" name")->number, 1u);
}

TEST(RegistryText, WritesWhatItReadsBack) {
  Document d;
  d.win64 = true;
  Key& key = d.obtain("SOFTWARE\\NORVANE\\QTP\\1.0", "1700000001");
  key.set({"InstallDir", ValueKind::String, "C:\\Programme\\Übungen\\", 0, ""});
  key.set({"Odd \"name\"", ValueKind::String, "a\\b\"c\nd\te\x01 😀 ]", 0, ""});
  key.set({"M0", ValueKind::Dword, "", 1, ""});
  key.set({"", ValueKind::String, "default", 0, ""});
  d.obtain("Odd]Key\\Sub", "").set({"Blob", ValueKind::Other, "", 0, "hex:01,02,\\\n03"});
  const std::string text = serialize(d);
  EXPECT_EQ(text.find("Übungen"), std::string::npos) << "non-ASCII is escaped";
  const Document back = parsed(text);
  EXPECT_TRUE(back.win64);
  ASSERT_EQ(back.keys().size(), 2u);
  const Key* again = back.find("software\\norvane\\qtp\\1.0");
  ASSERT_NE(again, nullptr);
  ASSERT_EQ(again->values.size(), 4u);
  for (std::size_t i = 0; i < key.values.size(); ++i) {
    EXPECT_EQ(again->values[i].name, key.values[i].name);
    EXPECT_EQ(again->values[i].kind, key.values[i].kind);
    EXPECT_EQ(again->values[i].text, key.values[i].text);
    EXPECT_EQ(again->values[i].number, key.values[i].number);
  }
  EXPECT_EQ(again->stamp, "1700000001");
  ASSERT_NE(back.find("odd]key\\sub"), nullptr);
  EXPECT_EQ(back.find("odd]key\\sub")->find("blob")->raw, "hex:01,02,\\\n03");
  EXPECT_EQ(serialize(back), text);
}

TEST(RegistryText, BytesThatAreNoCharactersWriteAsReplacementCharacters) {
  Document d;
  // A surrogate in UTF-8 form, an overlong slash, a cut-off sequence, a value past U+10FFFF:
  // each byte that starts no character becomes one replacement character.
  d.obtain("K", "").set({"v", ValueKind::String,
                         "a\xED\xBE\xB3"
                         "b\xC0\xAF"
                         "c\xE2\x82"
                         "d\xF7\xBF\xBF\xBF",
                         0, ""});
  const std::string text = serialize(d);
  const Document back = parsed(text);
  EXPECT_EQ(back.find("K")->find("v")->text,
            "a\uFFFD\uFFFD\uFFFDb\uFFFD\uFFFDc\uFFFD\uFFFDd\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(serialize(back), text);
}

TEST(RegistryText, SetReplacesInPlaceAndRepeatedKeysMerge) {
  const Document d = parsed(
      "WINE REGISTRY Version 2\n[A]\n\"x\"=\"1\"\n\"y\"=\"2\"\n[B]\n\"z\"=dword:3\n"
      "[a]\n\"X\"=\"3\"\n");
  ASSERT_EQ(d.keys().size(), 2u);
  const Key* a = d.find("A");
  ASSERT_EQ(a->values.size(), 2u);
  EXPECT_EQ(a->values[0].name, "x");
  EXPECT_EQ(a->values[0].text, "3");
  EXPECT_EQ(a->values[1].name, "y");
}

struct BrokenFile {
  std::string_view text;
  int line;
};

void PrintTo(const BrokenFile& file, std::ostream* out) {
  *out << "line " << file.line << " of " << ::testing::PrintToString(std::string(file.text));
}

class RegistryTextErrors : public ::testing::TestWithParam<BrokenFile> {};

TEST_P(RegistryTextErrors, NameTheLine) {
  const ParseResult result = parse(GetParam().text);
  EXPECT_FALSE(result.document.has_value());
  EXPECT_EQ(result.error.line, GetParam().line) << result.error.what;
  EXPECT_FALSE(result.error.what.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Broken, RegistryTextErrors,
    ::testing::Values(BrokenFile{""sv, 1}, BrokenFile{"REGEDIT4\n[A]\n"sv, 1},
                      BrokenFile{"\n\nWINE REGISTRY Version 2\n"sv, 1},
                      BrokenFile{"WINE REGISTRY Version 2\n\"x\"=\"1\"\n"sv, 2},
                      BrokenFile{"WINE REGISTRY Version 2\n[A]\n\"x\"=\"cut off"sv, 3},
                      BrokenFile{"WINE REGISTRY Version 2\n[A\n"sv, 2},
                      BrokenFile{"WINE REGISTRY Version 2\n[A]\n\"x\"=dword:12345678\"\n"sv, 3},
                      BrokenFile{"WINE REGISTRY Version 2\n[A]\n\"x\"=dword:\n"sv, 3},
                      BrokenFile{"WINE REGISTRY Version 2\n[A]\n\"x\"=\"1\" junk\n"sv, 3},
                      BrokenFile{"WINE REGISTRY Version 2\n[A]\n\"x\"=sz:\"1\"\n"sv, 3},
                      BrokenFile{"WINE REGISTRY Version 2\n[A]\n\"x\"\n"sv, 3},
                      BrokenFile{"WINE REGISTRY Version 2\n[A]\nplain text\n"sv, 3},
                      BrokenFile{"WINE REGISTRY Version 2\n[A]\n\"x\"=hex:01,\\\n  02,\\\n"sv, 4},
                      BrokenFile{"WINE REGISTRY Version 2\n[A]\n\"x\"=\"a\\"sv, 3},
                      BrokenFile{"WINE REGISTRY Version 2\n[A]\n\"x\"=\"1\"\n\"y\"=\"\0\"\n"sv,
                                 4}));

}  // namespace
