// The gallery as a person meets it, through `qtp --automate` on a fresh demo prefix with the
// sample CD in D:.
#include <gtest/gtest.h>

#include "tests/e2e/walkthrough.h"

namespace {

using GalleryWalkthrough = e2e::WalkthroughTest;

TEST_F(GalleryWalkthrough, FromTheMenuBackToTheLastPictureIntoItsEnlargedViewAndBack) {
  walk.setProductValues({"CDDrive=D:\\"});
  const QStringList lines =
      holds(QStringLiteral("screen 640\n"
                           "click GalerieBtn\n"
                           "expect TitlePanel caption \"\"\n"
                           "click PrevBtn\n"
                           "expect TitlePanel caption BÜCHER\n"
                           "dump\n"
                           "click SelBtn\n"
                           "expect Image1 geometry 5,5,640,480\n"
                           "key Image1 Left\n"
                           "click NextBtn\n"
                           "expect TitlePanel caption \"Die ersten Damen im Cockpit\"\n"
                           "click ReturnBtn\n"
                           "expect-form TMainDLG\n"));
  EXPECT_TRUE(e2e::inOrder(
      lines, {"form TGaleriaDLG shown", R"(read "D:\\UIRES\\GALERIA\\GALERIA.TXT")",
              R"(InfoMemo QPlainTextEdit 2,2,252,117 visible enabled "BÜCHER\nOhne Theorie kein )"
              R"(Schein: Luftrecht, Navigation, Meteorologie und Technik stehen im Regal der )"
              R"(Flugschule.\nFoto: Mira Keller")",
              "form TEnlargeDLG shown", "form TEnlargeDLG closed", "form TGaleriaDLG closed"}));
  EXPECT_EQ(lines.filter(QStringLiteral("read ")).size(), 1);
}

}  // namespace
