// Replacing a file whole or not at all, and the read and write checks around it.
#include <gtest/gtest.h>

#include <filesystem>

#include "libs/worldvis/atomic_file.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using testsupport::TempPrefix;

namespace {

class AtomicFile : public ::testing::Test {
 protected:
  std::size_t Entries() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(prefix_.root()), fs::directory_iterator()));
  }
  TempPrefix prefix_;
  fs::path file_ = prefix_.root() / "list.txt";
};

}  // namespace

TEST_F(AtomicFile, CreatesAndReplaces) {
  const std::size_t before = Entries();
  ASSERT_TRUE(atomicfile::replace(file_, "one"));
  EXPECT_EQ(fs::status(file_).permissions(), static_cast<fs::perms>(0644));
  fs::permissions(file_, static_cast<fs::perms>(0640));
  ASSERT_TRUE(atomicfile::replace(file_, std::string(100000, 'x')));
  EXPECT_EQ(TempPrefix::readFile(file_), std::string(100000, 'x'));
  EXPECT_EQ(fs::status(file_).permissions(), static_cast<fs::perms>(0640));
  EXPECT_EQ(Entries(), before + 1);
}

TEST_F(AtomicFile, FailureLeavesTheTargetAndNoTemporaryFile) {
  fs::create_directories(file_ / "inside");
  const std::size_t before = Entries();
  EXPECT_FALSE(atomicfile::replace(file_, "text"));
  EXPECT_TRUE(fs::is_directory(file_ / "inside"));
  EXPECT_EQ(Entries(), before);
  EXPECT_FALSE(atomicfile::replace(prefix_.root() / "missing" / "list.txt", "text"));
}

TEST_F(AtomicFile, ReadsWholeFilesUpToTheLimit) {
  TempPrefix::writeFile(file_, std::string("a\0b", 3));
  EXPECT_EQ(atomicfile::readAll(file_, 3), std::string("a\0b", 3));
  EXPECT_FALSE(atomicfile::readAll(file_, 2));
  EXPECT_FALSE(atomicfile::readAll(prefix_.root(), 100));
  EXPECT_FALSE(atomicfile::readAll(prefix_.root() / "missing", 100));
}

TEST_F(AtomicFile, WritableNeedsTheOwnersWriteBit) {
  EXPECT_FALSE(atomicfile::writable(file_));
  TempPrefix::writeFile(file_, "x");
  EXPECT_TRUE(atomicfile::writable(file_));
  fs::permissions(file_, static_cast<fs::perms>(0444));
  EXPECT_FALSE(atomicfile::writable(file_));
}
