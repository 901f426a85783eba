#include <gtest/gtest.h>

#include "controls/compass.h"
#include "tests/controls/widget_host.h"

namespace {

const QColor kDial(10, 120, 10);

// The run window's instance: 97 x 96, needle 40, hub 15 with a black outline of 2, grey hub,
// light yellow needle.
class CompassTest : public testing::Test {
 protected:
  void SetUp() override {
    compass = new TCompass(&window);
    compass->setGeometry(32, 32, 97, 96);
    compass->setHeading(0);
    compass->setNeedleLength(40);
    compass->setNeedleWidth(2);
    compass->setColor(clGray);
    compass->setOuterCircleWidth(2);
    compass->setCenterCircleWidth(15);
    compass->setCenterCircleColor(clBlack);
    compass->setNeedleColor(0x80FFFF);
    ShowAndWait(&window);
  }

  QColor Shown(QPoint pos) {
    SettlePaints();
    return window.grab().toImage().pixelColor(compass->mapTo(&window, pos));
  }

  Backdrop window{kDial, {160, 160}};
  TCompass* compass = nullptr;
  const QColor needle{255, 255, 128};
};

TEST_F(CompassTest, RunWindowInstanceHasItsNeedleTipAndHub) {
  EXPECT_EQ(compass->needleStart(), QPoint(48, 48));
  EXPECT_EQ(compass->needleEnd(), QPoint(48, 8));
  EXPECT_EQ(compass->hubRect().topLeft(), QPoint(41, 41));
  EXPECT_EQ(compass->hubRect().bottomRight(), QPoint(56, 55));
}

TEST_F(CompassTest, NeedlePointsClockwiseFromNorth) {
  const QPoint centre = compass->needleStart();
  compass->setHeading(90);
  EXPECT_EQ(compass->needleEnd(), centre + QPoint(40, 0));
  compass->setHeading(180);
  EXPECT_EQ(compass->needleEnd(), centre + QPoint(0, 40));
  compass->setHeading(270);
  EXPECT_EQ(compass->needleEnd(), centre + QPoint(-40, 0));
  compass->setHeading(335);  // where a finished run leaves it: up and a little left
  EXPECT_EQ(compass->needleEnd(), QPoint(48 - 16, 96 - (48 + 36)));
}

TEST_F(CompassTest, DrawsHubAndNeedleOverTheDialOnly) {
  EXPECT_EQ(Shown({48, 20}), needle) << "heading 0: the needle goes up";
  EXPECT_EQ(Shown({76, 48}), kDial);
  EXPECT_EQ(Shown({5, 5}), kDial) << "no background of its own";
  EXPECT_EQ(Shown({46, 50}), QColor(128, 128, 128)) << "hub fill";
  EXPECT_EQ(Shown({41, 48}), QColor(Qt::black)) << "hub outline";
  compass->setHeading(90);
  EXPECT_EQ(Shown({76, 48}), needle);
  EXPECT_EQ(Shown({48, 20}), kDial);
  compass->setHeading(180);
  EXPECT_EQ(Shown({48, 76}), needle);
  compass->setHeading(270);
  EXPECT_EQ(Shown({20, 48}), needle);
}

TEST_F(CompassTest, HeadingRepaintsEvenWhenUnchangedOtherPropertiesOnlyWhenChanged) {
  SettlePaints();
  const PaintCounter paints(compass);
  compass->setHeading(0);
  SettlePaints();
  EXPECT_EQ(paints.count(), 1);
  compass->setNeedleLength(40);
  compass->setNeedleColor(0x80FFFF);
  compass->setSizeValue(0);
  SettlePaints();
  EXPECT_EQ(paints.count(), 1);
  compass->setNeedleLength(30);
  SettlePaints();
  EXPECT_EQ(paints.count(), 2);
}

TEST_F(CompassTest, SizeSetsWidthAndHeightWhenItChanges) {
  TCompass fresh;
  EXPECT_EQ(fresh.size(), QSize(184, 184));
  EXPECT_EQ(fresh.heading(), 90);
  EXPECT_EQ(fresh.needleLength(), 82);
  fresh.setSizeValue(0);
  EXPECT_EQ(fresh.size(), QSize(184, 184));
  fresh.setSizeValue(120);
  EXPECT_EQ(fresh.size(), QSize(120, 120));
  fresh.resize(100, 50);
  fresh.setSizeValue(120);
  EXPECT_EQ(fresh.size(), QSize(100, 50)) << "the same value again does nothing";
}

}  // namespace
