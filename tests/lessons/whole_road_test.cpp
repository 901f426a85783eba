// The whole road as a student takes it: the training and an aircraft installed from the sample
// CD through the flight school, lesson 1 flown in the panel host from a cold panel to a running
// engine by clicking the switch panel, the code it prints typed into the flight school, which
// then shows lesson 2.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/e2e/walkthrough.h"
#include "tests/support/panelhost_process.h"

namespace {

using testsupport::quoted;

// The first file below `folder` whose path matches the pattern without regard to case.
std::string findFile(const QString& folder, const std::string& pattern) {
  const auto found = testsupport::runShellCommand("find " + quoted(folder.toStdString()) +
                                                  " -ipath " + quoted(pattern) + " | sort");
  return found.lines.empty() ? std::string() : found.lines.front();
}

// Battery master, fuel pump, key to start, then the engine left to run.
constexpr const char* kEngineStart =
    "update 2\n"
    "click SWIT 125 45\n"
    "update\n"
    "click THR1 210 30\n"
    "update\n"
    "click SWIT 80 50\n"
    "update 300\n"
    "expect-token 0x87 > 3000\n";

class WholeRoad : public e2e::WalkthroughTest {};

TEST_F(WholeRoad, InstalledLessonOneFlownGivesTheCodeThatOpensLessonTwo) {
  walk.setProductValues({"CDDrive=D:\\"});
  // The training and the aircraft into FS2000, the scenery left out.
  holds(QStringLiteral(
      "answer Ja\nclick FlugSchuleBtn\nexpect-form TFSVersionDLG\nchoose FSSel 1\nclick OKBtn\n"
      "expect-form TSetup1DLG\ncheck QTPCheck on\ncheck AircraftCheck on\ncheck SceneryCheck off\n"
      "check DesktopIcon off\nclick ContinueBtn\nexpect-form TSetup2DLG\nanswer OK\n"
      "wait-form TSyllabusDLG 30000\nclick ReturnBtn\n"));

  const QString simulator =
      walk.prefix() + QStringLiteral("/drive_c/Program Files/Microsoft Games/FS2000");
  const std::string panel = findFile(simulator, "*/aircraft/norvane*/panel/panel.cfg");
  const std::string lesson = findFile(simulator, "*/adventures/norvane/qtp01.txt");
  ASSERT_FALSE(panel.empty());
  ASSERT_FALSE(lesson.empty());
  const std::string script = (walk.folder() + QStringLiteral("/lesson1.script")).toStdString();
  std::ofstream(script, std::ios::binary) << kEngineStart;
  const testsupport::ProcessOutput flown = testsupport::runShellCommand(
      "ALSOFT_DRIVERS=null QT_QPA_PLATFORM=offscreen " + quoted(PANELHOST_EXE) + " --panel " +
      quoted(panel) + " --lesson " + quoted(lesson) + " --script " + quoted(script));
  ASSERT_EQ(flown.exitCode, 0) << flown.text();
  // The code, read off as a student would: the one line the lesson printed.
  const std::string said = "lesson complete ";
  ASSERT_EQ(flown.lines.size(), 1u) << flown.text();
  ASSERT_EQ(flown.lines[0].rfind(said, 0), 0u) << flown.text();
  const QString code = QString::fromStdString(flown.lines[0].substr(said.size()));

  const QStringList lines = holds(QStringLiteral("answer Nein\n"
                                                 "click FlugSchuleBtn\n"
                                                 "expect-form TSyllabusDLG\n"
                                                 "type CodeEdit %1\n"
                                                 "dump\n"
                                                 "click ReturnBtn\n")
                                      .arg(code));
  // The briefing shown after the code is lesson 2's.
  EXPECT_TRUE(lines.filter(QStringLiteral("MissionMemo")).join('\n').contains("\"Flugstunde 02"))
      << lines.join('\n').toStdString();
}

}  // namespace
