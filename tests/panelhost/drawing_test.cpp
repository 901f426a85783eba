// Element values and drawing: needles through their tables and step limits, icon indices, the
// see-through black, the hide flag, sliders, moving images, sprites and strings.
#include <gtest/gtest.h>

#include <cmath>

#include "host_fixture.h"
#include "panelhost/element_painter.h"
#include "panelhost/needle_geometry.h"

using namespace panelhost;
using namespace panelhost_test;

namespace {

constexpr QRgb kGrey = 0xFF808080;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kLampBackground = 0xFF000040;

}  // namespace

TEST(NeedleGeometry, TableDegreesAreUnwrappedAndValuesClampToTheEnds) {
  // Pivot in the middle; the dial runs clockwise from the left through the top to the left again.
  NONLINEARITY table[] = {
      {{0, 10}, 0, 0}, {{10, 0}, 10, 0}, {{20, 10}, 20, 0}, {{10, 20}, 30, 0}, {{1, 11}, 40, 0}};
  fillNonlinearityDegrees(table, 5, {10, 10});
  EXPECT_DOUBLE_EQ(table[0].degrees, 180);
  EXPECT_DOUBLE_EQ(table[1].degrees, 270);
  EXPECT_DOUBLE_EQ(table[3].degrees, 450);
  EXPECT_GT(table[4].degrees, 450);  // keeps turning past the start instead of jumping back
  EXPECT_DOUBLE_EQ(*needleTarget(table, 5, 5), 225);
  EXPECT_DOUBLE_EQ(*needleTarget(table, 5, -1e9), 180);
  EXPECT_DOUBLE_EQ(*needleTarget(table, 5, INFINITY), table[4].degrees);
  EXPECT_FALSE(needleTarget(table, 5, std::nan("")));
  EXPECT_DOUBLE_EQ(*needleTarget(nullptr, 0, -90), -90);
  EXPECT_FALSE(needleTarget(nullptr, 0, INFINITY));
  EXPECT_DOUBLE_EQ(limitNeedleStep(0, 100, 6), 6);
  EXPECT_DOUBLE_EQ(limitNeedleStep(10, 0, 6), 4);
  EXPECT_DOUBLE_EQ(limitNeedleStep(0, 100, 0), 100);
}

TEST(IconIndex, OutOfRangeValuesDrawNothingOrTheLastImage) {
  EXPECT_EQ(iconIndex(-1e9, 3), -1);
  EXPECT_EQ(iconIndex(-0.5, 3), -1);
  EXPECT_EQ(iconIndex(std::nan(""), 3), -1);
  EXPECT_EQ(iconIndex(1e9, 3), 2);
  EXPECT_EQ(iconIndex(INFINITY, 3), 2);
  EXPECT_EQ(iconIndex(1, 1), 0);  // a one-image lamp returns 1 to be lit
  EXPECT_EQ(iconIndex(1.7, 3), 1);
  EXPECT_EQ(iconIndex(0, 0), -1);
}

TEST_F(HostTest, NeedleFollowsItsTableAndKeepsItsPlaceOnNaN) {
  host_->vars().pin(0x4B, 180);  // the second needle points left, out of the way
  host_->vars().pin(0x4A, 150);
  host_->runCycles(1);
  EXPECT_NEAR(*values("DIAL", 1).needleDegrees, 45, 3);
  host_->vars().pin(0x4A, 100);
  host_->runCycles(1);
  EXPECT_NEAR(*values("DIAL", 1).needleDegrees, 0, 1e-9);
  const QImage right = host_->renderGauge(gauge("DIAL"));
  EXPECT_EQ(right.pixel(32, 20), kRed);
  EXPECT_EQ(right.pixel(20, 10), kGrey);

  host_->vars().pin(0x4A, std::nan(""));
  host_->runCycles(1);
  EXPECT_NEAR(*values("DIAL", 1).needleDegrees, 0, 1e-9);
  host_->vars().pin(0x4A, -INFINITY);
  host_->runCycles(1);
  EXPECT_NEAR(*values("DIAL", 1).needleDegrees, -90, 1e-9);
  const QImage up = host_->renderGauge(gauge("DIAL"));
  EXPECT_EQ(up.pixel(20, 8), kRed);
  EXPECT_EQ(up.pixel(32, 20), kGrey);
}

TEST_F(HostTest, NeedleMovesAtMostItsDegreesPerCycle) {
  host_->vars().pin(0x4B, 0);
  host_->runCycles(1);
  host_->vars().pin(0x4B, 90);
  host_->runCycles(1);
  EXPECT_DOUBLE_EQ(*values("DIAL", 2).needleDegrees, 6);
  host_->runCycles(10);
  EXPECT_DOUBLE_EQ(*values("DIAL", 2).needleDegrees, 66);
  host_->runCycles(10);
  EXPECT_DOUBLE_EQ(*values("DIAL", 2).needleDegrees, 90);
}

TEST_F(HostTest, IconDrawsTheChosenImageWithBlackSeeThrough) {
  struct Case {
    double value;
    QRgb shown;
  };
  const Case cases[] = {
      {-1e9, kLampBackground}, {1e9, kBlue},     {std::nan(""), kLampBackground}, {0, kRed},
      {1.7, kGreen},           {INFINITY, kBlue}};
  for (const Case& c : cases) {
    host_->vars().pin(0x50, c.value);
    host_->runCycles(1);
    const QImage image = host_->renderGauge(gauge("LAMP"));
    EXPECT_EQ(image.pixel(10, 10), c.shown) << c.value;
    EXPECT_EQ(image.pixel(5, 5), kLampBackground) << "black corner must be see-through";
  }
}

TEST_F(HostTest, HiddenElementsAreNotDrawnButStillUpdated) {
  host_->runCycles(1);
  EXPECT_EQ(host_->renderGauge(gauge("KNOB")).pixel(3, 3), kRed);
  host_->vars().pin(0x70, 1);  // the gauge callback hides the flag before the update
  host_->runCycles(1);
  PELEMENT_HEADER flag = elementAtDepth(gauge("KNOB").background(), 1);
  EXPECT_TRUE(isHidden(*flag));
  EXPECT_EQ(host_->valuesOf(flag)->updatedCycle, host_->cycle());
  EXPECT_EQ(host_->renderGauge(gauge("KNOB")).pixel(3, 3), 0xFF004000u);
}

TEST_F(HostTest, SliderMovingImageAndSpriteFollowTheirValues) {
  host_->vars().pin(0x60, 5);
  host_->vars().pin(0x61, 3);   // y scale 2
  host_->vars().pin(0x62, 50);  // half way: the 100 px strip slides 20 px in its 60 px window
  host_->vars().pin(0x63, 0);
  host_->runCycles(1);
  QImage image = host_->renderGauge(gauge("MOVE"));
  EXPECT_EQ(image.pixel(16, 17), 0xFFFFFFFFu);  // slider at (10 + 5, 10 + 6)
  EXPECT_EQ(image.pixel(12, 12), 0xFF202020u);
  EXPECT_EQ(image.pixel(0, 30), 0xFFFFFF00u);  // the strip's black corner has slid away
  EXPECT_EQ(image.pixel(4, 4), 0xFFFF00FFu);   // the texture's middle on its centre (4,4)
  EXPECT_EQ(image.pixel(30, 15), 0xFF202020u);

  host_->vars().pin(0x62, 0);
  host_->vars().pin(0x63, std::nan(""));
  host_->runCycles(1);
  image = host_->renderGauge(gauge("MOVE"));
  EXPECT_EQ(image.pixel(0, 30), 0xFF202020u);  // strip at its start shows its see-through corner
  EXPECT_EQ(image.pixel(4, 4), 0xFF202020u);   // a sprite with no angle is not drawn
}

TEST_F(HostTest, StringShowsTheCallbacksTextInItsColours) {
  host_->vars().pin(0x64, 12.5);
  host_->runCycles(1);
  EXPECT_EQ(values("TEXT", 1).text, "012.50");
  EXPECT_EQ(values("TEXT", 1).value[0], 12.5);
  const QImage image = host_->renderGauge(gauge("TEXT"));
  int lit = 0;
  for (int y = 2; y < 18; ++y)
    for (int x = 4; x < 76; ++x) lit += image.pixel(x, y) == kRed;
  EXPECT_GT(lit, 20);
  EXPECT_EQ(image.pixel(78, 10), 0xFF400000u);  // outside the box: the background
}
