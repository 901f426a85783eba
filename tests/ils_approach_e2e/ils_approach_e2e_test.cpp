// The ILS approach end to end: the checked-in flight runs on the built panel host and gauge
// module in a simulator folder of its own, checks the HSI, the DME and the marker lights at the
// outer and middle markers and on short final, and renders the panel at each.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QImage>
#include <filesystem>
#include <string>

#include "tests/support/panelhost_process.h"

namespace {

namespace fs = std::filesystem;

class IlsApproach : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "ils_approach_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    fs::create_directories(root_ / "FS2000" / "Gauges");
    fs::create_directories(panelFolder());
    fs::copy_file(NOR_NV36_PATH, root_ / "FS2000" / "Gauges" / "NOR_NV36.gau");
    for (const char* name : {"panel.cfg", "ils_approach.script"})
      fs::copy_file(fs::path(ILS_APPROACH_SOURCE_DIR) / name, panelFolder() / name);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }

  fs::path panelFolder() const { return root_ / "FS2000" / "Aircraft" / "NV36" / "Panel"; }

  QImage picture(const char* name) const {
    return QImage(QString::fromStdString((root_ / name).string()));
  }

  fs::path root_;
};

TEST_F(IlsApproach, HsiDmeAndMarkerLightsFollowTheAircraftDownTheGlidePath) {
  const auto flight =
      testsupport::runPanelhostScript(PANELHOST_EXE, panelFolder() / "ils_approach.script", root_);
  ASSERT_EQ(flight.exitCode, 0) << flight.text();
  const QImage outer = picture("outer.png"), middle = picture("middle.png"),
               final = picture("final.png");
  ASSERT_EQ(outer.size(), QSize(1024, 300));
  ASSERT_EQ(middle.size(), outer.size());
  ASSERT_EQ(final.size(), outer.size());
  // Panel places from panel.cfg: the marker lamps and the DME change at every point, the
  // deviation bar creeps to the middle of the HSI.
  for (const QRect& region : {QRect(290, 255, 127, 25), QRect(290, 170, 173, 72)})
    EXPECT_TRUE(outer.copy(region) != middle.copy(region) &&
                middle.copy(region) != final.copy(region));
  EXPECT_NE(outer.copy(QRect(450, 0, 165, 156)), final.copy(QRect(450, 0, 165, 156)));
}

}  // namespace
