// `panelhost --script S --lesson L` as a process: the code printed once when the goal is met,
// nothing when it is not, and bad lesson files said on standard error.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/panelhost_process.h"

namespace {

namespace fs = std::filesystem;
using testsupport::quoted;

const std::string kClosing = "[Abschluss]\nIhr Abschlusscode lautet: 5294\n";

struct HostRun {
  testsupport::ProcessOutput out;
  std::string errors;
};

class LessonScript : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  fs::path file(const std::string& name, const std::string& text) const {
    const fs::path path = fs::path(dir_.path().toStdString()) / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  HostRun fly(const fs::path& lesson, const std::string& script) const {
    const fs::path errors = file("errors.txt", "");
    const std::string command = "ALSOFT_DRIVERS=null QT_QPA_PLATFORM=offscreen " +
                                quoted(PANELHOST_EXE) + " --script " +
                                quoted(file("s.script", script).string()) + " --lesson " +
                                quoted(lesson.string()) + " 2>" + quoted(errors.string());
    HostRun result{testsupport::runShellCommand(command), {}};
    std::ifstream in(errors);
    result.errors.assign(std::istreambuf_iterator<char>(in), {});
    return result;
  }

 private:
  QTemporaryDir dir_;
};

long codeLines(const HostRun& run) {
  return std::count(run.out.lines.begin(), run.out.lines.end(), "lesson complete 5294");
}

TEST_F(LessonScript, TheCodeIsPrintedOnceWhenTheGoalIsMetAndNotBefore) {
  const fs::path lesson =
      file("QTP02.TXT",
           "[Start]\nLage=aloft\nHoehe=2000\n[Ziel]\nSchritt=altitude>=2500 for 1s\n" + kClosing);
  const HostRun run = fly(lesson, "update 36\nset 0x4A 2600\nupdate 17\nget 0x4A\nupdate 40\n");
  EXPECT_EQ(run.out.exitCode, 0) << run.errors;
  EXPECT_EQ(run.out.lines, (std::vector<std::string>{"get 0x4A 2600", "lesson complete 5294"}));
}

TEST_F(LessonScript, GoalsNotMetAndBadLessonFilesGiveNoCode) {
  const struct {
    const char* what;
    std::string lesson;  // empty: no such file
    int exitCode;
    const char* error;
  } kCases[] = {
      {"not met", "[Start]\nLage=parked\n[Ziel]\nSchritt=engine_running\n" + kClosing, 0, ""},
      {"held too short", "[Start]\nLage=aloft\n[Ziel]\nSchritt=airborne for 60s\n" + kClosing, 0,
       ""},
      {"unknown token", "[Ziel]\nSchritt=airborne loop\n" + kClosing, 0,
       "line 2: unknown goal token \"loop\""},
      {"no goal", "[Lektion]\nTitel=Frei\n" + kClosing, 0, "no goal [Ziel]"},
      {"no code", "[Ziel]\nSchritt=airborne\n", 0, "names no four-digit code"},
      {"missing", "", 1, "cannot read lesson"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const fs::path lesson = c.lesson.empty() ? fs::path(PANELHOST_EXE).parent_path() / "QTP99.TXT"
                                             : file("QTP.TXT", c.lesson);
    const HostRun run = fly(lesson, "update 180\n");
    EXPECT_EQ(run.out.exitCode, c.exitCode) << run.errors;
    EXPECT_EQ(codeLines(run), 0) << run.out.text();
    EXPECT_NE(run.errors.find(c.error), std::string::npos) << run.errors;
  }
}

}  // namespace
