#include "gauges/panel_state.h"

#include <cmath>
#include <limits>

PanelState panelState;

SINT32 truncateToInt32(FLOAT64 value) {
  if (std::isnan(value)) return 0;
  constexpr auto low = static_cast<FLOAT64>(std::numeric_limits<SINT32>::min());
  constexpr auto high = static_cast<FLOAT64>(std::numeric_limits<SINT32>::max());
  if (value <= low) return std::numeric_limits<SINT32>::min();
  if (value >= high) return std::numeric_limits<SINT32>::max();
  return static_cast<SINT32>(std::trunc(value));
}
