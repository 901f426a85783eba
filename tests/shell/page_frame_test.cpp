// The frame the large pages share: both layouts and the border between them, each page's
// Return place, the logo rule on its edges, Return, Exit and the web link.
#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>

#include "controls/image.h"
#include "pages/credits_dlg.h"
#include "pages/planes_dlg.h"
#include "pages/scenery_dlg.h"
#include "pages/syllabus_dlg.h"
#include "platform/screen.h"
#include "platform/shell_open.h"
#include "shell/automation_hooks.h"
#include "shell_test_support.h"

namespace {

using PageFrameTest = ShellPageTest;

struct Geometry {
  QSize form;
  QRect panel, picture, logo, returnBtn, exitBtn;
  QSize pictureSize;
};

template <class Page>
Geometry ShowAndMeasure(int screenWidth) {
  platform::setScreenWidthOverride(screenWidth);
  Geometry g;
  Page page(nullptr);
  WhenFormShown(page.objectName(), [&](QWidget* form) {
    g = {form->size(),
         Control(form, "Panel1")->geometry(),
         Control(form, "Image1")->geometry(),
         Control(form, "NVImage")->geometry(),
         Control(form, "ReturnBtn")->geometry(),
         Control(form, "ExitBtn")->geometry(),
         static_cast<TImage*>(Control(form, "Image1"))->picture().size()};
    form->close();
  });
  page.exec();
  return g;
}

TEST_F(PageFrameTest, ScreensUpTo650GetTheSmallLayoutWiderOnesTheLarge) {
  struct Expected {
    int screenWidth;
    QSize form;
    QRect logo;
    QPoint returnAt, exitAt;
  };
  const Expected cases[] = {
      {650, {600, 450}, {402, 406, 193, 39}, {2, 365}, {5, 406}},
      {651, {750, 563}, {504, 512, 242, 47}, {8, 464}, {8, 512}},
  };
  for (const Expected& e : cases) {
    SCOPED_TRACE(e.screenWidth);
    const Geometry g = ShowAndMeasure<TCreditsDLG>(e.screenWidth);
    EXPECT_EQ(g.form, e.form);
    EXPECT_EQ(g.panel, QRect(QPoint(0, 0), e.form));
    EXPECT_EQ(g.logo, e.logo);
    EXPECT_EQ(g.returnBtn.topLeft(), e.returnAt);
    EXPECT_EQ(g.exitBtn.topLeft(), e.exitAt);
    // The picture fills the panel inside its two bevel rings.
    EXPECT_EQ(g.picture, QRect(QPoint(4, 4), e.form - QSize(8, 8)));
    // The picture drawn for the layout chosen at show time, not one scaled from the other.
    EXPECT_EQ(g.pictureSize, e.form);
  }
}

TEST_F(PageFrameTest, EachPageKeepsItsOwnSmallReturnPlace) {
  EXPECT_EQ(ShowAndMeasure<TPlanesDLG>(640).returnBtn.topLeft(), QPoint(10, 341));
  EXPECT_EQ(ShowAndMeasure<TSceneryDLG>(640).returnBtn.topLeft(), QPoint(10, 349));
  EXPECT_EQ(ShowAndMeasure<TSyllabusDLG>(640).returnBtn.topLeft(), QPoint(2, 365));
  EXPECT_EQ(ShowAndMeasure<TPlanesDLG>(1024).returnBtn.topLeft(), QPoint(8, 430));
}

TEST_F(PageFrameTest, TheLogoShowsExactlyOnItsRectangleEdgesIncluded) {
  platform::setScreenWidthOverride(640);
  TCreditsDLG page(nullptr);
  struct Probe {
    QPoint at;
    bool shown;
  };
  const Probe probes[] = {{{402, 406}, true},  {{595, 445}, true},  {{500, 420}, true},
                          {{596, 445}, false}, {{595, 446}, false}, {{401, 406}, false},
                          {{402, 405}, false}, {{10, 10}, false}};
  bool hiddenAtOpen = false, handCursor = false;
  std::vector<bool> seen;
  WhenFormShown("TCreditsDLG", [&](QWidget* form) {
    QWidget* logo = Control(form, "NVImage");
    hiddenAtOpen = !logo->isVisible();
    handCursor = logo->cursor().shape() == Qt::PointingHandCursor;
    for (const Probe& p : probes) {
      MoveOver(Control(form, "Image1"), p.at);
      seen.push_back(logo->isVisible());
    }
    form->close();
  });
  page.exec();
  EXPECT_TRUE(hiddenAtOpen);
  EXPECT_TRUE(handCursor);
  ASSERT_EQ(seen.size(), std::size(probes));
  for (std::size_t i = 0; i < seen.size(); ++i)
    EXPECT_EQ(seen[i], probes[i].shown) << "at " << probes[i].at.x() << "," << probes[i].at.y();
}

TEST_F(PageFrameTest, TheFlightSchoolOpensWithItsLogoShown) {
  platform::setScreenWidthOverride(640);
  TSyllabusDLG page(nullptr);
  bool shownAtOpen = false;
  WhenFormShown("TSyllabusDLG", [&](QWidget* form) {
    shownAtOpen = Control(form, "NVImage")->isVisible();
    form->close();
  });
  page.exec();
  EXPECT_TRUE(shownAtOpen);
}

TEST_F(PageFrameTest, ReturnClosesThePageAndEscapeDoesNot) {
  platform::setScreenWidthOverride(640);
  TCreditsDLG page(nullptr);
  bool openAfterEscape = false;
  WhenFormShown("TCreditsDLG", [&](QWidget* form) {
    QTest::keyClick(form, Qt::Key_Escape);
    Settle();
    openAfterEscape = form->isVisible();
    ClickControl(Control(form, "ReturnBtn"));
  });
  page.exec();
  EXPECT_TRUE(openAfterEscape);
  EXPECT_FALSE(page.isVisible());
  EXPECT_FALSE(QuitAll);
}

TEST_F(PageFrameTest, ExitAsksAndEndsTheProgramOnlyOnOK) {
  platform::setScreenWidthOverride(640);
  std::vector<hooks::MessageRecord> records;
  hooks::setMessageObserver([&](const hooks::MessageRecord& r) { records.push_back(r); });
  TCreditsDLG page(nullptr);
  bool openAfterAbbruch = false;
  WhenFormShown("TCreditsDLG", [&](QWidget* form) {
    hooks::queueMessageAnswer("Abbruch");
    ClickControl(Control(form, "ExitBtn"));
    Settle();
    openAfterAbbruch = form->isVisible() && !QuitAll;
    hooks::queueMessageAnswer("OK");
    ClickControl(Control(form, "ExitBtn"));
  });
  page.exec();
  EXPECT_TRUE(openAfterAbbruch);
  EXPECT_TRUE(QuitAll);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].text, "QTP wird beendet!");
  EXPECT_EQ(records[0].okCaption, "OK");
  EXPECT_EQ(records[0].abortCaption, "Abbruch");
  EXPECT_FALSE(records[0].red);
}

TEST_F(PageFrameTest, TheLogoOpensTheMakersConfiguredPage) {
  platform::setScreenWidthOverride(640);
  ::setenv("QTP_URL_MAKER", "https://example.org/maker", 1);
  std::vector<std::string> opened;
  platform::setShellOpenRecorder(
      [&](const platform::ShellOpenRequest& r) { opened.push_back(r.target); });
  TSyllabusDLG page(nullptr);
  WhenFormShown("TSyllabusDLG", [&](QWidget* form) {
    ClickControl(Control(form, "NVImage"));
    form->close();
  });
  page.exec();
  ::unsetenv("QTP_URL_MAKER");
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "https://example.org/maker");
}

}  // namespace
