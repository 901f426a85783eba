#pragma once
// Which callback computes an element's axis: the axes without one carry the host's own token
// value, the ones with one what the gauge made of it.
#include <array>

#include "gauges/panel_records.h"

namespace testsupport {

inline PELEMENT_CALLBACK callbackOf(const ELEMENT_HEADER& e, int axis) {
  switch (e.element_type) {
    case ELEMENT_TYPE_NEEDLE:
      return reinterpret_cast<const ELEMENT_NEEDLE&>(e).update_cb;
    case ELEMENT_TYPE_STRING:
      return reinterpret_cast<const ELEMENT_STRING&>(e).update_cb;
    case ELEMENT_TYPE_ICON:
      return reinterpret_cast<const ELEMENT_ICON&>(e).update_cb;
    case ELEMENT_TYPE_MOVING_IMAGE: {
      const auto& m = reinterpret_cast<const ELEMENT_MOVING_IMAGE&>(e);
      return axis == 0 ? m.update_x_cb : m.update_y_cb;
    }
    case ELEMENT_TYPE_SPRITE: {
      const auto& s = reinterpret_cast<const ELEMENT_SPRITE&>(e);
      return std::array{s.update_x_cb, s.update_y_cb, s.update_angle_cb}.at(axis);
    }
    default:
      return nullptr;
  }
}

}  // namespace testsupport
