#pragma once
// A gauge's mouse rectangle list, resolved to gauge pixels: parents (sub-areas with help ids and
// cursors) and children (clickable areas), each child's box relative to the parent it sits in.
// A box of zero width and height covers the whole of its parent (the first parent: the gauge).
#include <optional>
#include <vector>

#include "gauges/panel_records.h"
#include "panelhost/geometry.h"

namespace panelhost {

// Mouse flags that the host passes to mouse functions (the buttons) and reads from rectangles.
constexpr FLAGS32 kMouseRightSingle = 0x80000000;
constexpr FLAGS32 kMouseLeftDrag = 0x04000000;

struct MouseArea {
  const MOUSERECT* record = nullptr;
  Rect box;       // gauge pixels
  int depth = 0;  // 0: a top parent; children and nested parents are deeper
  bool child = false;
};

struct HelpAt {
  ID32 helpId = 0;
  SINT32 cursor = CURSOR_NONE;
};

class MouseRouter {
 public:
  MouseRouter() = default;
  MouseRouter(const MOUSERECT* list, Size gaugeSize);

  const std::vector<MouseArea>& areas() const { return areas_; }
  // The first child (in list order) under the point that takes the given button flag.
  const MouseArea* childAt(Point point, FLAGS32 button) const;
  // The child taking drags whose box is closest to the point (inside it: distance 0).
  const MouseArea* nearestDragArea(Point point) const;
  // The help id and cursor of the innermost area under the point that has one.
  HelpAt helpAt(Point point) const;

 private:
  std::vector<MouseArea> areas_;
};

// Calls the child's mouse function (or sends its key event through `sendKeyEvent`).
void pressArea(const MouseArea& area, Point point, FLAGS32 flags,
               void (*sendKeyEvent)(ID32 event, UINT32 value));

}  // namespace panelhost
