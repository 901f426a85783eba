#pragma once
// The radio stations around the simulated aircraft's airfield, on a flat grid in nautical miles
// (east, north) with true and magnetic north the same: two VORs with DME, an ILS for the runway
// landing east (localizer, glide slope and DME on one frequency, three marker beacons) and an
// NDB on the outer marker.
#include <span>

namespace panelhost {

enum class StationKind { Vor, Localizer, GlideSlope, Dme, Ndb };

struct GroundStation {
  StationKind kind;
  double kilohertz;  // NAV stations 108000..117950, NDBs 200.0..1699.9
  double east;
  double north;
  double elevationFeet;
  double rangeNm;
  double courseDegrees;  // localizer and glide slope: the landing course they guide along
};

// A marker beacon's fan: heard straight above it within `halfWidthNm` either way.
struct MarkerBeacon {
  int code;  // the marker token's value: 1 inner, 2 middle, 3 outer
  double east;
  double north;
  double halfWidthNm;
};

// Nautical miles and feet.
inline constexpr double kFeetPerNm = 6076.12;
// The glide slope's angle above the horizon and the deflections that put a needle at full scale.
inline constexpr double kGlidePathDegrees = 3.0;
inline constexpr double kGlideSlopeFullScaleDegrees = 0.7;
inline constexpr double kLocalizerFullScaleDegrees = 2.5;
inline constexpr double kVorFullScaleDegrees = 10.0;
// How far off its course a localizer, and a glide slope, still reach.
inline constexpr double kLocalizerCoverageDegrees = 35.0;
inline constexpr double kGlideSlopeCoverageDegrees = 8.0;

std::span<const GroundStation> groundStations();
std::span<const MarkerBeacon> markerBeacons();

// The nearest station of `kind` on `kilohertz` that reaches (east, north); null when none does.
const GroundStation* stationReaching(StationKind kind, double kilohertz, double east, double north);

}  // namespace panelhost
