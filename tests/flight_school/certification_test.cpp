// The certification page: both layouts with the narrower buttons in the large one, the text line
// by line, the keyword read backwards from its stored form, the logo, Return and Exit.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <algorithm>
#include <string>

#include "controls/image.h"
#include "controls/jet_button.h"
#include "pages/certification_dlg.h"
#include "platform/screen.h"
#include "platform/shell_open.h"
#include "shell/automation_hooks.h"
#include "tests/shell/shell_test_support.h"

namespace {

class CertificationTest : public ShellPageTest {
 protected:
  // Shows the page at this width and runs `action` once it is up; closes it afterwards.
  static void WithPage(int screenWidth, const std::function<void(TCertificationDLG&)>& action) {
    platform::setScreenWidthOverride(screenWidth);
    TCertificationDLG page(nullptr);
    WhenFormShown(QStringLiteral("TCertificationDLG"), [&](QWidget*) {
      action(page);
      if (page.isVisible()) page.close();
    });
    page.exec();
  }
};

TEST_F(CertificationTest, SmallAndLargeLayoutsPlaceEveryControl) {
  struct Expected {
    int width;
    QSize form;
    QRect info, password, logo, exitBtn, returnBtn;
  };
  const Expected cases[] = {
      {650,
       {600, 450},
       {64, 124, 474, 205},
       {321, 338, 216, 35},
       {402, 406, 193, 39},
       {8, 405, 136, 39},
       {8, 360, 144, 41}},
      {651,
       {750, 563},
       {79, 156, 595, 256},
       {401, 426, 271, 40},
       {504, 512, 242, 47},
       {8, 512, 113, 41},
       {8, 464, 113, 41}},
  };
  for (const Expected& e : cases) {
    SCOPED_TRACE(e.width);
    WithPage(e.width, [&](TCertificationDLG& page) {
      EXPECT_EQ(page.size(), e.form);
      EXPECT_EQ(page.InfoPanel->geometry(), e.info);
      EXPECT_EQ(page.PasswordPanel->geometry(), e.password);
      EXPECT_EQ(page.NVImage->geometry(), e.logo);
      EXPECT_EQ(page.ExitBtn->geometry(), e.exitBtn);
      EXPECT_EQ(page.ReturnBtn->geometry(), e.returnBtn);
      // The buttons' pictures are drawn to the buttons' size, so they show whole.
      EXPECT_EQ(page.ExitBtn->bitmapUp().size(), e.exitBtn.size());
      EXPECT_EQ(page.ReturnBtn->currentPicture().size(), e.returnBtn.size());
      // The memo fills its panel inside the panel's bevels.
      EXPECT_EQ(page.Memo1->geometry(), page.InfoPanel->clientArea());
    });
  }
}

TEST_F(CertificationTest, TheTextKeepsItsLinesTrailingSpacesAndEmptyLines) {
  WithPage(640, [](TCertificationDLG& page) {
    EXPECT_TRUE(page.Memo1->isReadOnly());
    EXPECT_EQ(page.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const QStringList lines = page.Memo1->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines[0], "ZERTIFIZIERUNG:");
    EXPECT_EQ(lines[2], "Wir vom Norvane Entwicklungsteam gratulieren Ihnen zur ");
    EXPECT_EQ(lines[5], "MEROVAIR PILOTS");
    EXPECT_EQ(lines[17], "NUR in der VIRTUELLEN WELT DER FLIEGEREI !!");
    EXPECT_EQ(lines[20], "Manual (CPOM).  Wenn es Ihnen Spaß gemacht hat, sehen wir uns ");
    EXPECT_EQ(lines[24], "ALWAYS HAPPY LANDINGS ...");
    for (int empty : {1, 4, 6, 16, 18, 23, 25}) EXPECT_TRUE(lines[empty].isEmpty()) << empty;
    // Every line of prose ends in a space, as it was typed for the memo's own wrapping.
    for (int prose : {2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 15, 19, 20, 21, 22})
      EXPECT_TRUE(lines[prose].endsWith(QLatin1Char(' '))) << prose;
  });
}

TEST_F(CertificationTest, TheKeywordIsTheStoredStringReadBackwards) {
  std::string stored = kStoredKeyword;
  ASSERT_EQ(stored.size(), 10u);
  EXPECT_TRUE(std::all_of(stored.begin(), stored.end(),
                          [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); }));
  std::reverse(stored.begin(), stored.end());
  WithPage(640, [&](TCertificationDLG& page) {
    EXPECT_EQ(page.PasswordPanel->caption().toStdString(), stored);
    EXPECT_EQ(page.PasswordPanel->property("caption").toString().size(), 10);
  });
}

TEST_F(CertificationTest, TheLogoIsHiddenAtOpenShowsOverItsPlaceAndOpensTheMakersPage) {
  std::vector<std::string> opened;
  platform::setShellOpenRecorder(
      [&](const platform::ShellOpenRequest& r) { opened.push_back(r.target); });
  WithPage(640, [](TCertificationDLG& page) {
    EXPECT_FALSE(page.NVImage->isVisible());
    EXPECT_EQ(page.NVImage->cursor().shape(), Qt::PointingHandCursor);
    MoveOver(page.Image1, {500, 420});
    EXPECT_TRUE(page.NVImage->isVisible());
    ClickControl(page.NVImage);
  });
  platform::setShellOpenRecorder(nullptr);
  EXPECT_EQ(opened.size(), 1u);
}

TEST_F(CertificationTest, ReturnClosesOnlyThePageAndExitEndsTheProgramAfterOK) {
  for (int width : {640, 1024}) {
    WithPage(width, [](TCertificationDLG& page) {
      ClickControl(page.ReturnBtn);
      EXPECT_FALSE(page.isVisible());
    });
  }
  EXPECT_FALSE(QuitAll);

  WithPage(640, [](TCertificationDLG& page) {
    hooks::queueMessageAnswer(QStringLiteral("Abbruch"));
    ClickControl(page.ExitBtn);
    EXPECT_TRUE(page.isVisible());
    EXPECT_FALSE(QuitAll);
    hooks::queueMessageAnswer(QStringLiteral("OK"));
    ClickControl(page.ExitBtn);
    EXPECT_FALSE(page.isVisible());
  });
  EXPECT_TRUE(QuitAll);
}

}  // namespace
