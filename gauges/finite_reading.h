#pragma once
// The one rule for token values that are not finite, which every gauge reads by: NaN reads as 0,
// and +inf and -inf stop at the ends the reading is limited to, so no callback hands the host
// anything but a finite number and no value reaches a conversion it would overflow.
#include <cmath>

#include "gauges/panel_records.h"

namespace reading {

// NaN as 0, +inf as `high`, -inf as `low`; finite values pass unchanged.
inline FLOAT64 finiteOr(FLOAT64 value, FLOAT64 low, FLOAT64 high) {
  if (std::isnan(value)) return 0.0;
  if (std::isinf(value)) return value > 0.0 ? high : low;
  return value;
}

// NaN as 0 on reading a token; infinities stay, since comparisons already order them as the
// largest values, and the readings built from them stop them at their ends.
inline FLOAT64 numberOrZero(FLOAT64 value) {
  return std::isnan(value) ? 0.0 : value;
}

}  // namespace reading
