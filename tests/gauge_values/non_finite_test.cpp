// Values no simulator should report, with every number token the host knows set at once to one
// of them in a fresh panel: every callback stays finite, NaN draws as 0 does, and an infinity as
// the huge value of its sign does, or as 0 where a reading has no end to stop at. Integer words
// with digits above 9 or a to-from state of 7 and clicks on every corner of every mouse area
// come along.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "panelhost/element_painter.h"
#include "panelhost/element_state.h"
#include "tests/support/element_callbacks.h"
#include "tests/support/gauge_panel.h"

namespace {

// Where the host draws an axis: the needle's angle, the icon's image, the share of a moving
// image's range; the value itself for the rest.
double drawn(const ELEMENT_HEADER& e, const panelhost::ElementValues& v, int axis) {
  if (v.needleDegrees) return *v.needleDegrees;
  if (e.element_type == ELEMENT_TYPE_ICON)
    return panelhost::iconIndex(v.value[0], reinterpret_cast<const ELEMENT_ICON&>(e).num_icons);
  if (e.element_type != ELEMENT_TYPE_MOVING_IMAGE) return v.value[axis];
  const auto& m = reinterpret_cast<const ELEMENT_MOVING_IMAGE&>(e);
  const double low = axis == 0 ? m.min_x : m.min_y, high = axis == 0 ? m.max_x : m.max_y;
  return high != low ? std::clamp((v.value[axis] - low) / (high - low), 0.0, 1.0) : v.value[axis];
}

struct Readings {
  std::vector<std::string> where;
  std::vector<double> value, drawn;
  std::vector<std::string> text;
};

Readings readingsWith(double value) {
  testsupport::GaugePanel panel;
  for (const panelhost::TokenDefault& token : panelhost::aircraftTokens())
    if (token.kind == panelhost::VarKind::Number) panel.pin(token.token, value);
  // Power on and every receiver hearing its station, so the powered readings are the ones fed.
  for (ID32 token : {tok::kBatteryMaster, tok::kAvionicsMaster, tok::kNav1Signal, tok::kNav2Signal,
                     tok::kAdfSignal})
    panel.pin(token, 1);
  Readings out;
  for (double word : {0.0, 7.0, double(0xFFFFFFFF), double(0x9ABCDEF7)}) {
    for (const panelhost::TokenDefault& token : panelhost::aircraftTokens())
      if (token.kind == panelhost::VarKind::Integer) panel.pin(token.token, word);
    panel.update(3);
    for (const auto& gauge : panel.host().gauges()) {
      panelhost::forEachElement(gauge->background(), [&](PELEMENT_HEADER e) {
        const panelhost::ElementValues* v = panel.host().valuesOf(e);
        for (int axis = 0; v != nullptr && axis < v->axes; ++axis) {
          if (testsupport::callbackOf(*e, axis) == nullptr) continue;
          out.where.push_back(gauge->name + " " + std::to_string(out.where.size()));
          out.value.push_back(v->value[axis]);
          out.drawn.push_back(drawn(*e, *v, axis));
          out.text.push_back(v->text);
        }
      });
      for (const panelhost::MouseArea& area : gauge->mouse.areas())
        for (QPoint corner : {area.box.topLeft(), area.box.bottomRight(), area.box.topRight(),
                              area.box.bottomLeft()})
          panel.host().click(*gauge, corner, area.record->mouse_flags);
    }
  }
  return out;
}

TEST(HostileTokenValues, EveryCallbackReadsNaNAsZeroAndStopsInfinitiesAtTheirEnds) {
  const Readings zero = readingsWith(0.0), nan = readingsWith(std::nan(""));
  ASSERT_EQ(nan.where, zero.where);
  EXPECT_EQ(nan.value, zero.value);
  EXPECT_EQ(nan.text, zero.text);
  for (double sign : {1.0, -1.0}) {
    const Readings huge = readingsWith(sign * 1e300), inf = readingsWith(sign * INFINITY);
    for (std::size_t i = 0; i < inf.where.size(); ++i) {
      EXPECT_TRUE(std::isfinite(huge.value[i]) && std::isfinite(inf.value[i])) << inf.where[i];
      const auto drawnAs = [&](const Readings& r) {
        return inf.drawn[i] == r.drawn[i] && inf.text[i] == r.text[i];
      };
      EXPECT_TRUE(drawnAs(huge) || drawnAs(zero))
          << inf.where[i] << " drawn at " << inf.drawn[i] << ", not " << huge.drawn[i];
    }
  }
}

}  // namespace
