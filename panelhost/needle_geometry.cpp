#include "panelhost/needle_geometry.h"

#include <cmath>
#include <numbers>

namespace panelhost {

void fillNonlinearityDegrees(NONLINEARITY* table, UINT32 size, PIXPOINT pivot) {
  double previous = 0;
  for (UINT32 i = 0; i < size; ++i) {
    const double dx = table[i].pt.x - pivot.x;
    const double dy = table[i].pt.y - pivot.y;
    double degrees = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
    if (i > 0) {
      while (degrees - previous > 180) degrees -= 360;
      while (degrees - previous <= -180) degrees += 360;
    }
    table[i].degrees = degrees;
    previous = degrees;
  }
}

std::optional<double> needleTarget(const NONLINEARITY* table, UINT32 size, double value) {
  if (std::isnan(value)) return std::nullopt;
  if (!table || size == 0) {
    if (!std::isfinite(value)) return std::nullopt;
    return value;
  }
  if (value <= table[0].value) return table[0].degrees;
  for (UINT32 i = 1; i < size; ++i) {
    const NONLINEARITY& low = table[i - 1];
    const NONLINEARITY& high = table[i];
    if (value > high.value) continue;
    const double span = high.value - low.value;
    if (!(span > 0)) return high.degrees;
    return low.degrees + (value - low.value) / span * (high.degrees - low.degrees);
  }
  return table[size - 1].degrees;
}

double limitNeedleStep(double current, double target, double maxPerTick) {
  if (!(maxPerTick > 0)) return target;
  const double delta = target - current;
  if (std::abs(delta) <= maxPerTick) return target;
  return current + std::copysign(maxPerTick, delta);
}

}  // namespace panelhost
