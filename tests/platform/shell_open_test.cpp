// Shell open: the recorder, and real starts of programs and of the desktop's opener.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/shell_open.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using platform::ShellOpenRequest;
using testsupport::TempPrefix;

namespace {

// Waits for a file that a started program writes; programs start detached, so we poll.
std::string awaitFile(const fs::path& file) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    if (fs::exists(file)) {
      const std::string text = TempPrefix::readFile(file);
      if (!text.empty() && text.back() == '\n') return text;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return "(nothing written)";
}

void writeScript(const fs::path& file, std::string_view body) {
  TempPrefix::writeFile(file, "#!/bin/sh\n" + std::string(body));
  fs::permissions(file, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
}

class ShellOpen : public ::testing::Test {
 protected:
  void SetUp() override {
    c_ = fs::canonical(prefix_.driveC());
    record_ = prefix_.root() / "record.txt";
    const fs::path bin = prefix_.root() / "bin";
    // Stand-ins for the desktop's opener and for wine that note how they were called.
    writeScript(bin / "xdg-open", "echo \"opener|$PWD|$*\" > '" + record_.string() + "'\n");
    writeScript(bin / "wine", "echo \"wine|$WINEPREFIX|$PWD|$*\" > '" + record_.string() + "'\n");
    const char* path = std::getenv("PATH");
    savedPath_ = path ? path : "";
    ::setenv("PATH", (bin.string() + ":" + savedPath_).c_str(), 1);
  }
  void TearDown() override {
    ::setenv("PATH", savedPath_.c_str(), 1);
    platform::setShellOpenRecorder(nullptr);
  }

  TempPrefix prefix_;
  fs::path c_;
  fs::path record_;
  std::string savedPath_;
};

TEST_F(ShellOpen, TheRecorderGetsRequestsInsteadOfTheDesktop) {
  std::vector<ShellOpenRequest> seen;
  platform::setShellOpenRecorder([&seen](const ShellOpenRequest& r) { seen.push_back(r); });
  platform::shellOpen({"QTP_FAQ.HTM", "Open", "", "D:\\UIRES"});
  platform::shellOpen({"https://example.org/", "", "", ""});
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].target, "QTP_FAQ.HTM");
  EXPECT_EQ(seen[0].verb, "Open");
  EXPECT_EQ(seen[0].dir, "D:\\UIRES");
  EXPECT_EQ(seen[1].target, "https://example.org/");
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(fs::exists(record_));
}

TEST_F(ShellOpen, StartsAProgramWithItsParametersInItsFolder) {
  fs::create_directories(c_ / "Work");
  writeScript(c_ / "Tools" / "record.sh",
              "printf 'program|%s|%s|%s\\n' \"$PWD\" \"$1\" \"$2\" > '" + record_.string() + "'\n");
  platform::shellOpen({"C:\\TOOLS\\Record.sh", "open", "one \"two words\"", "C:\\work"});
  EXPECT_EQ(awaitFile(record_), "program|" + (c_ / "Work").string() + "|one|two words\n");
}

TEST_F(ShellOpen, ARelativeTargetIsFoundInTheWorkingFolder) {
  writeScript(c_ / "Tools" / "record.sh",
              "printf 'program|%s\\n' \"$PWD\" > '" + record_.string() + "'\n");
  platform::shellOpen({"RECORD.SH", "", "", "C:\\Tools"});
  EXPECT_EQ(awaitFile(record_), "program|" + (c_ / "Tools").string() + "\n");
}

TEST_F(ShellOpen, DocumentsAndAddressesGoToTheDesktopOpener) {
  const fs::path cd = fs::canonical(prefix_.addDrive('D'));
  TempPrefix::writeFile(cd / "UIRES" / "QTP_FAQ.HTM", "<html/>");
  platform::shellOpen({"QTP_FAQ.HTM", "Open", "", "D:\\UIRES"});
  EXPECT_EQ(awaitFile(record_), "opener|" + (cd / "UIRES").string() + "|" +
                                    (cd / "UIRES" / "QTP_FAQ.HTM").string() + "\n");
  fs::remove(record_);
  platform::shellOpen({"https://example.org/a?b=c", "", "", ""});
  EXPECT_NE(awaitFile(record_).find("|https://example.org/a?b=c\n"), std::string::npos);
}

TEST_F(ShellOpen, WindowsProgramsGoToWineInThisPrefix) {
  TempPrefix::writeFile(c_ / "FS2000" / "FS2000.EXE", "MZ");
  platform::shellOpen({"C:\\FS2000\\FS2000.EXE", "", "/safe", ""});
  EXPECT_EQ(awaitFile(record_), "wine|" + prefix_.dir().string() + "|" + (c_ / "FS2000").string() +
                                    "|" + (c_ / "FS2000" / "FS2000.EXE").string() + " /safe\n");
}

TEST_F(ShellOpen, MissingTargetsAreLoggedNotRaised) {
  ::testing::internal::CaptureStderr();
  platform::shellOpen({"C:\\nowhere\\missing.htm", "", "", ""});
  platform::shellOpen({"Q:\\x.htm", "", "", ""});
  platform::shellOpen({"", "", "", "C:\\"});
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("C:\\nowhere\\missing.htm"), std::string::npos) << errors;
  EXPECT_NE(errors.find("Q:\\x.htm"), std::string::npos) << errors;
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 3) << errors;
  EXPECT_FALSE(fs::exists(record_));
}

}  // namespace
