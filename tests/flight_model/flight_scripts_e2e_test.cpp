// Each checked-in flight runs on the built panel host and gauge module in a simulator folder of
// its own and passes its own checks; the take-off's pictures show the attitude indicator and the
// HSI moving with the aircraft.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QImage>
#include <filesystem>

#include "tests/support/panelhost_process.h"

namespace fs = std::filesystem;

TEST(FlightScripts, EachFlightPassesItsChecksAndTheTakeOffsPicturesFollowIt) {
  std::string root = (fs::temp_directory_path() / "flight_scripts_XXXXXX").string();
  ASSERT_NE(mkdtemp(root.data()), nullptr);
  const fs::path panel = fs::path(root) / "FS2000" / "Aircraft" / "NV36" / "Panel";
  fs::create_directories(panel);
  fs::create_directories(fs::path(root) / "FS2000" / "Gauges");
  fs::copy_file(NOR_NV36_PATH, fs::path(root) / "FS2000" / "Gauges" / "NOR_NV36.gau");
  fs::copy_file(fs::path(FLIGHT_SCRIPTS_DIR) / "panel.cfg", panel / "panel.cfg");
  for (const char* name : {"takeoff_climb_turn", "stall_recovery", "ils_approach"}) {
    fs::copy_file(fs::path(FLIGHT_SCRIPTS_DIR) / (std::string(name) + ".script"), panel / name);
    const auto flight = testsupport::runPanelhostScript(PANELHOST_EXE, panel / name, root);
    EXPECT_EQ(flight.exitCode, 0) << name << "\n" << flight.text();
  }
  const auto picture = [&](const char* name) { return QImage((root + "/" + name).c_str()); };
  const QImage climb = picture("climb.png"), level = picture("level.png");
  const QImage turned = picture("turned.png");
  ASSERT_EQ(climb.size(), QSize(640, 340));
  const QRect attitude(150, 0, 165, 165), heading(470, 0, 165, 156);
  EXPECT_NE(climb.copy(attitude), level.copy(attitude));
  EXPECT_EQ(level.copy(attitude), turned.copy(attitude));
  EXPECT_NE(level.copy(heading), turned.copy(heading));
  fs::remove_all(root);
}
