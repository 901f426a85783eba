// The link component: its properties as the installer sets them, the desktop entry it writes,
// the error it raises and the two shell folders.
#include <gtest/gtest.h>

#include <QObject>
#include <QVariant>
#include <filesystem>

#include "installer/shortcut_link.h"
#include "platform/paths.h"
#include "tests/shortcuts/link_home.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using testsupport::TempPrefix;

namespace {

class ShortcutLinkTest : public ::testing::Test {
 protected:
  TempPrefix prefix_;
  LinkHome home_{prefix_.root()};
  QObject owner_;
  TShortcutLink link_{&owner_};
};

}  // namespace

TEST_F(ShortcutLinkTest, StartsEmptyWithASpaceAndNormalWindow) {
  EXPECT_EQ(link_.parent(), &owner_);
  EXPECT_EQ(link_.HotKey(), QChar(u' '));
  EXPECT_EQ(link_.ShowCmd(), TShortcutLink::scShowNormal);
  EXPECT_EQ(link_.IconNumber(), 0);
  EXPECT_TRUE(link_.ShortcutFile().isEmpty());
  EXPECT_TRUE(link_.Target().isEmpty());
}

TEST_F(ShortcutLinkTest, StoresTheHotKeyUpperCased) {
  link_.setHotKey(u'q');
  EXPECT_EQ(link_.HotKey(), QChar(u'Q'));
  link_.setHotKey(QChar(0xE4));  // a-umlaut
  EXPECT_EQ(link_.HotKey(), QChar(0xC4));
  link_.setHotKey(u'7');
  EXPECT_EQ(link_.HotKey(), QChar(u'7'));
  link_.setHotKey(QChar());
  EXPECT_EQ(link_.HotKey(), QChar(u' '));
}

TEST_F(ShortcutLinkTest, StoresTheWindowsShowCommands) {
  const std::pair<TShortcutLink::TShowCmd, int> cases[] = {
      {TShortcutLink::scShowMaximized, 3},
      {TShortcutLink::scShowMinimized, 2},
      {TShortcutLink::scShowNormal, 1},
  };
  for (const auto& [state, stored] : cases) {
    link_.setShowCmd(state);
    EXPECT_EQ(link_.StoredShowCommand(), stored);
    EXPECT_EQ(link_.ShowCmd(), state);
  }
  link_.setShowCmd(TShortcutLink::scShowMaximized);
  ASSERT_TRUE(link_.setProperty("ShowCmd", 7));
  EXPECT_EQ(link_.ShowCmd(), TShortcutLink::scShowNormal);
  EXPECT_EQ(link_.StoredShowCommand(), 1);
}

TEST_F(ShortcutLinkTest, PublishesEveryPropertyByName) {
  for (const char* name :
       {"ShortcutFile", "Target", "WorkingDir", "Description", "Arguments", "IconLocation"}) {
    ASSERT_TRUE(link_.setProperty(name, QStringLiteral("C:\\x")));
    EXPECT_EQ(link_.property(name).toString(), QStringLiteral("C:\\x")) << name;
  }
  ASSERT_TRUE(link_.setProperty("IconNumber", QVariant::fromValue<qint16>(-3)));
  EXPECT_EQ(link_.IconNumber(), -3);
  ASSERT_TRUE(link_.setProperty("HotKey", QVariant::fromValue(QChar(u'k'))));
  EXPECT_EQ(link_.property("HotKey").value<QChar>(), QChar(u'K'));
  EXPECT_EQ(link_.property("ShowCmd").toInt(), TShortcutLink::scShowNormal);
}

TEST_F(ShortcutLinkTest, WritesADesktopEntryFromTheProperties) {
  const fs::path folder = prefix_.driveC() / "QTP";
  fs::create_directories(folder);
  link_.setShortcutFile(QStringLiteral("C:\\QTP\\Start QTP.lnk"));
  link_.setTarget(QStringLiteral("C:\\QTP\\QTP.EXE"));
  link_.setWorkingDir(QStringLiteral("C:\\QTP\\"));
  link_.setIconLocation(QStringLiteral("C:\\QTP\\QTP.EXE"));
  link_.setIconNumber(2);
  link_.setDescription(QStringLiteral("Flugschule"));
  link_.setArguments(QStringLiteral("/fs2000"));
  link_.setHotKey(u'q');
  link_.setShowCmd(TShortcutLink::scShowMaximized);
  link_.CreateLink();

  const fs::path entry = folder / "Start QTP.desktop";
  ASSERT_TRUE(ValidEntry(entry));
  const std::string host = fs::canonical(folder).string();
  EXPECT_EQ(EntryValue(entry, "Exec"), "\"" + host + "/QTP.EXE\" \"/fs2000\"");
  EXPECT_EQ(EntryValue(entry, "Comment"), "Flugschule");
  EXPECT_EQ(EntryValue(entry, "Icon"), host + "/QTP.EXE");
  EXPECT_EQ(EntryValue(entry, "X-Windows-IconIndex"), "2");
  EXPECT_EQ(EntryValue(entry, "X-Windows-HotKey"), "0x0651");  // Control+Alt+Q
  EXPECT_EQ(EntryValue(entry, "X-Windows-ShowCmd"), "3");
  EXPECT_FALSE(fs::exists(folder / "Start QTP.lnk"));
}

TEST_F(ShortcutLinkTest, SpaceHotKeyIsControlAltSpace) {
  fs::create_directories(prefix_.driveC() / "QTP");
  link_.setShortcutFile(QStringLiteral("C:\\QTP\\QTP.lnk"));
  link_.setTarget(QStringLiteral("C:\\QTP\\QTP.EXE"));
  link_.setHotKey(u' ');
  link_.setShowCmd(TShortcutLink::scShowMinimized);
  link_.CreateLink();
  const fs::path entry = prefix_.driveC() / "QTP" / "QTP.desktop";
  EXPECT_EQ(EntryValue(entry, "X-Windows-HotKey"), "0x0620");
  EXPECT_EQ(EntryValue(entry, "X-Windows-ShowCmd"), "2");
  EXPECT_TRUE(ValidEntry(entry));
}

TEST_F(ShortcutLinkTest, RaisesWhenTheFileCannotBeWritten) {
  link_.setTarget(QStringLiteral("C:\\QTP\\QTP.EXE"));
  for (const char* file : {"", "C:\\Missing\\QTP.lnk", "Q:\\QTP.lnk"}) {
    link_.setShortcutFile(QString::fromLatin1(file));
    try {
      link_.CreateLink();
      ADD_FAILURE() << "no error for " << file;
    } catch (const EShortcutError& error) {
      EXPECT_STREQ(error.what(), "Unable to create .lnk file");
    }
  }
  // A folder standing where the entry goes is not replaced.
  fs::create_directories(prefix_.driveC() / "QTP" / "QTP.desktop" / "inside");
  link_.setShortcutFile(QStringLiteral("C:\\QTP\\QTP.lnk"));
  EXPECT_THROW(link_.CreateLink(), EShortcutError);
  EXPECT_TRUE(fs::exists(prefix_.driveC() / "QTP" / "QTP.desktop" / "inside"));
}

TEST_F(ShortcutLinkTest, FindsTheUsersFolders) {
  const fs::path home = prefix_.root() / "home";
  EXPECT_EQ(link_.GetProgramsFolder().toStdString(),
            platform::toWindows(home / ".local" / "share" / "applications"));
  EXPECT_EQ(link_.GetDesktopFolder().toStdString(), platform::toWindows(home / "Desktop"));
  EXPECT_FALSE(link_.GetProgramsFolder().endsWith(u'\\'));

  TempPrefix::writeFile(home / ".config" / "user-dirs.dirs",
                        "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
  EXPECT_EQ(link_.GetDesktopFolder().toStdString(), platform::toWindows(home / "Schreibtisch"));
}

TEST_F(ShortcutLinkTest, FindsNoFoldersWithoutAHome) {
  testsupport::ScopedEnv noHome("HOME", std::nullopt);
  EXPECT_TRUE(link_.GetProgramsFolder().isEmpty());
  EXPECT_TRUE(link_.GetDesktopFolder().isEmpty());
}
