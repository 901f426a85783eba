#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "controls/jet_button.h"
#include "tests/controls/widget_host.h"

namespace {

const QColor kSeeThrough(255, 0, 255);
const QColor kBackdrop(10, 200, 10);
const QRect kBody(8, 2, 24, 16);  // the opaque part of every picture below
const QPoint kOnBody(20, 10);
const QPoint kCorner(2, 2);

// A 40 x 20 picture: a body of one colour on the see-through colour (which the bottom-left
// pixel carries).
QImage Picture(QColor body, QSize size = {40, 20}) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(kSeeThrough);
  for (int y = kBody.top(); y <= kBody.bottom(); ++y)
    for (int x = kBody.left(); x <= kBody.right(); ++x) picture.setPixelColor(x, y, body);
  return picture;
}

class JetButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    button = new TJetButton(&window);
    button->move(50, 40);
    button->setBitmapUp(up);
    button->setBitmapDown(down);
    ShowAndWait(&window);
  }

  // The colour the window shows at a point of the button.
  QColor Shown(QPoint pos) {
    return window.grab().toImage().pixelColor(button->mapTo(&window, pos));
  }

  Backdrop window{kBackdrop};
  TJetButton* button = nullptr;
  QImage up = Picture(QColor(0, 0, 200));
  QImage down = Picture(QColor(200, 0, 0));
  QImage over = Picture(QColor(0, 200, 200));
  QImage disabled = Picture(QColor(90, 90, 90));
};

TEST_F(JetButtonTest, BitmapUpGivesSizeSeeThroughColourAndHitArea) {
  EXPECT_EQ(button->size(), QSize(40, 20));
  button->setGeometry(0, 0, 100, 100);
  EXPECT_EQ(button->size(), QSize(40, 20)) << "auto-size keeps the picture's size";
  EXPECT_EQ(button->transparentColor(), RGBColor(255, 0, 255));
  EXPECT_EQ(button->hitMask().pixelColor(kCorner), QColor(Qt::white));
  EXPECT_EQ(button->hitMask().pixelColor(kOnBody), QColor(Qt::black));
  EXPECT_TRUE(button->hitTest(kOnBody));
  EXPECT_FALSE(button->hitTest(kCorner));
  EXPECT_FALSE(button->hitTest({40, 10})) << "just right of the picture";
}

TEST_F(JetButtonTest, WithoutPictureTheWholeDefaultSquareReacts) {
  TJetButton bare;
  EXPECT_EQ(bare.size(), QSize(50, 50));
  EXPECT_TRUE(bare.hitMask().isNull());
  EXPECT_TRUE(bare.hitTest({0, 0}));
  EXPECT_TRUE(bare.hitTest({49, 49}));
  EXPECT_FALSE(bare.hitTest({50, 10})) << "a release beside the button is no click";
  EXPECT_FALSE(bare.hitTest({-1, 10}));
}

TEST_F(JetButtonTest, ClickOnSeeThroughCornerReachesWhatLiesBeneath) {
  QSignalSpy clicks(button, &TJetButton::clicked);
  ClickOn(button, kCorner);
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(window.presses(), 1);
  ClickOn(button, kOnBody);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(window.presses(), 1);
}

TEST_F(JetButtonTest, PressShowsDownPictureAndMovingOffBeforeReleaseIsNoClick) {
  QSignalSpy clicks(button, &TJetButton::clicked);
  PressOn(button, kOnBody);
  EXPECT_TRUE(button->isPressed());
  EXPECT_EQ(button->currentPicture(), down);
  MoveOn(button, {-20, 10});
  ReleaseOn(button, {-20, 10});
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_FALSE(button->isPressed());
  EXPECT_EQ(button->currentPicture(), up);
}

TEST_F(JetButtonTest, ReleaseOfRightButtonOverPictureClicksWithoutPressedLook) {
  QSignalSpy clicks(button, &TJetButton::clicked);
  PressOn(button, kOnBody, Qt::RightButton);
  EXPECT_FALSE(button->isPressed());
  ReleaseOn(button, kOnBody, Qt::RightButton);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_TRUE(button->isHovered());
}

TEST_F(JetButtonTest, HoverShowsOverPictureAndFallsBackToUpWithoutOne) {
  QSignalSpy entered(button, &TJetButton::mouseEntered);
  QSignalSpy left(button, &TJetButton::mouseLeft);
  MoveOn(button, kOnBody);
  EXPECT_TRUE(button->isHovered());
  EXPECT_EQ(entered.count(), 1);
  EXPECT_EQ(button->currentPicture(), up);
  button->setBitmapOver(over);
  EXPECT_EQ(button->currentPicture(), over);
  EXPECT_EQ(button->size(), QSize(40, 20));
  MoveOn(button, kCorner);  // off the hit area: the pointer is over the window now
  EXPECT_EQ(left.count(), 1);
  EXPECT_FALSE(button->isHovered());
  EXPECT_EQ(button->currentPicture(), up);
}

TEST_F(JetButtonTest, DisabledShowsItsPictureAndIgnoresClicks) {
  QSignalSpy clicks(button, &TJetButton::clicked);
  button->setEnabled(false);
  EXPECT_EQ(button->currentPicture(), up) << "no disabled picture yet: BitmapUp";
  button->setBitmapDisabled(disabled);
  EXPECT_EQ(button->currentPicture(), disabled);
  ClickOn(button, kOnBody);
  ClickOn(button, kOnBody, Qt::RightButton);
  button->click();
  EXPECT_EQ(clicks.count(), 0);
  button->setEnabled(true);
  EXPECT_EQ(button->currentPicture(), up);
  ClickOn(button, kOnBody);
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(JetButtonTest, SeeThroughPixelsShowTheParent) {
  EXPECT_EQ(Shown(kCorner), kBackdrop);
  EXPECT_EQ(Shown(kOnBody), QColor(0, 0, 200));
  PressOn(button, kOnBody);
  SettlePaints();
  EXPECT_EQ(Shown(kCorner), kBackdrop);
  EXPECT_EQ(Shown(kOnBody), QColor(200, 0, 0));
  ReleaseOn(button, kOnBody);
}

TEST_F(JetButtonTest, TransparentColourReshapesTheHitArea) {
  button->setTransparentColor(RGBColor(0, 0, 200));
  EXPECT_FALSE(button->hitTest(kOnBody));
  EXPECT_TRUE(button->hitTest(kCorner));
  button->setBitmapUp(up);
  EXPECT_EQ(button->transparentColor(), RGBColor(255, 0, 255)) << "taken over again";
  EXPECT_TRUE(button->hitTest(kOnBody));
}

TEST_F(JetButtonTest, OverPictureShapesTheButtonWhileUpIsEmpty) {
  TJetButton hover(&window);
  hover.setBitmapOver(Picture(Qt::yellow, {60, 30}));
  EXPECT_EQ(hover.size(), QSize(60, 30));
  EXPECT_FALSE(hover.hitTest(kCorner));
  EXPECT_TRUE(hover.hitTest(kOnBody));
  hover.setBitmapUp(Picture(Qt::yellow, {44, 22}));
  EXPECT_EQ(hover.size(), QSize(44, 22));
  hover.setBitmapUp(QImage());
  EXPECT_EQ(hover.transparentColor(), RGBColor(255, 0, 255)) << "from the hover picture again";
  EXPECT_TRUE(hover.hitTest(kOnBody));
}

// The ink of the caption: pixels darker than any colour of the picture.
QRect InkBounds(const QImage& shot, QRect area) {
  QRect ink;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(shot.pixel(x, y)) < 40) ink |= QRect(x, y, 1, 1);
  return ink;
}

TEST_F(JetButtonTest, CaptionIsCentredWholeAndMovesByOnePixelWhilePressed) {
  // The caption lies mostly over see-through pixels: it is still drawn whole.
  const QImage light = Picture(QColor(230, 230, 230), {120, 40});
  button->setBitmapUp(light);
  button->setBitmapDown(light);
  button->setCaption(QStringLiteral("Zurück"));
  SettlePaints();
  const QRect area = button->geometry();
  const QRect ink = InkBounds(window.grab().toImage(), area);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_NEAR(ink.center().x(), area.center().x(), 2);
  EXPECT_NEAR(ink.center().y(), area.center().y(), 3);
  PressOn(button, kOnBody);
  SettlePaints();
  EXPECT_EQ(InkBounds(window.grab().toImage(), area), ink.translated(1, 1));
  ReleaseOn(button, kOnBody);
}

TEST_F(JetButtonTest, AcceleratorOfTheCaptionClicksWhileEnabled) {
  QSignalSpy clicks(button, &TJetButton::clicked);
  button->setCaption(QStringLiteral("&Weiter"));
  QTest::keyClick(&window, Qt::Key_W, Qt::AltModifier);
  EXPECT_EQ(clicks.count(), 1);
  button->setEnabled(false);
  QTest::keyClick(&window, Qt::Key_W, Qt::AltModifier);
  EXPECT_EQ(clicks.count(), 1);
  button->setEnabled(true);
  button->setCaption(QStringLiteral("Start && Ziel"));
  QTest::keyClick(&window, Qt::Key_W, Qt::AltModifier);
  QTest::keyClick(&window, Qt::Key_Z, Qt::AltModifier);
  EXPECT_EQ(clicks.count(), 1) << "a doubled ampersand is no accelerator";
}

}  // namespace
