// Mouse routing through the rectangle lists: boxes relative to their parents, help ids and
// cursors, buttons, repeat while held and drags.
#include <gtest/gtest.h>

#include "host_fixture.h"
#include "panelhost/mouse_router.h"

using namespace panelhost;
using namespace panelhost_test;

TEST(MouseRouter, ChildBoxesAreRelativeToTheirSubParent) {
  MOUSERECT list[] = {
      {MOUSE_RECT_PARENT, {0, 0, 0, 0}, CURSOR_NONE, 0x1, 0, 0, nullptr, nullptr},
      {MOUSE_RECT_PARENT, {100, 10, 40, 40}, CURSOR_NONE, 0x2, 0, 0, nullptr, nullptr},
      {MOUSE_RECT_PARENT, {10, 10, 20, 20}, CURSOR_HAND, 0x3, 0, 0, nullptr, nullptr},
      {MOUSE_RECT_CHILD, {0, 0, 5, 5}, CURSOR_UP_ARROW, 0, MOUSE_LEFT_SINGLE, 1, nullptr, nullptr},
      {MOUSE_RECT_END_OF_PARENT, {}, 0, 0, 0, 0, nullptr, nullptr},
      {MOUSE_RECT_CHILD,
       {0, 0, 5, 5},
       CURSOR_DOWN_ARROW,
       0,
       MOUSE_LEFT_SINGLE,
       2,
       nullptr,
       nullptr},
      {MOUSE_RECT_END_OF_PARENT, {}, 0, 0, 0, 0, nullptr, nullptr},
      {MOUSE_RECT_CHILD, {0, 0, 5, 5}, CURSOR_HAND, 0, MOUSE_LEFT_SINGLE, 3, nullptr, nullptr},
      {MOUSE_RECT_END_OF_PARENT, {}, 0, 0, 0, 0, nullptr, nullptr},
      {MOUSE_RECT_EOL, {}, 0, 0, 0, 0, nullptr, nullptr},
  };
  const MouseRouter router(list, QSize(200, 100));
  ASSERT_EQ(router.areas().size(), 6u);
  EXPECT_EQ(router.areas()[0].box, QRect(0, 0, 200, 100));
  EXPECT_EQ(router.areas()[2].box, QRect(110, 20, 20, 20));
  EXPECT_EQ(router.childAt(QPoint(112, 22), MOUSE_LEFT_SINGLE)->record->event_id, 1u);
  EXPECT_EQ(router.childAt(QPoint(102, 12), MOUSE_LEFT_SINGLE)->record->event_id, 2u);
  EXPECT_EQ(router.childAt(QPoint(2, 2), MOUSE_LEFT_SINGLE)->record->event_id, 3u);
  EXPECT_EQ(router.childAt(QPoint(2, 2), kMouseRightSingle), nullptr);
  EXPECT_EQ(router.childAt(QPoint(50, 50), MOUSE_LEFT_SINGLE), nullptr);

  EXPECT_EQ(router.helpAt(QPoint(112, 22)).helpId, 0x3u);  // innermost parent with a help id
  EXPECT_EQ(router.helpAt(QPoint(112, 22)).cursor, CURSOR_UP_ARROW);
  EXPECT_EQ(router.helpAt(QPoint(125, 35)).cursor, CURSOR_HAND);
  EXPECT_EQ(router.helpAt(QPoint(135, 45)).helpId, 0x2u);
  EXPECT_EQ(router.helpAt(QPoint(135, 45)).cursor, CURSOR_NONE);
  EXPECT_EQ(router.helpAt(QPoint(50, 50)).helpId, 0x1u);
}

TEST(MouseRouter, ListWithoutEndOrWithStrayEndsIsCutSafely) {
  MOUSERECT list[] = {
      {MOUSE_RECT_END_OF_PARENT, {}, 0, 0, 0, 0, nullptr, nullptr},
      {MOUSE_RECT_CHILD, {1, 1, 2, 2}, CURSOR_HAND, 0, MOUSE_LEFT_SINGLE, 9, nullptr, nullptr},
      {MOUSE_RECT_EOL, {}, 0, 0, 0, 0, nullptr, nullptr},
  };
  const MouseRouter router(list, QSize(10, 10));
  EXPECT_EQ(router.childAt(QPoint(1, 1), MOUSE_LEFT_SINGLE)->record->event_id, 9u);
  EXPECT_TRUE(MouseRouter(nullptr, QSize(10, 10)).areas().empty());
}

TEST_F(HostTest, ClickPassesGaugePixelsAndTheButtonFlag) {
  Gauge& knob = gauge("KNOB");
  EXPECT_TRUE(host_->click(knob, QPoint(3, 7), MOUSE_LEFT_SINGLE));
  EXPECT_EQ(counter<int>("test_last_mouse_x"), 3);
  EXPECT_EQ(counter<int>("test_last_mouse_y"), 7);
  EXPECT_EQ(counter<unsigned>("test_last_mouse_flags"), MOUSE_LEFT_SINGLE);
  ASSERT_EQ(host_->events().size(), 1u);
  EXPECT_EQ(host_->events()[0].id, 0x20001u);
  EXPECT_EQ(host_->events()[0].value, 3007u);

  // The right-button area sends its key event itself; a left click there does nothing.
  EXPECT_FALSE(host_->click(knob, QPoint(45, 5), MOUSE_LEFT_SINGLE));
  EXPECT_TRUE(host_->click(knob, QPoint(45, 5), kMouseRightSingle));
  EXPECT_EQ(host_->takeEvents().back().id, 0x20004u);
  EXPECT_FALSE(host_->click(gauge("DIAL"), QPoint(5, 5), MOUSE_LEFT_SINGLE));  // help only
}

TEST_F(HostTest, HoldRepeatsOnlyAreasThatRepeatWhileHeld) {
  Gauge& knob = gauge("KNOB");
  const std::uint64_t before = host_->cycle();
  host_->hold(knob, QPoint(27, 27), 5);  // the repeating child of the sub-parent at (20, 20)
  EXPECT_EQ(counter<int>("test_repeat_presses"), 5);
  EXPECT_EQ(host_->cycle() - before, 5u);
  host_->takeEvents();
  host_->hold(knob, QPoint(2, 2), 4);  // a single-click child is pressed once
  EXPECT_EQ(host_->takeEvents().size(), 1u);
  EXPECT_EQ(host_->help(knob, QPoint(27, 27)).helpId, 0x200u);
  EXPECT_EQ(host_->help(knob, QPoint(27, 27)).cursor, CURSOR_UP_ARROW);
  EXPECT_EQ(host_->help(knob, QPoint(21, 21)).cursor, CURSOR_NONE);
}

TEST_F(HostTest, DragFollowsThePointerBeyondTheGauge) {
  Gauge& knob = gauge("KNOB");
  EXPECT_TRUE(host_->drag(knob, QPoint(10, -30)));
  EXPECT_TRUE(host_->drag(knob, QPoint(10, 44)));
  EXPECT_TRUE(host_->drag(knob, QPoint(10, 90)));
  const auto events = host_->takeEvents();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(static_cast<int>(events[0].value), -30);  // the nearest drag area gets the real point
  EXPECT_EQ(events[1].value, 44u);
  EXPECT_EQ(events[2].value, 90u);
  EXPECT_TRUE(host_->drag(knob, QPoint(3, 3)));  // a click area under the point: only pressed
  EXPECT_EQ(host_->takeEvents().at(0).id, 0x20001u);
  EXPECT_FALSE(host_->drag(gauge("DIAL"), QPoint(5, 5)));
}
