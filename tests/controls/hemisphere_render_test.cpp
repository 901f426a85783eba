#include <gtest/gtest.h>

#include "controls/hemisphere_button.h"
#include "tests/controls/widget_host.h"

namespace {

using controls::HemisphereLook;
using controls::RenderHemisphere;

// 101 x 101 without bevels: the face fills the control's ellipse, centred on pixel (50, 50).
HemisphereLook PlainFace() {
  HemisphereLook look;
  look.size = {101, 101};
  look.bevelOuter = hbNone;
  look.faceColor = RGBColor(100, 150, 200);
  return look;
}

TEST(HemisphereRender, FaceIsLitFromTheUpperLeftAndInvertedWhenPressed) {
  const auto pictures = RenderHemisphere(PlainFace());
  // Centre: nx = ny = 0, f = 0.57735.
  EXPECT_EQ(pictures.imageOut.pixelColor(50, 50), QColor(158, 237, 255));
  EXPECT_EQ(pictures.imageIn.pixelColor(50, 50), QColor(42, 63, 85));
  // Halfway up: the same light as the centre; halfway right: almost none.
  EXPECT_EQ(pictures.imageOut.pixelColor(50, 25), QColor(158, 237, 255));
  EXPECT_EQ(pictures.imageOut.pixelColor(75, 50), QColor(101, 151, 201));
  EXPECT_EQ(pictures.imageIn.pixelColor(75, 50), QColor(99, 149, 199));
  // Upper left on the diagonal: f = 0.744778.
  EXPECT_EQ(pictures.imageOut.pixelColor(25, 25), QColor(174, 255, 255));
  EXPECT_EQ(pictures.imageIn.pixelColor(25, 25), QColor(26, 38, 51));
}

TEST(HemisphereRender, AttenControlScalesTheLightAndUnshadedFacesAreFlat) {
  HemisphereLook look = PlainFace();
  look.attenControl = 2.0;
  EXPECT_EQ(RenderHemisphere(look).imageOut.pixelColor(75, 50), QColor(101, 152, 202));
  look.attenControl = 1e300;
  const auto glaring = RenderHemisphere(look);
  EXPECT_EQ(glaring.imageOut.pixelColor(25, 25), QColor(255, 255, 255));
  EXPECT_EQ(glaring.imageIn.pixelColor(25, 25), QColor(0, 0, 0));
  look.faceShaded = false;
  const auto flat = RenderHemisphere(look);
  EXPECT_EQ(flat.imageOut.pixelColor(25, 25), QColor(100, 150, 200));
  EXPECT_EQ(flat.imageIn.pixelColor(75, 75), QColor(100, 150, 200));
}

TEST(HemisphereRender, MaskIsTheWholeEllipse) {
  const auto pictures = RenderHemisphere(PlainFace());
  ASSERT_EQ(pictures.imageMask.size(), QSize(101, 101));
  EXPECT_EQ(pictures.imageMask.pixelColor(0, 0), QColor(Qt::white));
  EXPECT_EQ(pictures.imageMask.pixelColor(100, 100), QColor(Qt::white));
  EXPECT_EQ(pictures.imageMask.pixelColor(50, 0), QColor(Qt::black));
  EXPECT_EQ(pictures.imageMask.pixelColor(50, 50), QColor(Qt::black));
  EXPECT_EQ(pictures.imageMask, controls::EllipseMask({101, 101}));
}

TEST(HemisphereRender, RaisedAndLoweredBevelsAreLitOppositeAndEqualInBothPictures) {
  HemisphereLook look = PlainFace();
  look.bevelWidth = 4;
  look.bevelOuter = hbRaised;
  const auto raised = RenderHemisphere(look);
  const QColor upperLeftRaised = raised.imageOut.pixelColor(16, 16);
  const QColor lowerRightRaised = raised.imageOut.pixelColor(84, 84);
  EXPECT_EQ(upperLeftRaised, QColor(254, 254, 254));
  EXPECT_EQ(lowerRightRaised, QColor(106, 106, 106));
  EXPECT_EQ(raised.imageOut.pixelColor(50, 1), QColor(233, 233, 233));
  EXPECT_EQ(raised.imageIn.pixelColor(16, 16), upperLeftRaised);
  EXPECT_EQ(raised.imageIn.pixelColor(84, 84), lowerRightRaised);

  look.bevelOuter = hbLowered;
  const auto lowered = RenderHemisphere(look);
  EXPECT_EQ(lowered.imageOut.pixelColor(16, 16), lowerRightRaised);
  EXPECT_EQ(lowered.imageOut.pixelColor(84, 84), upperLeftRaised);
}

TEST(HemisphereRender, InnerBevelLiesInsideTheOuterOne) {
  HemisphereLook look = PlainFace();
  look.bevelWidth = 3;
  look.bevelOuter = hbRaised;
  look.bevelInner = hbLowered;
  EXPECT_EQ(controls::FaceInset(look.bevelInner, look.bevelOuter, look.bevelWidth), 6);
  const auto pictures = RenderHemisphere(look);
  // Along the top, from the edge inwards: raised ring (lit), lowered ring (turned away), face.
  EXPECT_EQ(pictures.imageOut.pixelColor(50, 1), QColor(233, 233, 233));
  EXPECT_EQ(pictures.imageOut.pixelColor(50, 4), QColor(128, 128, 128));
  EXPECT_NE(pictures.imageOut.pixelColor(50, 8), pictures.imageIn.pixelColor(50, 8));
}

TEST(HemisphereRender, BorderOutlinesTheFace) {
  HemisphereLook look = PlainFace();
  look.borderStyle = TBorderStyle::bsSingle;
  look.borderColor = RGBColor(255, 0, 0);
  const auto pictures = RenderHemisphere(look);
  for (const QPoint edge : {QPoint(50, 0), QPoint(0, 50), QPoint(100, 50), QPoint(50, 100)}) {
    EXPECT_EQ(pictures.imageOut.pixelColor(edge), QColor(Qt::red)) << edge.x() << "," << edge.y();
    EXPECT_EQ(pictures.imageIn.pixelColor(edge), QColor(Qt::red));
  }
  EXPECT_NE(pictures.imageOut.pixelColor(50, 50), QColor(Qt::red));
}

TEST(HemisphereRender, SeeThroughFaceKeepsBevelsAndCaptionInTheMask) {
  HemisphereLook look = PlainFace();
  look.bevelOuter = hbRaised;
  look.bevelWidth = 4;
  look.faceTransparent = true;
  look.caption = QStringLiteral("MMMM");
  const auto pictures = RenderHemisphere(look);
  EXPECT_EQ(pictures.imageMask.pixelColor(16, 16), QColor(Qt::black)) << "bevel stays";
  EXPECT_EQ(pictures.imageMask.pixelColor(50, 25), QColor(Qt::white)) << "face is see-through";
  int captionPixels = 0;
  for (int x = 20; x < 80; ++x)
    for (int y = 40; y < 60; ++y)
      captionPixels += pictures.imageMask.pixelColor(x, y) == QColor(Qt::black) ? 1 : 0;
  EXPECT_GT(captionPixels, 20);
}

// A strip of two 10 x 10 glyphs on blue (the see-through colour): a red and a green square.
QImage TwoGlyphs() {
  QImage strip(20, 10, QImage::Format_RGB32);
  strip.fill(Qt::blue);
  for (int y = 2; y < 8; ++y) {
    for (int x = 2; x < 8; ++x) {
      strip.setPixelColor(x, y, Qt::red);
      strip.setPixelColor(x + 10, y, Qt::green);
    }
  }
  return strip;
}

class HemisphereGlyph : public testing::Test {
 protected:
  void SetUp() override {
    button.resize(41, 41);
    button.setBevelOuter(hbNone);
    button.setFaceShaded(false);
    button.setGlyphShaded(false);
    button.setFaceColor(RGBColor(128, 128, 128));
    button.setGlyph(TwoGlyphs());
  }
  QColor At(int x, int y) { return button.imageOut().pixelColor(x, y); }

  THemisphereButton button;
  const QColor face{128, 128, 128};
};

TEST_F(HemisphereGlyph, StripIsCutIntoGlyphsAndTheChosenOneIsCentred) {
  EXPECT_TRUE(button.glyphValid());
  EXPECT_EQ(button.numGlyphs(), 2);
  EXPECT_EQ(At(19, 19), QColor(Qt::red));  // glyph origin (15, 15)
  EXPECT_EQ(At(15, 15), face) << "see-through glyph pixel";
  button.setGlyphIndex(2);
  EXPECT_EQ(At(19, 19), QColor(Qt::green));
  button.setGlyphIndex(3);
  EXPECT_EQ(button.glyphIndex(), 2) << "out of range: ignored";
  button.setGlyphTransparent(false);
  EXPECT_EQ(At(15, 15), QColor(Qt::blue));
}

TEST_F(HemisphereGlyph, ShadedGlyphIsLitLikeTheFace) {
  button.setGlyphShaded(true);
  // (19, 19) is just up and left of the centre: f = 0.593849.
  EXPECT_EQ(At(19, 19), QColor(255, 0, 0));
  EXPECT_EQ(button.imageIn().pixelColor(19, 19), QColor(104, 0, 0));
}

TEST_F(HemisphereGlyph, MappedGlyphIsWrappedOverTheWholeFace) {
  EXPECT_EQ(At(10, 20), face) << "flat: the glyph does not reach this far";
  button.setGlyphMapped(true);
  EXPECT_EQ(At(10, 20), QColor(Qt::red));
  EXPECT_EQ(At(20, 20), QColor(Qt::red));
}

TEST_F(HemisphereGlyph, GlyphThatIsNoStripCountsAsOne) {
  button.setGlyphIndex(2);
  button.setGlyph(QImage(15, 10, QImage::Format_RGB32));
  EXPECT_EQ(button.numGlyphs(), 1);
  EXPECT_EQ(button.glyphIndex(), 1);
  button.setGlyph(QImage());
  EXPECT_FALSE(button.glyphValid());
  EXPECT_EQ(At(19, 19), face);
}

// The pixels of `caption` drawn on a plain button of 129 x 41.
QRect CaptionInk(THemisphereButton& button, const QString& caption) {
  const QImage bare = button.imageOut();
  button.setCaption(caption);
  const QImage& drawn = button.imageOut();
  QRect ink;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x)
      if (drawn.pixel(x, y) != bare.pixel(x, y)) ink |= QRect(x, y, 1, 1);
  button.setCaption(QString());
  return ink;
}

TEST(HemisphereCaption, CaptionSetAtRunTimeIsRenderedCentred) {
  THemisphereButton button;
  button.setGeometry(32, 8, 129, 41);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(13);
  font.setBold(true);
  button.setFont(font);
  button.setFaceColor(RGBColor(0, 160, 160));
  button.setFontColor(clWhite);
  const QRect ok = CaptionInk(button, QStringLiteral("OK"));
  const QRect abort = CaptionInk(button, QStringLiteral("Abbruch"));
  ASSERT_FALSE(ok.isEmpty());
  ASSERT_FALSE(abort.isEmpty());
  EXPECT_GT(abort.width(), ok.width());
  // The text box starts at ((W - tw - 2) / 2, (H - th - 2) / 2): its middle is one pixel left
  // of and above the control's.
  for (const QRect& ink : {ok, abort}) {
    EXPECT_NEAR(ink.left() + ink.width() / 2.0, 63.5, 2.0);
    EXPECT_NEAR(ink.top() + ink.height() / 2.0, 19.5, 3.0);
  }
}

TEST(HemisphereCaption, CaptionOriginRoundsHalvesToEven) {
  EXPECT_EQ(controls::CaptionOrigin({129, 41}, {20, 15}), QPoint(54, 12));
  EXPECT_EQ(controls::CaptionOrigin({105, 51}, {20, 16}), QPoint(42, 16));
  EXPECT_EQ(controls::CaptionOrigin({10, 10}, {30, 30}), QPoint(-11, -11));
}

}  // namespace
