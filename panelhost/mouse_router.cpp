#include "panelhost/mouse_router.h"

#include <algorithm>

namespace panelhost {
namespace {

// A list without its end record is cut here rather than read past.
constexpr int kMaxRecords = 4096;

Rect resolve(const PIXBOX& box, const Rect& within) {
  if (box.width == 0 && box.height == 0) return within;
  return Rect(within.x() + box.x, within.y() + box.y, box.width, box.height);
}

}  // namespace

MouseRouter::MouseRouter(const MOUSERECT* list, Size gaugeSize) {
  if (!list) return;
  std::vector<Rect> parents{Rect(Point(0, 0), gaugeSize)};
  for (int i = 0; i < kMaxRecords && list[i].rect_type != MOUSE_RECT_EOL; ++i) {
    const MOUSERECT& record = list[i];
    const int depth = static_cast<int>(parents.size()) - 1;
    switch (record.rect_type) {
      case MOUSE_RECT_PARENT: {
        const Rect box = resolve(record.relative_box, parents.back());
        areas_.push_back(MouseArea{&record, box, depth, false});
        parents.push_back(box);
        break;
      }
      case MOUSE_RECT_CHILD:
        areas_.push_back(
            MouseArea{&record, resolve(record.relative_box, parents.back()), depth, true});
        break;
      case MOUSE_RECT_END_OF_PARENT:
        if (parents.size() > 1) parents.pop_back();
        break;
      default:
        break;
    }
  }
}

const MouseArea* MouseRouter::childAt(Point point, FLAGS32 button) const {
  for (const MouseArea& area : areas_) {
    if (area.child && area.box.contains(point) && (area.record->mouse_flags & button)) return &area;
  }
  return nullptr;
}

const MouseArea* MouseRouter::nearestDragArea(Point point) const {
  const MouseArea* nearest = nullptr;
  long best = 0;
  for (const MouseArea& area : areas_) {
    if (!area.child || !(area.record->mouse_flags & MOUSE_DRAG) || area.box.isEmpty()) continue;
    const long dx = std::max({area.box.left() - point.x(), 0, point.x() - area.box.right()});
    const long dy = std::max({area.box.top() - point.y(), 0, point.y() - area.box.bottom()});
    const long distance = dx * dx + dy * dy;
    if (!nearest || distance < best) {
      nearest = &area;
      best = distance;
    }
  }
  return nearest;
}

HelpAt MouseRouter::helpAt(Point point) const {
  HelpAt help;
  int helpDepth = -1;
  int cursorDepth = -1;
  for (const MouseArea& area : areas_) {
    if (!area.box.contains(point)) continue;
    const int depth = area.depth * 2 + (area.child ? 1 : 0);
    if (area.record->help_id != 0 && depth > helpDepth) {
      help.helpId = area.record->help_id;
      helpDepth = depth;
    }
    if (area.record->cursor != CURSOR_NONE && area.record->cursor != 0 && depth > cursorDepth) {
      help.cursor = area.record->cursor;
      cursorDepth = depth;
    }
  }
  return help;
}

void pressArea(const MouseArea& area, Point point, FLAGS32 flags,
               void (*sendKeyEvent)(ID32 event, UINT32 value)) {
  const MOUSERECT& record = *area.record;
  if (record.mouse_function) {
    PIXPOINT pixel{point.x(), point.y()};
    record.mouse_function(&pixel, flags);
  } else if (record.event_id != 0 && sendKeyEvent) {
    sendKeyEvent(record.event_id, 0);
  }
}

}  // namespace panelhost
