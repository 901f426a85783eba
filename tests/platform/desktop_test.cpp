// The user's shell folders and the screen width the pages lay themselves out by.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "platform/screen.h"
#include "platform/special_folders.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using testsupport::ScopedEnv;
using testsupport::TempPrefix;

namespace {

std::string zPath(const fs::path& host) {
  std::string result = "Z:";
  for (const auto& part : host.relative_path()) result += "\\" + part.string();
  return result;
}

TEST(SpecialFolders, FollowTheXdgSettings) {
  TempPrefix prefix;
  const fs::path home = fs::canonical(prefix.root());
  ScopedEnv homeEnv("HOME", home.string());
  ScopedEnv data("XDG_DATA_HOME", std::nullopt);
  ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
  EXPECT_EQ(platform::programsFolder(), zPath(home / ".local" / "share" / "applications"));
  EXPECT_EQ(platform::desktopFolder(), zPath(home / "Desktop"));

  TempPrefix::writeFile(
      home / ".config" / "user-dirs.dirs",
      "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
  EXPECT_EQ(platform::desktopFolder(), zPath(home / "Schreibtisch"));

  ScopedEnv otherData("XDG_DATA_HOME", (home / "data").string());
  EXPECT_EQ(platform::programsFolder(), zPath(home / "data" / "applications"));
}

TEST(SpecialFolders, TheDesktopComesFromTheEnvironmentThenUserDirsThenHomeAndIsMade) {
  const struct {
    const char *environment, *userDirs, *desktop;  // below the home; null: unset, no file
  } cases[] = {
      {"/Env", "XDG_DESKTOP_DIR=\"$HOME/Pult\"\n", "Env"},
      {nullptr, "XDG_DESKTOP_DIR=\"$HOME/Ab \\\"s\\\"\"\nXDG_DESKTOP_DIR=\"rel\"\n", "Ab \"s\""},
      {nullptr, "XDG_DESKTOP_DIR=\"$HOMEX\"\n#XDG_DESKTOP_DIR=\"$HOME/P\"\nXDG_DESKTOP_DIR2=\"/\"",
       "Desktop"},
      {nullptr, nullptr, "Desktop"},
  };
  for (const auto& c : cases) {
    TempPrefix prefix;
    const fs::path home = fs::canonical(prefix.root());
    ScopedEnv homeEnv("HOME", home.string());
    ScopedEnv config("XDG_CONFIG_HOME", (home / "cfg").string());
    ScopedEnv desktop("XDG_DESKTOP_DIR",
                      c.environment ? std::optional(home.string() + c.environment) : std::nullopt);
    if (c.userDirs) TempPrefix::writeFile(home / "cfg" / "user-dirs.dirs", c.userDirs);
    EXPECT_EQ(platform::desktopFolder(), zPath(home / c.desktop)) << c.desktop;
    EXPECT_TRUE(fs::is_directory(home / c.desktop)) << c.desktop;
  }
}

TEST(SpecialFolders, FoldersInsideTheDrivesUseTheirLetter) {
  TempPrefix prefix;
  const fs::path home = fs::canonical(prefix.driveC()) / "users" / "pilot";
  ScopedEnv homeEnv("HOME", home.string());
  ScopedEnv data("XDG_DATA_HOME", std::nullopt);
  ScopedEnv config("XDG_CONFIG_HOME", (home / "cfg").string());
  EXPECT_EQ(platform::programsFolder(), "C:\\users\\pilot\\.local\\share\\applications");
  EXPECT_EQ(platform::desktopFolder(), "C:\\users\\pilot\\Desktop");
}

TEST(SpecialFolders, AnUnknownHomeGivesNoFolder) {
  TempPrefix prefix;
  ScopedEnv homeEnv("HOME", std::nullopt);
  ScopedEnv data("XDG_DATA_HOME", std::nullopt);
  EXPECT_EQ(platform::programsFolder(), "");
  EXPECT_EQ(platform::desktopFolder(), "");
}

TEST(ScreenWidth, TheOverrideWinsUntilCleared) {
  int argc = 1;
  char name[] = "desktop_test";
  char* argv[] = {name, nullptr};
  ScopedEnv platformEnv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const int screen = QGuiApplication::primaryScreen()->geometry().width();
  ASSERT_GT(screen, 0);
  platform::setScreenWidthOverride(651);
  EXPECT_EQ(platform::screenWidth(), 651);
  platform::setScreenWidthOverride(0);
  EXPECT_EQ(platform::screenWidth(), screen);
  platform::setScreenWidthOverride(-5);
  EXPECT_EQ(platform::screenWidth(), screen);
}

}  // namespace
