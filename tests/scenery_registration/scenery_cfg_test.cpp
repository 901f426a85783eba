// Reading SCENERY.CFG: the registered title, the next area number, and the entry's text.
#include <gtest/gtest.h>

#include <string>

#include "installer/scenery_cfg.h"

using scenerycfg::Scan;

namespace {

Scan ScanOf(const std::string& text) {
  return scenerycfg::scan(text);
}

}  // namespace

TEST(SceneryCfgNumbering, FollowsTheLastAreaWithItsPadding) {
  const Scan scan =
      ScanOf("[General]\r\nTitle=FS2000\r\n\r\n[Area.040]\r\nLayer=40\r\n[Area.041]\r\n");
  ASSERT_EQ(scan.outcome, Scan::Outcome::Append);
  EXPECT_EQ(scan.next, 42);
  const std::string entry = scenerycfg::areaEntry(scan.next);
  EXPECT_NE(entry.find("\r\n[Area.042]\r\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\r\nLayer=42\r\n"), std::string::npos) << entry;
}

TEST(SceneryCfgNumbering, EntriesEndTheirLinesAsTheFileDoes) {
  EXPECT_EQ(ScanOf("[Area.1]\nA=1\n").lineEnd, "\n");
  EXPECT_EQ(ScanOf("[Area.1]\r\nA=1\r\n").lineEnd, "\r\n");
  EXPECT_EQ(ScanOf("[Area.1]\nA=1\r\n").lineEnd, "\r\n");
  EXPECT_EQ(scenerycfg::areaEntry(2, "\n").find('\r'), std::string::npos);
}

TEST(SceneryCfgNumbering, FindsHeadersInAnyLetterCase) {
  EXPECT_EQ(ScanOf("[AREA.007]\r\n").next, 8);
  EXPECT_EQ(ScanOf("[area.007]\r\n").next, 8);
  EXPECT_EQ(ScanOf("  [aReA.012]  \r\n").next, 13);
}

TEST(SceneryCfgNumbering, ReadsTheWholeNumber) {
  EXPECT_EQ(ScanOf("[Area.1000]\r\n").next, 1001);
  const Scan shortNumber = ScanOf("[Area.5]\r\n");
  ASSERT_EQ(shortNumber.outcome, Scan::Outcome::Append);
  EXPECT_EQ(shortNumber.next, 6);
  EXPECT_NE(scenerycfg::areaEntry(6).find("[Area.006]\r\n"), std::string::npos);
  EXPECT_NE(scenerycfg::areaEntry(1001).find("[Area.1001]\r\nTitle"), std::string::npos);
}

TEST(SceneryCfgNumbering, TakesTheHighestAreaWhereverItStands) {
  const Scan scan = ScanOf("[Area.120]\r\n[Area.007]\r\n[Area.099]\r\n");
  EXPECT_EQ(scan.outcome, Scan::Outcome::Append);
  EXPECT_EQ(scan.next, 121);
}

TEST(SceneryCfgNumbering, RefusesHeadersWithoutANumber) {
  EXPECT_EQ(ScanOf("[Area.041]\r\n[Area.x1]\r\n").outcome, Scan::Outcome::BadNumber);
  EXPECT_EQ(ScanOf("[Area.]\r\n").outcome, Scan::Outcome::BadNumber);
  EXPECT_EQ(ScanOf("[Area.041\r\n").outcome, Scan::Outcome::BadNumber);
  EXPECT_EQ(ScanOf("[Area.-4]\r\n").outcome, Scan::Outcome::BadNumber);
  EXPECT_EQ(ScanOf("[Area.4 2]\r\n").outcome, Scan::Outcome::BadNumber);
  EXPECT_EQ(ScanOf("[Area.99999999999999999999]\r\n").outcome, Scan::Outcome::BadNumber);
  EXPECT_EQ(ScanOf("[Area.999999999]\r\n").outcome, Scan::Outcome::BadNumber);
  EXPECT_EQ(ScanOf("[Area.999999998]\r\n").next, 999999999);
}

TEST(SceneryCfgNumbering, NeedsAnAreaHeader) {
  EXPECT_EQ(ScanOf("").outcome, Scan::Outcome::NoArea);
  EXPECT_EQ(ScanOf("[General]\r\nTitle=FS2000 Scenery\r\n").outcome, Scan::Outcome::NoArea);
  EXPECT_EQ(ScanOf("[Area 041]\r\n[Area:041]\r\n").outcome, Scan::Outcome::NoArea);
}

TEST(SceneryCfgTitle, CountsOnlyTheExactLine) {
  EXPECT_EQ(ScanOf("[Area.001]\r\nTitle=Norvane AZ\r\n").outcome, Scan::Outcome::Registered);
  EXPECT_EQ(ScanOf("[Area.001]\nTitle=Norvane AZ").outcome, Scan::Outcome::Registered);
  EXPECT_EQ(ScanOf("[Area.001]\r\nTitle=Norvane AZ \r\n").outcome, Scan::Outcome::Append);
  EXPECT_EQ(ScanOf("[Area.001]\r\n Title=Norvane AZ\r\n").outcome, Scan::Outcome::Append);
  EXPECT_EQ(ScanOf("[Area.001]\r\nTitle=NORVANE AZ\r\n").outcome, Scan::Outcome::Append);
  EXPECT_EQ(ScanOf("[Area.001]\r\nTitle=Norvane AZ2\r\n").outcome, Scan::Outcome::Append);
  // Registered wins over a header that cannot be read: nothing would be written anyway.
  EXPECT_EQ(ScanOf("[Area.x]\r\nTitle=Norvane AZ\r\n").outcome, Scan::Outcome::Registered);
}

TEST(SceneryCfgLines, EndInCrLfLfOrCrAlone) {
  EXPECT_EQ(ScanOf("[Area.003]\n[Area.004]\n").next, 5);
  EXPECT_EQ(ScanOf("[Area.003]\r[Area.004]\r").next, 5);
  EXPECT_EQ(ScanOf("[Area.003]\r\r\n\n\r[Area.009]").next, 10);
  EXPECT_EQ(ScanOf("[Area.003]\rTitle=Norvane AZ\r[Area.004]").outcome, Scan::Outcome::Registered);
  // A header glued to the title line by a lost line end is one line, not a title.
  EXPECT_EQ(ScanOf("[Area.003]Title=Norvane AZ\r\n").outcome, Scan::Outcome::Append);
}

TEST(SceneryCfgLines, SurviveBinaryJunk) {
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 131 + 7) % 256);
  const Scan scan = ScanOf(junk);
  EXPECT_EQ(scan.outcome, Scan::Outcome::NoArea);
  const char withNulBytes[] =
      "[Area.0\0"
      "12]\r\n";
  const std::string withNul(withNulBytes, sizeof withNulBytes - 1);
  EXPECT_EQ(ScanOf(withNul).outcome, Scan::Outcome::BadNumber);
  EXPECT_EQ(ScanOf(junk + "\n[Area.077]\n" + junk).next, 78);
}

TEST(SceneryCfgEntry, HasTheEightLinesInOrder) {
  EXPECT_EQ(scenerycfg::areaEntry(42),
            "\r\n"
            "\r\n"
            "[Area.042]\r\n"
            "Title=Norvane AZ\r\n"
            "Local=Norvane\\AZ\\Scenery\r\n"
            "Active=TRUE\r\n"
            "Layer=42\r\n"
            "Flatten.0=959,N33 25 00,W112 24 00,N33 26 17,W112 21 53,N33 25 41,W112 21 26,"
            "N33 24 33,W112 23 02\r\n");
}
