// The program's log: timestamped lines, its size bound with one older file, --verbose, and a
// folder it cannot be written to.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "platform/program_log.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using testsupport::TempPrefix;

namespace {

class ProgramLog : public ::testing::Test {
 protected:
  void TearDown() override { platform::closeProgramLog(); }
  TempPrefix scratch_;
  const fs::path file_ = scratch_.root() / "state" / "qtp" / "qtp.log";
};

TEST_F(ProgramLog, StaysBelowItsBoundWithOneOlderFile) {
  platform::openProgramLog(file_, {.maxBytes = 1000});
  ::testing::internal::CaptureStderr();
  for (int i = 0; i < 60; ++i) platform::logNote("note " + std::to_string(i) + " of the run");
  platform::logReport("the last\nline");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "qtp: the last\nline\n");
  EXPECT_LE(fs::file_size(file_), 1000u);
  EXPECT_LE(fs::file_size(file_.string() + ".1"), 1000u);
  EXPECT_FALSE(fs::exists(file_.string() + ".2"));
  const std::string text = TempPrefix::readFile(file_);
  const std::regex stamped(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d (note \d+ of the run|error: .*)$)");
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    EXPECT_TRUE(std::regex_match(line, stamped)) << line;
  EXPECT_NE(text.find("note 59 of the run\n"), std::string::npos);
  EXPECT_NE(text.find(" error: the last\\nline\n"), std::string::npos);
}

TEST_F(ProgramLog, VerboseCopiesEveryLineToStandardError) {
  platform::openProgramLog(file_, {.verbose = true});
  ::testing::internal::CaptureStderr();
  platform::logNote("detected");
  platform::logReport("failed");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "qtp: detected\nqtp: failed\n");
}

TEST_F(ProgramLog, AFolderThatCannotBeWrittenIsSaidOnceAndTheRunGoesOn) {
  TempPrefix::writeFile(scratch_.root() / "state", "a file where the folder would be");
  ::testing::internal::CaptureStderr();
  platform::openProgramLog(file_);
  platform::logNote("unseen");
  platform::logReport("seen");
  platform::logReport("seen again");
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(errors.find("cannot be written"), errors.rfind("cannot be written")) << errors;
  EXPECT_NE(errors.find("cannot be written"), std::string::npos) << errors;
  EXPECT_NE(errors.find("qtp: seen\nqtp: seen again\n"), std::string::npos) << errors;
  EXPECT_TRUE(platform::programLogFile().empty());
}

}  // namespace
