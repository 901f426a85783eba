#pragma once
// Element readings on any axis and hide flags in the radio tests' panel (every gauge bound).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "panelhost/element_state.h"
#include "tests/radio_stack/radio_panel.h"

namespace nav_test {

using radio_test::RadioPanel;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
enum Axis { X, Y, Angle };

inline PELEMENT_HEADER elementOf(RadioPanel& panel, const char* gauge, int depth) {
  return panelhost::elementAtDepth(panel.host().findGauge(gauge)->background(), depth);
}
inline double reading(RadioPanel& panel, const char* gauge, int depth, Axis axis = X) {
  return panel.host().valuesOf(elementOf(panel, gauge, depth))->value[axis];
}
inline bool hidden(RadioPanel& panel, const char* gauge, int depth) {
  return (elementOf(panel, gauge, depth)->image_flags & IMAGE_HIDDEN) != 0;
}

// Two updates: a gauge earlier in the table than the one keeping a shared flag sees it then.
inline void settle(RadioPanel& panel, std::initializer_list<std::pair<ID32, double>> tokens) {
  for (const auto& [token, value] : tokens) panel.set(token, value);
  panel.update(2);
}

}  // namespace nav_test
