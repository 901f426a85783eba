// Where the prefix lives and what a new one holds.
#include <gtest/gtest.h>

#include "platform/drives.h"
#include "platform/prefix.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using testsupport::ScopedEnv;
using testsupport::TempPrefix;

namespace {

TEST(Prefix, DefaultFolderFollowsTheSettings) {
  ScopedEnv explicitPrefix("QTP_PREFIX", "/srv/qtp");
  ScopedEnv home("HOME", "/home/pilot");
  ScopedEnv data("XDG_DATA_HOME", "/data");
  EXPECT_EQ(platform::defaultPrefixDir(), fs::path("/srv/qtp"));
  ScopedEnv noExplicitPrefix("QTP_PREFIX", std::nullopt);
  EXPECT_EQ(platform::defaultPrefixDir(), fs::path("/data/qtp/prefix"));
  ScopedEnv relativeData("XDG_DATA_HOME", "relative/data");
  EXPECT_EQ(platform::defaultPrefixDir(), fs::path("/home/pilot/.local/share/qtp/prefix"));
  ScopedEnv noHome("HOME", std::nullopt);
  EXPECT_EQ(platform::defaultPrefixDir(), fs::path());
  EXPECT_FALSE(platform::openPrefix(platform::defaultPrefixDir()));
}

TEST(Prefix, ANewFolderGetsDriveCAndZ) {
  TempPrefix scratch;
  const fs::path fresh = scratch.root() / "new" / "prefix";
  ASSERT_TRUE(platform::openPrefix(fresh.string() + "/"));
  EXPECT_EQ(platform::currentPrefixDir(), fresh);
  EXPECT_TRUE(fs::is_directory(fresh / "drive_c"));
  EXPECT_EQ(fs::read_symlink(fresh / "dosdevices" / "c:"), fs::path("../drive_c"));
  EXPECT_EQ(fs::read_symlink(fresh / "dosdevices" / "z:"), fs::path("/"));
}

TEST(Prefix, AnExistingPrefixIsUsedAsItIs) {
  TempPrefix scratch;
  const fs::path wine = scratch.root() / "wine";
  fs::create_directories(wine / "dosdevices");
  fs::create_directories(wine / "drive_d");
  fs::create_directory_symlink("../drive_d", wine / "dosdevices" / "d:");
  ASSERT_TRUE(platform::openPrefix(wine));
  EXPECT_FALSE(fs::exists(wine / "drive_c"));
  ASSERT_EQ(platform::drives().size(), 1u);
  EXPECT_EQ(platform::drives()[0].letter, 'D');
}

TEST(Prefix, AnUnusableFolderKeepsThePreviousPrefix) {
  TempPrefix scratch;
  TempPrefix::writeFile(scratch.root() / "plain-file", "x");
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(platform::openPrefix(scratch.root() / "plain-file"));
  EXPECT_FALSE(platform::openPrefix(scratch.root() / "plain-file" / "below"));
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(platform::currentPrefixDir(), scratch.dir());
  EXPECT_NE(errors.find("plain-file"), std::string::npos);
}

// How the start treats the folder: named (by --prefix or $QTP_PREFIX) or the default one,
// missing, empty or a prefix, with --create-prefix or without.
TEST(Prefix, ANamedFolderMustBeAPrefixUnlessCreateIsGiven) {
  enum class Before { Missing, EmptyFolder, Prefix };
  struct Case {
    const char* named;        // --prefix, relative to the scratch folder; "" for none
    const char* environment;  // $QTP_PREFIX likewise; nullptr: unset
    Before before;
    bool create;
    platform::PrefixStart wanted;
  };
  using enum platform::PrefixStart;
  const Case cases[] = {
      {"typo", nullptr, Before::Missing, false, Refused},
      {"empty/", nullptr, Before::EmptyFolder, false, Refused},
      {"", "typo", Before::Missing, false, Refused},
      {"my prefix/", nullptr, Before::Prefix, false, Opened},
      {"Präfix mit Leerzeichen/", nullptr, Before::Missing, true, Opened},
      {"", "empty", Before::EmptyFolder, true, Opened},
      {"", nullptr, Before::Missing, false, Opened},  // the default folder, made on first start
  };
  for (const Case& c : cases) {
    TempPrefix scratch;
    ScopedEnv data("XDG_DATA_HOME", scratch.root().string());
    ScopedEnv environment(
        "QTP_PREFIX", c.environment ? std::optional(scratch.root().string() + "/" + c.environment)
                                    : std::nullopt);
    const std::string named = *c.named ? scratch.root().string() + "/" + c.named : "";
    const fs::path folder = !named.empty()  ? fs::path(named)
                            : c.environment ? scratch.root() / c.environment
                                            : scratch.root() / "qtp" / "prefix";
    if (c.before != Before::Missing) fs::create_directories(folder);
    if (c.before == Before::Prefix) {
      ASSERT_TRUE(platform::openPrefix(folder));
    }
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(platform::startPrefix(named, c.create), c.wanted) << folder;
    const std::string errors = ::testing::internal::GetCapturedStderr();
    const bool opened = c.wanted == platform::PrefixStart::Opened;
    EXPECT_EQ(fs::is_directory(folder / "dosdevices" / "c:"), opened) << folder;
    EXPECT_EQ(errors.find(folder.string()) != std::string::npos, !opened) << errors;
    if (opened) {
      EXPECT_EQ(platform::currentPrefixDir(), fs::canonical(folder));
    }
  }
}

}  // namespace
