#include "panelhost/valley_gates.h"

#include <array>
#include <cmath>
#include <numbers>

namespace panelhost {
namespace {

// The valley lies east of the airfield (at 0 ft), winding north between its walls; the race
// starts south of the first gate and ends past the fifth.
// clang-format off
constexpr auto kGates = std::to_array<ValleyGate>({
    // east  north  heading width floor ceiling
    {12.0,  -4.0,  0,      0.4,  700,  1500},
    {12.6,  -2.0,  20,     0.35, 700,  1500},
    {13.8,   0.0,  35,     0.35, 800,  1600},
    {14.2,   2.2,  350,    0.3,  800,  1600},
    {13.4,   4.4,  330,    0.3,  700,  1400},
});
// clang-format on

}  // namespace

std::span<const ValleyGate> valleyGates() {
  return kGates;
}

bool passesGate(const ValleyGate& gate, GroundPoint from, GroundPoint to, double altitudeFeet) {
  if (!(altitudeFeet >= gate.floorFeet && altitudeFeet <= gate.ceilingFeet)) return false;
  const double angle = gate.headingDegrees * std::numbers::pi / 180;
  const double alongEast = std::sin(angle);
  const double alongNorth = std::cos(angle);
  // Distances along the gate's direction (ahead of its line) and across it (right of centre).
  const auto ahead = [&](GroundPoint p) {
    return (p.east - gate.east) * alongEast + (p.north - gate.north) * alongNorth;
  };
  const auto across = [&](GroundPoint p) {
    return (p.east - gate.east) * alongNorth - (p.north - gate.north) * alongEast;
  };
  const double before = ahead(from);
  const double after = ahead(to);
  if (!(before < 0 && after >= 0)) return false;
  const double share = before / (before - after);
  const double offset = across(from) + (across(to) - across(from)) * share;
  return std::abs(offset) <= gate.widthNm / 2;
}

}  // namespace panelhost
