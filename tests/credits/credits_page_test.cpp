// The credits page in the program's own process: nothing drawn before the first move, both
// copies of the roll in the box at every offset, and the worker ended before the page goes.
#include <gtest/gtest.h>

#include <QPainter>

#include "controls/jet_button.h"
#include "pages/credits_dlg.h"
#include "platform/screen.h"
#include "shell/automation_hooks.h"
#include "tests/shell/shell_test_support.h"

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
  for (int y = 0; y < roll.height(); ++y)
    QPainter(&roll).fillRect(0, y, roll.width(), 1, QColor(y % 256, 40 + y / 256 * 60, 200));
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

// Return, Exit confirmed and Exit cancelled (then Return) on a page whose roll was moved on.
TEST_F(CreditsPageTest, TheWorkerEndsBeforeThePageIsDestroyedAndACancelledExitRestartsIt) {
  using Events = std::vector<std::string>;
  const struct {
    const char* answer;  // to the Exit question; none: Return
    Events events;
    bool quits, resumes;
  } cases[] = {
      {nullptr, {"started", "ended", "destroyed"}, false, false},
      {"OK", {"started", "ended", "destroyed"}, true, false},
      {"Abbruch", {"started", "ended", "started", "ended", "destroyed"}, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer ? c.answer : "Return");
    events.clear();
    QuitAll = false;
    QWidget opener;
    opener.show();
    bool resumed = false;
    WhenFormShown(QStringLiteral("TCreditsDLG"), [&](QWidget* form) {
      auto* page = static_cast<TCreditsDLG*>(form);
      QObject::connect(page, &QObject::destroyed, [this] { events.push_back("destroyed"); });
      MoveOver(page->Image1, {10, 10});
      page->DestImage->Seek(300);
      if (c.answer) {
        hooks::queueMessageAnswer(QString::fromLatin1(c.answer));
        ClickControl(page->ExitBtn);
      }
      resumed = page->Scrolling && page->BMDThread1->HasWorker() && page->DestImage->offset() < 300;
      if (!QuitAll) ClickControl(page->ReturnBtn);
    });
    OpenModalPage<TCreditsDLG>(&opener);
    EXPECT_EQ(events, c.events);
    EXPECT_EQ(QuitAll, c.quits);
    EXPECT_EQ(opener.isVisible(), !c.quits);
    EXPECT_EQ(resumed, c.resumes);
  }
}

}  // namespace
