#pragma once
// The gates of the valley race, on the ground stations' grid (nautical miles east and north of
// the runway threshold): each a line across the valley, flown through in its heading's
// direction between its floor and ceiling. They count only in order.
#include <span>

namespace panelhost {

struct ValleyGate {
  double east;
  double north;
  double headingDegrees;  // the direction to fly through it
  double widthNm;
  double floorFeet;
  double ceilingFeet;
};

std::span<const ValleyGate> valleyGates();

struct GroundPoint {
  double east = 0;
  double north = 0;
};

// Whether the leg from `from` to `to`, flown at `altitudeFeet`, passes through `gate` in its
// direction.
bool passesGate(const ValleyGate& gate, GroundPoint from, GroundPoint to, double altitudeFeet);

}  // namespace panelhost
