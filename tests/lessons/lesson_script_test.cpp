// `panelhost --script S --lesson L` as a process: the code printed once when the goal is met,
// nothing when it is not, and bad lesson files said on standard error.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "tests/support/panelhost_process.h"

namespace {

namespace fs = std::filesystem;
using testsupport::quoted;

const std::string kClosing = "[Abschluss]\nIhr Abschlusscode lautet: 5294\n";

class LessonScript : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  fs::path file(const std::string& name, const std::string& text) const {
    const fs::path path = fs::path(dir_.path().toStdString()) / name;
    if (!text.empty()) std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  // Standard output and error in one (a runtime folder of its own keeps Qt quiet).
  testsupport::ProcessOutput fly(const std::string& lesson, const std::string& script) const {
    return testsupport::runShellCommand(
        "ALSOFT_DRIVERS=null QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=" +
        quoted(dir_.path().toStdString()) + " " + quoted(PANELHOST_EXE) + " --script " +
        quoted(file("s.script", script).string()) + " --lesson " +
        quoted(file(lesson.empty() ? "none.TXT" : "QTP.TXT", lesson).string()) + " 2>&1");
  }

 private:
  QTemporaryDir dir_;
};

TEST_F(LessonScript, TheCodeIsPrintedOnceWhenTheGoalIsMetAndNotBefore) {
  const auto run =
      fly("[Start]\nLage=aloft\nHoehe=2000\n[Ziel]\nSchritt=altitude>=2500 for 1s\n" + kClosing,
          "update 36\nset 0x4A 2600\nupdate 17\nget 0x4A\nupdate 40\n");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.lines, (std::vector<std::string>{"get 0x4A 2600", "lesson complete 5294"}));
}

TEST_F(LessonScript, GoalsNotMetAndBadLessonFilesGiveNoCode) {
  const struct {
    const char* what;
    std::string lesson;  // empty: no such file
    int exitCode;
    const char* said;
  } kCases[] = {
      {"not met", "[Start]\nLage=parked\n[Ziel]\nSchritt=engine_running\n" + kClosing, 0, ""},
      {"held too short", "[Start]\nLage=aloft\n[Ziel]\nSchritt=airborne for 60s\n" + kClosing, 0,
       ""},
      {"unknown token", "[Ziel]\nSchritt=airborne loop\n" + kClosing, 0,
       "QTP.TXT: line 2: unknown goal token \"loop\""},
      {"missing", "", 1, "cannot read lesson"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const auto run = fly(c.lesson, "update 180\n");
    EXPECT_EQ(run.exitCode, c.exitCode);
    // Nothing printed but what the bad file gets said.
    EXPECT_EQ(run.lines.size(), *c.said ? 1u : 0u) << run.text();
    EXPECT_NE(run.text().find(c.said), std::string::npos) << run.text();
  }
}

}  // namespace
