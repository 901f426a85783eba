#include <gtest/gtest.h>

#include <QSignalSpy>
#include <cmath>

#include "controls/hemisphere_button.h"
#include "tests/controls/widget_host.h"

namespace {

const QColor kBackdrop(10, 200, 10);
const QPoint kCentre(52, 25);

// A dialog-sized button of 105 x 51 with the default bevels: BevelOuter lowered, BevelInner none,
// BevelWidth 2, so its face is the ellipse with half axes 50.5 and 23.5 round (52.5, 25.5).
class HemisphereButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    button = AddButton(&window, {20, 20});
    ShowAndWait(&window);
  }

  static THemisphereButton* AddButton(QWidget* parent, QPoint at, int group = 0) {
    auto* made = new THemisphereButton(parent);
    made->setGeometry(QRect(at, QSize(105, 51)));
    made->setGroupIndex(group);
    return made;
  }

  Backdrop window{kBackdrop, {400, 200}};
  THemisphereButton* button = nullptr;
};

TEST_F(HemisphereButtonTest, ReactsInsideTheFaceEllipseOnly) {
  EXPECT_TRUE(button->hitTest(kCentre));
  EXPECT_TRUE(button->hitTest({3, 25}));
  EXPECT_FALSE(button->hitTest({2, 25}));
  EXPECT_TRUE(button->hitTest({102, 25}));
  EXPECT_FALSE(button->hitTest({103, 25}));
  EXPECT_TRUE(button->hitTest({52, 3}));
  EXPECT_FALSE(button->hitTest({52, 2}));
  EXPECT_TRUE(button->hitTest({52, 48}));
  EXPECT_FALSE(button->hitTest({52, 49}));
  EXPECT_TRUE(button->hitTest({88, 42}));   // 0.987 of the way out
  EXPECT_FALSE(button->hitTest({89, 42}));  // 1.015
}

TEST_F(HemisphereButtonTest, ClickInsideRaisesClickAndLeavesTheButtonUp) {
  QSignalSpy clicks(button, &THemisphereButton::clicked);
  ClickOn(button, kCentre);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_FALSE(button->down());
  ClickOn(button, {1, 25});  // on the bevel ring: inside the outline, outside the face
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(window.presses(), 0);
  ClickOn(button, {0, 0});  // outside the outline: falls through to the window
  EXPECT_EQ(window.presses(), 1);
}

TEST_F(HemisphereButtonTest, PressedButtonFollowsThePointerAndReleaseOutsideIsNoClick) {
  QSignalSpy clicks(button, &THemisphereButton::clicked);
  PressOn(button, kCentre);
  EXPECT_TRUE(button->down());
  MoveOn(button, {1, 25});
  EXPECT_FALSE(button->down());
  MoveOn(button, {60, 30});
  EXPECT_TRUE(button->down());
  ReleaseOn(button, {150, 30});
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_FALSE(button->down());
}

TEST_F(HemisphereButtonTest, ReleaseAwayWithoutMoveRestoresTheFormerState) {
  PressOn(button, kCentre);
  ReleaseOn(button, {150, 30});
  EXPECT_FALSE(button->down());
  button->setDown(true);
  PressOn(button, kCentre);
  MoveOn(button, {150, 30});
  EXPECT_TRUE(button->down()) << "a button that was down does not follow the pointer";
  ReleaseOn(button, {150, 30});
  EXPECT_TRUE(button->down());
}

TEST_F(HemisphereButtonTest, MouseEventsCarryButtonAndPosition) {
  QSignalSpy downs(button, &THemisphereButton::mouseDown);
  QSignalSpy ups(button, &THemisphereButton::mouseUp);
  QSignalSpy clicks(button, &THemisphereButton::clicked);
  QSignalSpy doubles(button, &THemisphereButton::doubleClicked);
  ClickOn(button, kCentre, Qt::RightButton);
  ASSERT_EQ(downs.count(), 1);
  EXPECT_EQ(downs.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
  EXPECT_EQ(downs.at(0).at(2).toPoint(), kCentre);
  EXPECT_EQ(ups.count(), 1);
  EXPECT_EQ(clicks.count(), 0) << "only the left button presses the face";
  DoubleClickOn(button, kCentre);
  EXPECT_EQ(doubles.count(), 1);
  EXPECT_EQ(clicks.count(), 2);
}

TEST_F(HemisphereButtonTest, DisabledButtonIgnoresTheMouse) {
  QSignalSpy downs(button, &THemisphereButton::mouseDown);
  QSignalSpy clicks(button, &THemisphereButton::clicked);
  QSignalSpy entered(button, &THemisphereButton::mouseEntered);
  button->setEnabled(false);
  MoveOn(button, kCentre);
  ClickOn(button, kCentre);
  button->click();
  EXPECT_EQ(downs.count(), 0);
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(entered.count(), 0);
  EXPECT_FALSE(button->down());
}

TEST_F(HemisphereButtonTest, DisablingDuringAPressGivesItUp) {
  PressOn(button, kCentre);
  button->setEnabled(false);
  EXPECT_FALSE(button->down());
  button->setEnabled(true);
  ReleaseOn(button, kCentre);
  MoveOn(button, {60, 30});
  EXPECT_FALSE(button->down());
}

TEST_F(HemisphereButtonTest, EnterAndLeaveComeInPairs) {
  QSignalSpy entered(button, &THemisphereButton::mouseEntered);
  QSignalSpy left(button, &THemisphereButton::mouseLeft);
  MoveOn(button, kCentre);
  EXPECT_EQ(entered.count(), 1);
  MoveOn(button, {150, 30});
  EXPECT_EQ(left.count(), 1);
  MoveOn(button, {160, 30});
  EXPECT_EQ(left.count(), 1);
}

TEST_F(HemisphereButtonTest, ShowsTheUpOrPressedFaceThroughItsMask) {
  SettlePaints();
  const auto shown = [this](QPoint pos) {
    return window.grab().toImage().pixelColor(button->mapTo(&window, pos));
  };
  EXPECT_EQ(shown({0, 0}), kBackdrop);
  EXPECT_EQ(shown(kCentre), button->imageOut().pixelColor(kCentre));
  button->setDown(true);
  SettlePaints();
  EXPECT_EQ(shown(kCentre), button->imageIn().pixelColor(kCentre));
  EXPECT_NE(button->imageIn().pixelColor(kCentre), button->imageOut().pixelColor(kCentre));
  EXPECT_EQ(shown({0, 0}), kBackdrop);
}

TEST_F(HemisphereButtonTest, RendersAgainForNewSizesAndLooks) {
  EXPECT_EQ(button->imageMask().size(), QSize(105, 51));
  button->resize(60, 30);
  EXPECT_EQ(button->imageOut().size(), QSize(60, 30));
  const QColor before = button->imageOut().pixelColor(30, 15);
  button->setFaceColor(RGBColor(168, 0, 0));
  EXPECT_NE(button->imageOut().pixelColor(30, 15), before);
  button->setBevelWidth(0);
  button->setBevelWidth(-3);
  EXPECT_EQ(button->bevelWidth(), 2);
  button->setAttenControl(std::nan(""));
  button->setAttenControl(INFINITY);
  EXPECT_EQ(button->attenControl(), 1.0);
  button->resize(1, 1);
  EXPECT_EQ(button->imageOut().size(), QSize(60, 30)) << "too small to render: kept";
}

TEST_F(HemisphereButtonTest, DefaultsFollowTheControlsTable) {
  THemisphereButton fresh;
  EXPECT_EQ(fresh.size(), QSize(25, 25));
  EXPECT_FALSE(fresh.allowAllUp());
  EXPECT_EQ(fresh.attenControl(), 1.0);
  EXPECT_EQ(fresh.bevelInner(), hbNone);
  EXPECT_EQ(fresh.bevelOuter(), hbLowered);
  EXPECT_EQ(fresh.borderColor(), 0x808080u);
  EXPECT_EQ(fresh.borderStyle(), TBorderStyle::bsNone);
  EXPECT_EQ(fresh.faceColor(), 0x808080u);
  EXPECT_TRUE(fresh.faceShaded());
  EXPECT_FALSE(fresh.faceTransparent());
  EXPECT_EQ(fresh.glyphIndex(), 1);
  EXPECT_EQ(fresh.numGlyphs(), 1);
  EXPECT_FALSE(fresh.glyphMapped());
  EXPECT_TRUE(fresh.glyphShaded());
  EXPECT_TRUE(fresh.glyphTransparent());
  EXPECT_EQ(fresh.groupIndex(), 0);
}

class HemisphereGroupTest : public HemisphereButtonTest {
 protected:
  void SetUp() override {
    first = AddButton(&window, {0, 0}, 1);
    second = AddButton(&window, {120, 0}, 1);
    loner = AddButton(&window, {240, 0}, 2);
    other = AddButton(&panel, {0, 0}, 1);
    panel.setGeometry(0, 100, 200, 60);
    ShowAndWait(&window);
  }

  QWidget panel{&window};
  THemisphereButton* first = nullptr;
  THemisphereButton* second = nullptr;
  THemisphereButton* loner = nullptr;
  THemisphereButton* other = nullptr;
};

TEST_F(HemisphereGroupTest, ClickedButtonStaysDownAndReleasesItsGroupMates) {
  other->setDown(true);
  loner->setDown(true);
  ClickOn(first, kCentre);
  EXPECT_TRUE(first->down());
  ClickOn(second, kCentre);
  EXPECT_TRUE(second->down());
  EXPECT_FALSE(first->down());
  EXPECT_TRUE(loner->down()) << "another group index";
  EXPECT_TRUE(other->down()) << "another parent";
  ClickOn(second, kCentre);
  EXPECT_TRUE(second->down()) << "without AllowAllUp a group keeps one button down";
}

TEST_F(HemisphereGroupTest, AllowAllUpIsSharedByTheGroupAndLetsTheLastButtonUp) {
  second->setAllowAllUp(true);
  EXPECT_TRUE(first->allowAllUp());
  EXPECT_FALSE(loner->allowAllUp());
  EXPECT_FALSE(other->allowAllUp());
  ClickOn(first, kCentre);
  EXPECT_TRUE(first->down());
  ClickOn(first, kCentre);
  EXPECT_FALSE(first->down());
  EXPECT_FALSE(second->down());
}

}  // namespace
