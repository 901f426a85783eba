#include "panelhost/ground_stations.h"

#include <array>
#include <cmath>

namespace panelhost {
namespace {

using K = StationKind;

// The runway's threshold is the grid's origin; it runs 0.9 nm east on the field, which lies at
// 0 ft as the flat land around it. The glide slope and its DME stand 1000 ft past the
// threshold, the localizer beyond the far end. A second VOR with DME lies 36 nm east-north-east
// of the first, for a leg from one to the other.
// clang-format off
constexpr auto kStations = std::to_array<GroundStation>({
    // kind          kHz      east   north  elev  range course
    {K::Localizer,  110300,  0.95,  0,     0,    18,   90},  // ILS 110.30, runway 09
    {K::GlideSlope, 110300,  0.16,  0,     0,    10,   90},
    {K::Dme,        110300,  0.16,  0,     0,    18,   0},
    {K::Vor,        114500, -6,     10,    600,  40,   0},   // VOR/DME 114.50
    {K::Dme,        114500, -6,     10,    600,  40,   0},
    {K::Vor,        116800,  24,    30,    0,    40,   0},   // VOR/DME 116.80
    {K::Dme,        116800,  24,    30,    0,    40,   0},
    {K::Ndb,        350,    -4.5,   0,     0,    25,   0},   // NDB 350 on the outer marker
});

// On the extended centreline: outer 4.5 nm, middle 0.55 nm and inner 0.1 nm before the threshold.
constexpr auto kMarkers = std::to_array<MarkerBeacon>({
    // code east    north  half width
    {3,    -4.5,   0,     0.15},
    {2,    -0.55,  0,     0.05},
    {1,    -0.1,   0,     0.03},
});
// clang-format on

// Receivers tune NAV channels in 50 kHz steps and the ADF in tenths of a kHz.
constexpr double kTuningTolerance = 0.05;

}  // namespace

std::span<const GroundStation> groundStations() {
  return kStations;
}

std::span<const MarkerBeacon> markerBeacons() {
  return kMarkers;
}

const GroundStation* stationReaching(StationKind kind, double kilohertz, double east,
                                     double north) {
  const GroundStation* nearest = nullptr;
  double nearestNm = 0;
  for (const GroundStation& station : kStations) {
    const double nm = std::hypot(east - station.east, north - station.north);
    if (station.kind != kind || std::abs(station.kilohertz - kilohertz) > kTuningTolerance ||
        nm > station.rangeNm || (nearest && nm >= nearestNm))
      continue;
    nearest = &station;
    nearestNm = nm;
  }
  return nearest;
}

}  // namespace panelhost
