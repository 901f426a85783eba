// Shell links written as desktop entries beside the requested .lnk name.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/shell_link.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using testsupport::TempPrefix;

namespace {

class ShellLinks : public ::testing::Test {
 protected:
  void SetUp() override {
    c_ = fs::canonical(prefix_.driveC());
    fs::create_directories(c_ / "Menu" / "Norvane" / "QTP");
    fs::create_directories(c_ / "Flug $imulator 100%" / "QTP");
  }
  TempPrefix prefix_;
  fs::path c_;
};

TEST_F(ShellLinks, StandBesideTheRequestedNameAsExecutableEntries) {
  platform::ShellLink link;
  link.target = "C:\\FLUG $IMULATOR 100%\\QTP\\QTP.EXE";
  link.workingDir = "C:\\Flug $imulator 100%\\QTP\\";
  link.iconLocation = link.target;
  link.arguments = "/fs2000 \"two words\"";
  link.hotKey = 0x0620;
  ASSERT_TRUE(platform::writeShellLink("C:\\menu\\Norvane\\QTP\\QTP.lnk", link));
  const fs::path file = c_ / "Menu" / "Norvane" / "QTP" / "QTP.desktop";
  EXPECT_TRUE(platform::fileExists(platform::linkFileFor("C:\\Menu\\Norvane\\QTP\\QTP.lnk")));
  EXPECT_FALSE(fs::exists(c_ / "Menu" / "Norvane" / "QTP" / "QTP.lnk"));
  EXPECT_NE(fs::status(file).permissions() & fs::perms::owner_exec, fs::perms::none);
  const std::string folder = (c_ / "Flug $imulator 100%" / "QTP").string();
  const std::string text = TempPrefix::readFile(file);
  EXPECT_EQ(text.rfind("[Desktop Entry]\nType=Application\nName=QTP\n", 0), 0u) << text;
  // Exec quoting escapes $ with a backslash, which the file format then doubles.
  std::string quotedFolder;
  for (char c : folder) {
    if (c == '$') quotedFolder += "\\\\";
    quotedFolder += c;
    if (c == '%') quotedFolder += '%';
  }
  EXPECT_NE(text.find("\nExec=\"" + quotedFolder + "/QTP.EXE\" \"/fs2000\" \"two words\"\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\nPath=" + folder + "\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nIcon=" + folder + "/QTP.EXE\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nX-Windows-HotKey=0x0620\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nX-Windows-ShowCmd=1\n"), std::string::npos) << text;
  EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(ShellLinks, NeedAnExistingFolder) {
  platform::ShellLink link;
  link.target = "C:\\QTP\\QTP.EXE";
  EXPECT_FALSE(platform::writeShellLink("C:\\Menu\\Missing\\QTP.lnk", link));
  EXPECT_FALSE(platform::writeShellLink("Q:\\QTP.lnk", link));
  EXPECT_FALSE(fs::exists(c_ / "Menu" / "Missing"));
}

TEST_F(ShellLinks, NameTheirFileAfterTheLink) {
  EXPECT_EQ(platform::linkFileFor("C:\\Menu\\Uninstall.LNK"), "C:\\Menu\\Uninstall.desktop");
  EXPECT_EQ(platform::linkFileFor("C:\\Menu\\Plain"), "C:\\Menu\\Plain.desktop");
}

}  // namespace
