// The credits page in the program's own process: nothing drawn before the first move, both
// copies of the roll in the box at every offset, and the worker ended before the page goes.
#include <gtest/gtest.h>

#include "controls/jet_button.h"
#include "pages/credits_dlg.h"
#include "platform/screen.h"
#include "shell/automation_hooks.h"
#include "shell_test_support.h"

namespace {

class CreditsPageTest : public ShellPageTest {
 protected:
  void SetUp() override {
    ShellPageTest::SetUp();
    platform::setScreenWidthOverride(600);  // the small layout's box is 178 pixels high
    TBMDThread::SetObserver([this](const TBMDThread&, bool started) {
      events.push_back(started ? "started" : "ended");
    });
  }
  void TearDown() override {
    TBMDThread::SetObserver({});
    ShellPageTest::TearDown();
  }

  std::vector<std::string> events;
};

// Every row its own colour, so that each row of the box tells which row of the roll it shows.
QImage StripedRoll() {
  QImage roll(306, 780, QImage::Format_RGB32);
  for (int y = 0; y < roll.height(); ++y) {
    const QRgb colour = qRgb(y % 256, 40 + y / 256 * 60, 200);
    std::fill_n(reinterpret_cast<QRgb*>(roll.scanLine(y)), roll.width(), colour);
  }
  return roll;
}

// Each row of the box shows row (row + offset) mod 780 of the roll, centred, edges included.
testing::AssertionResult ShowsRollAt(const TCreditsBox* box, const QImage& roll, int offset) {
  const QImage frame = box->Frame();
  const int x = (frame.width() - roll.width()) / 2;
  for (int row = 0; row < frame.height(); ++row) {
    for (const int column : {0, roll.width() / 2, roll.width() - 1}) {
      const int rollRow = (row + offset) % roll.height();
      if (frame.pixel(x + column, row) != roll.pixel(column, rollRow)) {
        return testing::AssertionFailure() << "row " << row << " column " << column
                                           << " is not row " << rollRow << " of the roll";
      }
    }
  }
  return testing::AssertionSuccess();
}

TEST_F(CreditsPageTest, TheRollsTopShowsOnlyAfterTheFirstMoveOverThePageOrTheBox) {
  for (const char* moved : {"Image1", "DestImage"}) {
    SCOPED_TRACE(moved);
    TCreditsDLG page(nullptr);
    page.show();
    Settle();
    ASSERT_EQ(page.DestImage->size(), QSize(329, 178));
    EXPECT_EQ(page.SourceImage->picture().format(), QImage::Format_Indexed8);
    QImage white(page.DestImage->size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_EQ(page.DestImage->Frame(), white);

    page.DestImage->SetSpeed(0);
    MoveOver(Control(&page, moved), {20, 20});
    EXPECT_TRUE(page.DestImage->scrolling());
    EXPECT_TRUE(ShowsRollAt(page.DestImage, page.SourceImage->picture(), 0));
  }
}

TEST_F(CreditsPageTest, TheSecondCopyFollowsFrom603AndTheRollWrapsAt780WithoutAGap) {
  TCreditsDLG page(nullptr);
  page.show();
  Settle();
  const QImage roll = StripedRoll();
  page.DestImage->SetRoll(roll, page.SourceImage->height());
  page.DestImage->SetSpeed(0);
  ClickControl(page.DestImage);
  // At 602 the box's last row is the roll's last; at 603 it is the second copy's first.
  for (const int offset : {0, 301, 602, 603, 779, 780, 1000}) {
    SCOPED_TRACE(offset);
    page.DestImage->Seek(offset);
    EXPECT_EQ(page.DestImage->offset(), offset % 780);
    EXPECT_TRUE(ShowsRollAt(page.DestImage, roll, offset % 780));
  }
  // Scrolled by the worker over the end of the roll.
  page.DestImage->Seek(770);
  page.DestImage->SetSpeed(200);
  while (page.DestImage->offset() >= 770) QApplication::processEvents(QEventLoop::AllEvents, 5);
  page.DestImage->SetSpeed(0);
  EXPECT_LT(page.DestImage->offset(), 770);
  EXPECT_TRUE(ShowsRollAt(page.DestImage, roll, page.DestImage->offset()));
}

// Opens the page from `opener`, starts the scroll, runs `act` on it, and records its end.
void OpenScrollAnd(QWidget* opener, std::vector<std::string>* events,
                   const std::function<void(TCreditsDLG*)>& act) {
  WhenFormShown(QStringLiteral("TCreditsDLG"), [&](QWidget* form) {
    auto* page = static_cast<TCreditsDLG*>(form);
    QObject::connect(page, &QObject::destroyed, [events] { events->push_back("destroyed"); });
    MoveOver(page->Image1, {10, 10});
    act(page);
  });
  OpenModalPage<TCreditsDLG>(opener);
}

TEST_F(CreditsPageTest, ReturnAndConfirmedExitEndTheWorkerBeforeThePageIsDestroyed) {
  for (const bool exit : {false, true}) {
    SCOPED_TRACE(exit ? "Exit" : "Return");
    events.clear();
    QuitAll = false;
    QWidget opener;
    opener.show();
    if (exit) hooks::queueMessageAnswer(QStringLiteral("OK"));
    OpenScrollAnd(&opener, &events, [exit](TCreditsDLG* page) {
      ClickControl(exit ? page->ExitBtn : page->ReturnBtn);
    });
    EXPECT_EQ(events, (std::vector<std::string>{"started", "ended", "destroyed"}));
    EXPECT_EQ(QuitAll, exit);
    EXPECT_EQ(opener.isVisible(), !exit);
  }
}

TEST_F(CreditsPageTest, CancelledExitScrollsOnFromTheTop) {
  bool resumed = false;
  QWidget opener;
  OpenScrollAnd(&opener, &events, [&](TCreditsDLG* page) {
    page->DestImage->Seek(300);
    hooks::queueMessageAnswer(QStringLiteral("Abbruch"));
    ClickControl(page->ExitBtn);
    resumed = page->Scrolling && page->BMDThread1->HasWorker() && page->DestImage->offset() < 300;
    ClickControl(page->ReturnBtn);
  });
  EXPECT_TRUE(resumed);
  EXPECT_FALSE(QuitAll);
  EXPECT_EQ(events,
            (std::vector<std::string>{"started", "ended", "started", "ended", "destroyed"}));
}

}  // namespace
