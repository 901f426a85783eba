// Reading a file whole, up to a limit.
#include <gtest/gtest.h>

#include <filesystem>

#include "libs/worldvis/atomic_file.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using testsupport::TempPrefix;

namespace {

class AtomicFile : public ::testing::Test {
 protected:
  TempPrefix prefix_;
  fs::path file_ = prefix_.root() / "list.txt";
};

}  // namespace

TEST_F(AtomicFile, ReadsWholeFilesUpToTheLimit) {
  TempPrefix::writeFile(file_, std::string("a\0b", 3));
  EXPECT_EQ(atomicfile::readAll(file_, 3), std::string("a\0b", 3));
  EXPECT_FALSE(atomicfile::readAll(file_, 2));
  EXPECT_FALSE(atomicfile::readAll(prefix_.root(), 100));
  EXPECT_FALSE(atomicfile::readAll(prefix_.root() / "missing", 100));
}
