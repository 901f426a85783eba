// The description list's rules on real files in a test prefix's drive D:.
#include <gtest/gtest.h>

#include "pages/description_list.h"
#include "shell/automation_hooks.h"
#include "tests/support/temp_prefix.h"

namespace {

const QString kFile = QStringLiteral("D:\\GALERIA.TXT");

struct Case {
  const char* rule;
  std::string text;
  int picture;
  QStringList shown;
};

TEST(DescriptionList, SectionsFollowTheHeaderRules) {
  const std::string outOfOrder =
      "[IMAGE 10]\r\nt10\r\n[IMAGE 12]\r\nt12\r\n[IMAGE 11]\r\nt11\r\n[IMAGE 13]\r\nt13\r\n";
  const Case cases[] = {
      {"any letter case", "[image 3]\r\nA\r\n[Image 4]\r\nB\r\n", 3, {"A"}},
      {"a trailing blank makes no header",
       "[IMAGE 3] \r\nA\r\n[IMAGE 3]\r\nB\r\n[IMAGE 4] \r\nC\r\n",
       3,
       {"B", "[IMAGE 4] ", "C"}},
      {"the last runs to the end",
       "[IMAGE 17]\r\nA\r\n[IMAGE 18]\r\nB\r\n\r\nC",
       18,
       {"B", "", "C"}},
      {"out of order, up to n+1", outOfOrder, 10, {"t10", "[IMAGE 12]", "t12"}},
      {"out of order, no n+1 after it", outOfOrder, 11, {"t11", "[IMAGE 13]", "t13"}},
      {"out of order, the first header", outOfOrder, 12, {"t12", "[IMAGE 11]", "t11"}},
      {"CR alone ends lines", "[IMAGE 1]\rA\rB\r[IMAGE 2]\rC\r", 1, {"A", "B"}},
      {"not UTF-8",
       "[IMAGE 1]\r\nB\xDC"
       "CHER\r\n",
       1,
       {"BÜCHER"}},
      {"empty file", "", 1, {}},
      {"binary file", std::string("\x89PNG\r\n\x1a\n\0\0\xff[IMAGE 1]\n\x01", 22), 1, {}},
      {"no headers", "Nur Text\r\nohne Kopf\r\n", 1, {}},
      {"too large", "[IMAGE 1]\r\n" + std::string(5 << 20, 'x'), 1, {}},
      {"no such header", "[IMAGE 1]\r\nA\r\n", 2, {}},
  };
  testsupport::TempPrefix prefix;
  const auto drive = prefix.addDrive('D');
  for (const Case& c : cases) {
    testsupport::TempPrefix::writeFile(drive / "GALERIA.TXT", c.text);
    TDescriptionList list(QStringLiteral("IMAGE"));
    list.readOnce(kFile);
    EXPECT_EQ(list.section(c.picture), c.shown) << c.rule;
  }
}

TEST(DescriptionList, AFileNotReadLeavesTheListEmptySoTheNextCallTriesAgain) {
  testsupport::TempPrefix prefix;
  const auto drive = prefix.addDrive('D');
  QStringList failures;
  hooks::setFileReadObserver([&](const QString&, const QString& why) { failures << why; });
  TDescriptionList list(QStringLiteral("IMAGE"));
  list.readOnce(kFile);
  EXPECT_TRUE(list.isEmpty());
  testsupport::TempPrefix::writeFile(drive / "GALERIA.TXT", "[IMAGE 1]\r\nA\r\n");
  list.readOnce(kFile);
  list.readOnce(kFile);
  EXPECT_EQ(list.section(1), QStringList{"A"});
  EXPECT_EQ(failures, QStringList({"No such file or directory", ""}));
  hooks::clearAll();
}

}  // namespace
