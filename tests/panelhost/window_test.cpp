// The window for people: the panel at its size, clicks routed to the gauge under the pointer in
// its own pixels, held areas repeating with the panel cycle, tooltips from help ids.
#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "host_fixture.h"
#include "panelhost/help_texts.h"
#include "panelhost/panel_window.h"

using namespace panelhost;
using namespace panelhost_test;

TEST_F(HostTest, WindowRoutesClicksToTheGaugeUnderThePointer) {
  PanelWindow window(*host_);
  EXPECT_EQ(window.size(), host_->panelSize());
  const QPoint knobOrigin = gauge("KNOB").placement.topLeft();
  QTest::mouseClick(&window, Qt::LeftButton, {}, knobOrigin + QPoint(4, 5));
  ASSERT_EQ(host_->events().size(), 1u);
  EXPECT_EQ(host_->events()[0].value, 4005u);
  QTest::mouseClick(&window, Qt::RightButton, {}, knobOrigin + QPoint(45, 5));
  EXPECT_EQ(host_->takeEvents().back().id, 0x20004u);

  // Held on the repeating area, the press repeats on each panel cycle of the window's timer.
  QTest::mousePress(&window, Qt::LeftButton, {}, knobOrigin + QPoint(27, 27));
  QTRY_VERIFY_WITH_TIMEOUT(counter<int>("test_repeat_presses") >= 3, 5000);
  QTest::mouseRelease(&window, Qt::LeftButton, {}, knobOrigin + QPoint(27, 27));
  const int presses = counter<int>("test_repeat_presses");
  const std::uint64_t cycle = host_->cycle();
  QTRY_VERIFY_WITH_TIMEOUT(host_->cycle() > cycle + 2, 5000);
  EXPECT_EQ(counter<int>("test_repeat_presses"), presses);
}

// Nobody reads the window's logs, so they must not grow for as long as the window runs.
TEST_F(HostTest, WindowLetsGoOfTheEventsItsCyclesHaveSeen) {
  PanelWindow window(*host_);
  QTest::mouseClick(&window, Qt::LeftButton, {}, gauge("KNOB").placement.topLeft() + QPoint(4, 5));
  ASSERT_EQ(host_->events().size(), 1u);
  const std::uint64_t cycle = host_->cycle();
  QTRY_VERIFY_WITH_TIMEOUT(host_->cycle() > cycle + 1, 5000);
  EXPECT_TRUE(host_->events().empty());
}

TEST_F(HostTest, WindowShowsTheHelpIdAsTooltipAndTheAreasCursor) {
  PanelWindow window(*host_);
  window.show();
  const QPoint knobOrigin = gauge("KNOB").placement.topLeft();
  QTest::mouseMove(&window, knobOrigin + QPoint(27, 27));
  EXPECT_EQ(window.cursor().shape(), Qt::UpArrowCursor);
  QTest::mouseMove(&window, knobOrigin + QPoint(2, 2));
  EXPECT_EQ(window.cursor().shape(), Qt::PointingHandCursor);
  QHelpEvent help(QEvent::ToolTip, knobOrigin + QPoint(27, 27), window.mapToGlobal(knobOrigin));
  QApplication::sendEvent(&window, &help);
  EXPECT_EQ(QToolTip::text(), QString::fromUtf8(kUnnamedHelpText));
}
