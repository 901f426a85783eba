// The run window as it comes up, where it goes, and its progress handler: the needle's sweep,
// the stop it passes on, and the message pump every tenth member.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "controls/compass.h"
#include "controls/image.h"
#include "controls/label.h"
#include "installer/install_run.h"
#include "installer/setup2_dlg.h"
#include "shell/install_state.h"
#include "tests/shell/shell_test_support.h"

namespace {

class RunWindowTest : public testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override {
    delete Setup2DLG;
    ResetProgramState();
  }

  // One member reported by the archive component.
  static void MemberExtracted(TSetup2DLG& window) {
    window.RAR1.OnExtract(window.RAR1, RARHeaderData{}, true);
  }
};

TEST_F(RunWindowTest, ComesUpAsTheRunWindowWithItsControls) {
  TSetup2DLG window(nullptr);
  EXPECT_EQ(window.objectName(), "TSetup2DLG");
  EXPECT_EQ(window.windowTitle(), "InstallProcessDLG");
  EXPECT_EQ(window.size(), QSize(158, 183));
  EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(window.isModal());
  EXPECT_EQ(window.Image1->size(), QSize(150, 149));
  EXPECT_EQ(window.Progress->mapTo(&window, QPoint(0, 0)), QPoint(32, 32));
  EXPECT_EQ(window.Progress->size(), QSize(97, 96));
  EXPECT_EQ(window.Progress->heading(), 0);
  EXPECT_EQ(window.Progress->needleLength(), 40);
  EXPECT_EQ(window.Progress->centerCircleWidth(), 15);
  EXPECT_EQ(window.Progress->color(), clGray);
  EXPECT_EQ(window.Progress->needleColor(), 0x80FFFFu);
  EXPECT_EQ(window.InfoText->text(), "Bereite Installation vor...");
  EXPECT_EQ(window.InfoText->palette().color(QPalette::WindowText), QColor(Qt::white));
  EXPECT_TRUE(window.Timer1->isActive());
  EXPECT_TRUE(window.Timer1->isSingleShot());
  EXPECT_EQ(window.Timer1->interval(), 1000);
  EXPECT_TRUE(window.RAR1.Stop);
  EXPECT_TRUE(window.RAR1.LoadedDLL());
}

TEST_F(RunWindowTest, TheNeedleSweepsTo330InProportionTruncated) {
  TSetup2DLG window(nullptr);
  Session.ExpectedFiles = 7;
  MemberExtracted(window);
  EXPECT_EQ(Session.ExtractedFiles, 1);
  EXPECT_EQ(window.Progress->heading(), 47);  // 330 / 7 = 47.14
  for (int i = 0; i < 5; ++i) MemberExtracted(window);
  EXPECT_EQ(window.Progress->heading(), 282);  // 330 * 6 / 7 = 282.86
  MemberExtracted(window);
  EXPECT_EQ(window.Progress->heading(), 330);
}

TEST_F(RunWindowTest, NoExpectedFilesLeavesTheNeedleWhereItIs) {
  TSetup2DLG window(nullptr);
  window.Progress->setHeading(12);
  Session.ExpectedFiles = 0;
  for (int i = 0; i < 3; ++i) MemberExtracted(window);
  EXPECT_EQ(Session.ExtractedFiles, 3);
  EXPECT_EQ(window.Progress->heading(), 12);
}

TEST_F(RunWindowTest, AnAbortStopsTheArchiveBeforeItsNextMember) {
  TSetup2DLG window(nullptr);
  window.RAR1.Stop = false;
  Session.ExpectedFiles = 100;
  MemberExtracted(window);
  EXPECT_FALSE(window.RAR1.Stop);
  InstallAbort = true;
  MemberExtracted(window);
  EXPECT_TRUE(window.RAR1.Stop);
}

TEST_F(RunWindowTest, PendingEventsRunAtEveryTenthMember) {
  TSetup2DLG window(nullptr);
  Session.ExpectedFiles = 100;
  Session.ExtractedFiles = 10;
  int ran = 0;
  QTimer::singleShot(0, [&ran] { ++ran; });
  for (int i = 0; i < 9; ++i) MemberExtracted(window);
  EXPECT_EQ(ran, 0);
  MemberExtracted(window);
  EXPECT_EQ(Session.ExtractedFiles, 20);
  EXPECT_EQ(ran, 1);
}

TEST_F(RunWindowTest, SitsInsideTheMainWindowsLowerRightCorner) {
  QWidget main;
  main.setObjectName("TMainDLG");
  main.setGeometry(100, 50, 600, 450);
  QWidget page;
  StartInstallRun(&page);
  ASSERT_NE(Setup2DLG, nullptr);
  EXPECT_TRUE(Setup2DLG->isVisible());
  // left = 100 + 600 - 158 - 15, top = 50 + 450 - 183 - 50
  EXPECT_EQ(Setup2DLG->pos(), QPoint(527, 267));
  TSetup2DLG* first = Setup2DLG;
  StartInstallRun(&page);
  EXPECT_EQ(Setup2DLG, first);
  EXPECT_EQ(QApplication::topLevelWidgets().count(first), 1);
}

TEST_F(RunWindowTest, AnOwnerThatGoesBeforeTheRunTakesTheWindowAndTheRunningFlag) {
  auto owner = std::make_unique<QWidget>();
  InstallRunning = true;
  StartInstallRun(owner.get());
  QPointer<TSetup2DLG> window = Setup2DLG;
  ASSERT_TRUE(window);
  owner.reset();
  EXPECT_FALSE(InstallRunning);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(window->Timer1->isActive());
  EXPECT_EQ(Setup2DLG, nullptr);  // a new run may start at once
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(window);
}

}  // namespace
