// Replacing files whole or not at all, against what a hostile or careless neighbour leaves in the
// folder: planted links, the user's own backups, leftovers of killed writers.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/durable_file.h"
#include "platform/prefix.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using testsupport::TempPrefix;

namespace {

class DurableFile : public ::testing::Test {
 protected:
  std::size_t Entries() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(prefix_.root()), fs::directory_iterator()));
  }
  fs::path At(const std::string& name) const { return prefix_.root() / name; }
  TempPrefix prefix_;
  fs::path file_ = prefix_.root() / "list.txt";
};

pid_t EndedProcess() {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(0);
  ::waitpid(pid, nullptr, 0);
  return pid;
}

}  // namespace

TEST_F(DurableFile, CreatesAndReplaces) {
  const std::size_t before = Entries();
  ASSERT_TRUE(platform::writeFileDurably(file_, "one"));
  EXPECT_EQ(fs::status(file_).permissions(), static_cast<fs::perms>(0644));
  fs::permissions(file_, static_cast<fs::perms>(0640));
  ASSERT_TRUE(platform::writeFileDurably(file_, std::string(100000, 'x')));
  EXPECT_EQ(TempPrefix::readFile(file_), std::string(100000, 'x'));
  EXPECT_EQ(fs::status(file_).permissions(), static_cast<fs::perms>(0640));
  EXPECT_EQ(Entries(), before + 1);
}

TEST_F(DurableFile, FailureLeavesTheTargetAndNoTemporaryFile) {
  fs::create_directories(file_ / "inside");
  const std::size_t before = Entries();
  const auto result = platform::writeFileDurably(file_, "text");
  EXPECT_EQ(result.errorNumber, EISDIR);
  EXPECT_NE(result.error.find(file_.string()), std::string::npos) << result.error;
  EXPECT_TRUE(fs::is_directory(file_ / "inside"));
  EXPECT_EQ(Entries(), before);
  EXPECT_FALSE(platform::writeFileDurably(prefix_.root() / "missing" / "list.txt", "text"));
}

TEST_F(DurableFile, MayReplaceNeedsTheOwnersWriteBit) {
  EXPECT_FALSE(platform::mayReplace(file_));
  TempPrefix::writeFile(file_, "x");
  EXPECT_TRUE(platform::mayReplace(file_));
  fs::permissions(file_, static_cast<fs::perms>(0444));
  EXPECT_FALSE(platform::mayReplace(file_));
}

TEST_F(DurableFile, AReplacedFileKeepsItsOwnerGroupAndMode) {
  TempPrefix::writeFile(file_, "old");
  const bool givenAway = ::chown(file_.c_str(), 4242, 4343) == 0;
  fs::permissions(file_, static_cast<fs::perms>(0604));
  ASSERT_TRUE(platform::writeFileDurably(file_, "new", {.backup = true}));
  for (const fs::path& file : {file_, At("list.txt.bak")}) {
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0604u) << file;
    if (givenAway) {
      EXPECT_EQ(info.st_uid, 4242u) << file;
      EXPECT_EQ(info.st_gid, 4343u) << file;
    }
  }
}

TEST_F(DurableFile, NeverWritesThroughPlantedLinksNorOverTheUsersBackup) {
  const fs::path victim = At("victim");
  TempPrefix::writeFile(victim, "precious");
  TempPrefix::writeFile(file_, "v1");
  fs::create_symlink(victim, At("list.txt.lock"));
  EXPECT_EQ(platform::FileLock(file_).errorNumber(), ELOOP);
  fs::create_symlink(victim, At("list.txt.bak"));
  TempPrefix::writeFile(At("list.txt.qtp.bak"), "the user's too");
  for (const char* text : {"v2", "v3", "v4"})
    ASSERT_TRUE(platform::writeFileDurably(file_, text, {.backup = true}));
  EXPECT_EQ(TempPrefix::readFile(victim), "precious");
  EXPECT_TRUE(fs::is_symlink(At("list.txt.bak")));
  EXPECT_EQ(TempPrefix::readFile(At("list.txt.qtp.bak")), "the user's too");
  EXPECT_EQ(TempPrefix::readFile(At("list.txt.qtp2.bak")), "v3");
  EXPECT_FALSE(fs::exists(At("list.txt.qtp3.bak"))) << "one backup, reused";
}

TEST_F(DurableFile, LeftoversOfEndedWritersGoAtTheNextWriteAndAtStart) {
  const std::string dead = std::to_string(EndedProcess());
  const std::string alive = std::to_string(::getpid());
  const fs::path folder = prefix_.dir();
  const fs::path ours = folder / (".qtp.reg.qtp-tmp." + dead + ".abc123");
  const fs::path running = folder / (".qtp.reg.qtp-tmp." + alive + ".abc123");
  const fs::path other = folder / (".system.reg.qtp-tmp." + dead + ".abc123");
  for (const fs::path& file : {ours, running, other}) TempPrefix::writeFile(file, "partial");
  ASSERT_TRUE(platform::writeFileDurably(folder / "qtp.reg", "new"));
  EXPECT_FALSE(fs::exists(ours));
  EXPECT_TRUE(fs::exists(running));
  EXPECT_TRUE(fs::exists(other)) << "another file's leftovers wait for its write";
  ASSERT_TRUE(platform::openPrefix(folder));
  EXPECT_FALSE(fs::exists(other));
  EXPECT_TRUE(fs::exists(running));
}
