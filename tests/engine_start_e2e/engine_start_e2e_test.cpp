// The engine start end to end: the checked-in walk runs on the built panel host and gauge
// module in a simulator folder of its own, checks values and events on its way and renders the
// panel cold and running.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/panelhost_process.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSourceFolder = ENGINE_START_SOURCE_DIR;

using WalkOutput = testsupport::ProcessOutput;

std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class EngineStartWalk : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "engine_start_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    fs::create_directories(root_ / "FS2000" / "Gauges");
    fs::create_directories(panelFolder());
    fs::copy_file(NOR_NV36_PATH, root_ / "FS2000" / "Gauges" / "NOR_NV36.gau");
    fs::copy_file(kSourceFolder / "panel.cfg", panelFolder() / "panel.cfg");
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }

  fs::path panelFolder() const { return root_ / "FS2000" / "Aircraft" / "NV36" / "Panel"; }

  // Runs the script text from the panel folder, with the simulator folder as working folder.
  WalkOutput run(const std::string& script) const {
    const fs::path file = panelFolder() / "engine_start.script";
    std::ofstream(file, std::ios::binary) << script;
    return testsupport::runPanelhostScript(PANELHOST_EXE, file, root_);
  }

  fs::path root_;
};

// The needle values the walk printed with "value RPM 1".
std::vector<double> rpmReadings(const WalkOutput& run) {
  std::vector<double> readings;
  const std::string prefix = "value RPM 1 ";
  for (const auto& line : run.lines)
    if (line.rfind(prefix, 0) == 0) readings.push_back(std::stod(line.substr(prefix.size())));
  return readings;
}

bool sameRegion(const QImage& a, const QImage& b, const QRect& region) {
  return a.copy(region) == b.copy(region);
}

TEST_F(EngineStartWalk, FromColdToRunningWithCom1TunedAndSwapped) {
  const WalkOutput walk = run(readText(kSourceFolder / "engine_start.script"));
  ASSERT_EQ(walk.exitCode, 0) << walk.text();

  const std::vector<double> rpm = rpmReadings(walk);
  ASSERT_EQ(rpm.size(), 5u) << walk.text();
  EXPECT_GT(rpm.front(), 0);
  for (std::size_t i = 1; i < rpm.size(); ++i) EXPECT_GT(rpm[i], rpm[i - 1]) << walk.text();

  const QImage cold(QString::fromStdString((root_ / "cold.png").string()));
  const QImage running(QString::fromStdString((root_ / "running.png").string()));
  ASSERT_FALSE(cold.isNull());
  ASSERT_EQ(cold.size(), QSize(1024, 460));
  ASSERT_EQ(running.size(), cold.size());
  // Panel places from panel.cfg: the RPM needle moved, COM1's displays lit, the radio stack
  // stands still where nothing changed (the VSI).
  EXPECT_FALSE(sameRegion(cold, running, QRect(585, 0, 136, 136)));
  EXPECT_FALSE(sameRegion(cold, running, QRect(0, 160, 274, 53)));
  EXPECT_TRUE(sameRegion(cold, running, QRect(300, 0, 141, 141)));
}

TEST_F(EngineStartWalk, WithoutThePumpTheKeyOnlyCranksAndTheWalkStopsAtTheStartEvent) {
  std::string script = readText(kSourceFolder / "engine_start.script");
  const std::string pump = "click THR1 210 30\n";
  const auto at = script.find(pump);
  ASSERT_NE(at, std::string::npos);
  script.erase(at, pump.size());
  const WalkOutput walk = run(script);
  EXPECT_EQ(walk.exitCode, 1);
  ASSERT_FALSE(walk.lines.empty());
  EXPECT_NE(walk.lines.back().find("no event 0x1018B"), std::string::npos) << walk.text();
}

TEST_F(EngineStartWalk, WithTheFuelOffTheEngineCranksButDoesNotRun) {
  std::string script = readText(kSourceFolder / "engine_start.script");
  const std::string cold = "aircraft cold\n";
  script.insert(script.find(cold) + cold.size(), "set 0x133 0\n");
  const WalkOutput walk = run(script);
  EXPECT_EQ(walk.exitCode, 1);
  ASSERT_FALSE(walk.lines.empty());
  // The start event comes, the starter turns it, but it never reaches 3000.
  EXPECT_NE(walk.lines.back().find("token 0x87: value was"), std::string::npos) << walk.text();
}

}  // namespace
