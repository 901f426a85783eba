// A real installation process killed with SIGKILL while the archive library writes a member,
// then started again, ends as one that was never interrupted: the same files with the same
// bytes, the same log blocks, no unfinished member and registry, files and log in agreement.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <map>
#include <thread>
#include <vector>

#include "installer/record/install_record.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
namespace ir = installrecord;

extern char** environ;

namespace {

pid_t Start(const std::vector<std::string>& arguments) {
  std::vector<char*> argv{const_cast<char*>(QTP_INSTALL_SOAK)};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  posix_spawn(&pid, QTP_INSTALL_SOAK, nullptr, nullptr, argv.data(), environ);
  return pid;
}

int Finish(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

fs::path Simulator(const fs::path& folder) {
  return folder / "prefix" / "drive_c" / "Program Files" / "Microsoft Games" / "FS2000";
}

bool HasPartFile(const fs::path& folder) {
  std::error_code ec;
  for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (it->path().filename().string().rfind(".unrar-", 0) == 0) return true;
  return false;
}

// Sizes and hashes of the files below the folder (times differ between runs), folders as none;
// the log as its blocks' components and record counts.
std::map<fs::path, std::string> Tree(const fs::path& folder) {
  std::map<fs::path, std::string> tree;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    const auto identity = ir::identityOf(entry.path());
    tree[entry.path().lexically_relative(folder)] =
        identity ? std::to_string(identity->size) + " " + std::to_string(identity->hash) : "";
  }
  std::string blocks;
  for (const ir::Block& block : ir::readLog(ir::logPath(folder)).log.blocks)
    blocks += block.component + ":" + std::to_string(block.records.size()) + " ";
  tree[ir::logPath(folder).lexically_relative(folder)] = blocks;
  return tree;
}

TEST(KilledRun, StartedAgainEndsAsOneNeverInterrupted) {
  testsupport::TempPrefix temp;
  const fs::path whole = temp.root() / "whole";
  const fs::path killed = temp.root() / "killed";
  ASSERT_EQ(Finish(Start({"run", whole.string(), "2000", "t1"})), 0);

  const pid_t run = Start({"run", killed.string(), "2000", "t1"});
  const auto until = std::chrono::steady_clock::now() + std::chrono::minutes(3);
  bool partSeen = false;
  while (!partSeen && std::chrono::steady_clock::now() < until &&
         waitpid(run, nullptr, WNOHANG) == 0)
    partSeen = HasPartFile(Simulator(killed));
  kill(run, SIGKILL);
  Finish(run);
  ASSERT_TRUE(partSeen) << "the run ended before a member was caught half written";

  ASSERT_EQ(Finish(Start({"run", killed.string(), "2000", "t1"})), 0);
  EXPECT_FALSE(HasPartFile(killed / "prefix" / "drive_c"));
  EXPECT_EQ(Tree(Simulator(killed)), Tree(Simulator(whole)));
  EXPECT_EQ(Finish(Start({"check", killed.string()})), 0);
}

}  // namespace
