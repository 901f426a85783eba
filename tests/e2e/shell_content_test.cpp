// The pictures and button bitmaps compiled into the program: every one the forms ask for is
// there, the JPEGs decode through the program's own loader, and the buttons' see-through
// corners are where the hit masks need them.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include "shell/jpeg_image.h"

namespace {

struct ButtonSize {
  const char* role;
  int width;
  int height;
};

const ButtonSize kButtons[] = {{"flugschule", 144, 41}, {"flugzeuge", 144, 41},
                               {"scenery", 144, 41},    {"galerie", 144, 41},
                               {"faq", 80, 80},         {"exit", 136, 39},
                               {"return", 144, 41},     {"return_narrow", 113, 41},
                               {"exit_narrow", 113, 41}};
const char* const kStates[] = {"up", "down", "over", "disabled"};
const char* const kPages[] = {"TMainDLG",    "TSyllabusDLG", "TCertificationDLG",
                              "TPlanesDLG",  "TSceneryDLG",  "TGaleriaDLG",
                              "TCreditsDLG", "TSponsorsDLG", "THelpDLG"};

QImage jpegResource(const QString& name) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QString why;
  const QImage image = LoadJpeg(file.readAll(), &why);
  EXPECT_FALSE(image.isNull()) << name.toStdString() << ": " << why.toStdString();
  return image;
}

// Each layout has a picture of its own, the size of that layout's panel.
TEST(ShellContent, EveryPageHasAPictureAtEachLayoutsPanelSize) {
  for (const char* page : kPages) {
    EXPECT_EQ(jpegResource(QStringLiteral(":/shell/pages/%1_small.jpg").arg(page)).size(),
              QSize(600, 450))
        << page;
    EXPECT_EQ(jpegResource(QStringLiteral(":/shell/pages/%1_large.jpg").arg(page)).size(),
              QSize(750, 563))
        << page;
  }
  EXPECT_EQ(jpegResource(":/shell/message.jpg").size(), QSize(380, 209));
  EXPECT_FALSE(jpegResource(":/shell/logo.jpg").isNull());
}

TEST(ShellContent, ButtonsHaveTheirSizesAndSeeThroughCornersButASolidFace) {
  const QColor seeThrough(255, 255, 255);
  for (const ButtonSize& button : kButtons) {
    for (const char* state : kStates) {
      const QString name = QStringLiteral(":/shell/buttons/%1_%2.bmp").arg(button.role, state);
      const QImage bitmap(name);
      ASSERT_FALSE(bitmap.isNull()) << name.toStdString();
      EXPECT_EQ(bitmap.size(), QSize(button.width, button.height)) << name.toStdString();
      const int right = bitmap.width() - 1;
      const int bottom = bitmap.height() - 1;
      for (const QPoint corner :
           {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
        EXPECT_EQ(bitmap.pixelColor(corner), seeThrough) << name.toStdString();
      }
      // The face left of the caption is drawn, so a click there hits the button.
      EXPECT_NE(bitmap.pixelColor(bitmap.width() / 8 + 2, bitmap.height() / 2), seeThrough)
          << name.toStdString();
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Test discovery runs this program too, outside CTest's environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
