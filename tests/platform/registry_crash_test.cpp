// A writer killed at any moment leaves qtp.reg readable, holding the value of its last finished
// write or of the write it was in the middle of.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "platform/registry_text.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using testsupport::TempPrefix;

extern char** environ;

namespace {

struct Stored {
  std::uint32_t counter = 0;
  std::uint32_t text = 0;
};

// Reads Counter and Text back from a registry file, failing the test when it does not parse.
Stored readStored(const fs::path& file) {
  Stored stored;
  if (!fs::exists(file)) return stored;
  const auto result = platform::regtext::parse(TempPrefix::readFile(file));
  EXPECT_TRUE(result.document) << file << " line " << result.error.line << ": "
                               << result.error.what;
  if (!result.document) return stored;
  const auto* key = result.document->find("SOFTWARE\\NORVANE\\QTP\\1.0");
  if (key == nullptr) return stored;
  if (const auto* counter = key->find("Counter")) stored.counter = counter->number;
  if (const auto* text = key->find("Text"))
    stored.text = static_cast<std::uint32_t>(std::stoul(text->text));
  return stored;
}

class Writer {
 public:
  explicit Writer(const fs::path& prefix) {
    int fds[2];
    EXPECT_EQ(::pipe2(fds, O_CLOEXEC), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    std::string program = QTP_REGISTRY_WRITER;
    std::string prefixArg = prefix.string();
    char* argv[] = {program.data(), prefixArg.data(), nullptr};
    EXPECT_EQ(::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    out_ = fds[0];
  }
  ~Writer() { ::close(out_); }

  // Waits until the writer reports a finished write; false when it ended or took too long.
  bool awaitFirstWrite() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (reported_.find('\n') == std::string::npos) {
      pollfd p{out_, POLLIN, 0};
      if (std::chrono::steady_clock::now() > deadline || ::poll(&p, 1, 100) < 0) return false;
      if ((p.revents & (POLLIN | POLLHUP)) && !readSome()) return false;
    }
    return true;
  }

  // Kills the writer and returns the last write it reported finished (0 when none).
  std::uint32_t kill() {
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    while (readSome()) {
    }
    const auto end = reported_.rfind('\n');
    if (end == std::string::npos) return 0;
    const auto previous = end == 0 ? std::string::npos : reported_.rfind('\n', end - 1);
    const std::size_t start = previous == std::string::npos ? 0 : previous + 1;
    return static_cast<std::uint32_t>(std::stoul(reported_.substr(start, end - start)));
  }

 private:
  bool readSome() {
    char buffer[4096];
    const ssize_t n = ::read(out_, buffer, sizeof buffer);
    if (n <= 0) return false;
    reported_.append(buffer, static_cast<std::size_t>(n));
    return true;
  }

  pid_t pid_ = -1;
  int out_ = -1;
  std::string reported_;
};

TEST(RegistryCrashSafety, AKilledWriterLeavesTheOldOrTheNewValue) {
  TempPrefix prefix;
  const fs::path file = prefix.dir() / "qtp.reg";
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> pause(0, 4000);
  for (int round = 0; round < 100; ++round) {
    const Stored before = readStored(file);
    Writer writer(prefix.dir());
    ASSERT_TRUE(writer.awaitFirstWrite()) << "round " << round;
    std::this_thread::sleep_for(std::chrono::microseconds(pause(random)));
    std::uint32_t finished = writer.kill();
    if (finished == 0) finished = before.counter;
    const Stored after = readStored(file);
    ASSERT_TRUE(after.counter == finished || after.counter == finished + 1)
        << "round " << round << ": stored " << after.counter << ", last finished " << finished;
    ASSERT_TRUE(after.text == after.counter || after.text + 1 == after.counter)
        << "round " << round << ": Counter " << after.counter << ", Text " << after.text;
    if (fs::exists(file.string() + ".bak")) readStored(file.string() + ".bak");
  }
}

}  // namespace
