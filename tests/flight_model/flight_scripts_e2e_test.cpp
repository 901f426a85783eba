// Each checked-in flight runs on the built panel host and gauge module in a simulator folder of
// its own and passes its own checks; the take-off's three pictures show the attitude indicator
// and the HSI turning with the aircraft.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QImage>
#include <filesystem>
#include <string>

#include "tests/support/panelhost_process.h"

namespace {

namespace fs = std::filesystem;

TEST(FlightScripts, EachFlightPassesItsChecksAndTheTakeOffsPicturesFollowIt) {
  std::string pattern = (fs::temp_directory_path() / "flight_scripts_XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const fs::path root = pattern;
  const fs::path panel = root / "FS2000" / "Aircraft" / "NV36" / "Panel";
  fs::create_directories(root / "FS2000" / "Gauges");
  fs::create_directories(panel);
  fs::copy_file(NOR_NV36_PATH, root / "FS2000" / "Gauges" / "NOR_NV36.gau");
  for (const char* name :
       {"panel.cfg", "takeoff_climb_turn.script", "stall_recovery.script", "ils_approach.script"}) {
    fs::copy_file(fs::path(FLIGHT_SCRIPTS_DIR) / name, panel / name);
    if (std::string(name).ends_with(".script")) {
      const auto flight = testsupport::runPanelhostScript(PANELHOST_EXE, panel / name, root);
      EXPECT_EQ(flight.exitCode, 0) << name << "\n" << flight.text();
    }
  }
  const auto picture = [&](const char* name) {
    return QImage(QString::fromStdString((root / name).string()));
  };
  const QImage climb = picture("climb.png"), level = picture("level.png"),
               turned = picture("turned.png");
  ASSERT_EQ(climb.size(), QSize(1024, 340));
  const QRect attitude(150, 0, 165, 165), heading(470, 0, 165, 156);
  EXPECT_NE(climb.copy(attitude), level.copy(attitude));
  EXPECT_EQ(level.copy(attitude), turned.copy(attitude));
  EXPECT_NE(level.copy(heading), turned.copy(heading));
  std::error_code ec;
  fs::remove_all(root, ec);
}

}  // namespace
