// The receivers: what the tuned NAV receivers, the ADF and the marker receiver give the gauges,
// from the aircraft's place on the ground stations' grid, its altitude, its heading and its
// velocity over the ground (the DME's speed, wind included). They work while the battery and
// avionics masters are on; a receiver that hears nothing leaves its bearing where it was, as a
// needle without a signal stays put.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "gauges/sim_ids.h"
#include "panelhost/aircraft_systems.h"
#include "panelhost/ground_stations.h"

namespace panelhost {
namespace {

constexpr double kFullDeflection = 127;
constexpr double kDegreesPerRadian = 180 / std::numbers::pi;
constexpr double kRadialUnitsPerDegree = 65536.0 / 360;
constexpr std::uint32_t kNothingReceived = 0x48;  // no bearing, no to-from, no glide slope
constexpr int kTo = 1;
constexpr int kFrom = 2;

struct Place {
  double east;
  double north;
  double feet;
  double heading;
  double eastKnots;  // over the ground, with the wind
  double northKnots;
};

// A NAV receiver's tokens; 0 where the receiver has no such output.
struct NavReceiver {
  ID32 frequency, course, deviation, toFrom, flags, signal, dmeDistance, dmeSpeed;
  ID32 radial, relativeBearing, glideSlopeDeviation, glideSlopeValid;
};

constexpr auto kNavReceivers = std::to_array<NavReceiver>({
    {tok::kNav1Frequency, tok::kNav1Course, tok::kNav1Deviation, tok::kNav1ToFrom, tok::kNav1Flags,
     tok::kNav1Signal, tok::kNav1DmeDistance, tok::kNav1DmeSpeed, tok::kNav1Radial, 0,
     tok::kGlideSlopeDeviation, tok::kGlideSlopeValid},
    {tok::kNav2Frequency, tok::kNav2Course, tok::kNav2Deviation, tok::kNav2ToFrom, tok::kNav2Flags,
     tok::kNav2Signal, tok::kNav2DmeDistance, tok::kNav2DmeSpeed, 0, tok::kNav2Bearing, 0, 0},
});

double wrap360(double degrees) {
  const double turned = std::fmod(degrees, 360.0);
  return turned < 0 ? turned + 360 : turned;
}

double wrap180(double degrees) {
  const double turned = wrap360(degrees);
  return turned > 180 ? turned - 360 : turned;
}

// Degrees clockwise from north of the way from the station to the aircraft.
double radialOf(const GroundStation& station, const Place& at) {
  return wrap360(std::atan2(at.east - station.east, at.north - station.north) * kDegreesPerRadian);
}

double horizontalNm(const GroundStation& station, const Place& at) {
  return std::hypot(at.east - station.east, at.north - station.north);
}

// Degrees off a localizer's or glide slope's centreline, positive left of it as seen landing.
double offCentreline(const GroundStation& station, const Place& at) {
  return wrap180(radialOf(station, at) - station.courseDegrees - 180);
}

double deflection(double degrees, double fullScale) {
  return std::clamp(degrees / fullScale, -1.0, 1.0) * kFullDeflection;
}

void writeIf(VariableStore& vars, ID32 token, double value) {
  if (token != 0) vars.write(token, value);
}

// BCD digits, least significant first in the low nibble.
double bcdValue(std::uint32_t bcd, int digits) {
  double value = 0;
  for (int i = digits - 1; i >= 0; --i) value = value * 10 + ((bcd >> (4 * i)) & 0xF);
  return value;
}

double navKilohertz(const VariableStore& vars, ID32 token) {
  return 100000 + 10 * bcdValue(toUint32(vars.value(token)) & 0xFFFF, 4);
}

// The extension word carries 256 for a thousands digit and the tenths of a kHz.
double adfKilohertz(const VariableStore& vars) {
  const std::uint32_t extension = toUint32(vars.value(tok::kAdfExtension));
  const double thousands = extension >= 256 ? 1000 : 0;
  return thousands + bcdValue(toUint32(vars.value(tok::kAdfFrequency)) & 0xFFF, 3) +
         (extension % 256) / 10.0;
}

// A needle's deviation from a VOR's selected course (positive: the course lies to the right)
// and whether the aircraft flies to or from the station on it.
void receiveVor(VariableStore& vars, const NavReceiver& rx, const GroundStation& vor,
                const Place& at) {
  const double radial = radialOf(vor, at);
  const double course = reading(vars, rx.course, -1e9, 1e9, 0);
  const double fromCourse = wrap180(radial - course);
  const bool from = std::abs(fromCourse) <= 90;
  const double off = from ? -fromCourse : wrap180(fromCourse - 180);
  vars.write(rx.deviation, deflection(off, kVorFullScaleDegrees));
  vars.write(rx.toFrom, from ? kFrom : kTo);
}

void receiveLocalizer(VariableStore& vars, const NavReceiver& rx, const GroundStation& localizer,
                      const Place& at) {
  vars.write(rx.deviation, deflection(offCentreline(localizer, at), kLocalizerFullScaleDegrees));
  vars.write(rx.toFrom, 0);
}

// Positive while the aircraft is above the glide path.
void receiveGlideSlope(VariableStore& vars, const NavReceiver& rx, double kilohertz,
                       const Place& at) {
  const GroundStation* slope =
      stationReaching(StationKind::GlideSlope, kilohertz, at.east, at.north);
  const bool covered = slope && std::abs(offCentreline(*slope, at)) <= kGlideSlopeCoverageDegrees;
  double above = 0;
  if (covered) {
    const double elevation =
        std::atan2(at.feet - slope->elevationFeet, horizontalNm(*slope, at) * kFeetPerNm);
    above =
        deflection(elevation * kDegreesPerRadian - kGlidePathDegrees, kGlideSlopeFullScaleDegrees);
  }
  writeIf(vars, rx.glideSlopeDeviation, above);
  writeIf(vars, rx.glideSlopeValid, covered ? 1 : 0);
}

// Slant distance, and the speed at which it shrinks or grows.
void receiveDme(VariableStore& vars, const NavReceiver& rx, double kilohertz, const Place& at) {
  const GroundStation* dme = stationReaching(StationKind::Dme, kilohertz, at.east, at.north);
  double distance = 0;
  double speed = 0;
  if (dme) {
    const double across = horizontalNm(*dme, at);
    distance = std::hypot(across, (at.feet - dme->elevationFeet) / kFeetPerNm);
    if (across > 0)
      speed =
          std::abs(at.eastKnots * (at.east - dme->east) + at.northKnots * (at.north - dme->north)) /
          across;
  }
  vars.write(rx.dmeDistance, distance);
  vars.write(rx.dmeSpeed, speed);
}

void receiveNav(VariableStore& vars, const NavReceiver& rx, const Place& at, bool powered) {
  const double kilohertz = powered ? navKilohertz(vars, rx.frequency) : 0;
  const GroundStation* localizer =
      stationReaching(StationKind::Localizer, kilohertz, at.east, at.north);
  if (localizer && std::abs(offCentreline(*localizer, at)) > kLocalizerCoverageDegrees)
    localizer = nullptr;
  const GroundStation* vor = stationReaching(StationKind::Vor, kilohertz, at.east, at.north);
  const GroundStation* station = localizer ? localizer : vor;

  if (localizer) {
    receiveLocalizer(vars, rx, *localizer, at);
  } else if (vor) {
    receiveVor(vars, rx, *vor, at);
  } else {
    vars.write(rx.deviation, 0);
    vars.write(rx.toFrom, 0);
  }
  vars.write(rx.flags, station ? 0 : kNothingReceived);
  vars.write(rx.signal, station ? 1 : 0);
  if (station) {
    const double radial = radialOf(*station, at);
    writeIf(vars, rx.radial, radial * kRadialUnitsPerDegree);
    writeIf(vars, rx.relativeBearing, wrap360(radial + 180 - at.heading));
  }
  receiveGlideSlope(vars, rx, kilohertz, at);
  receiveDme(vars, rx, kilohertz, at);
}

void receiveAdf(VariableStore& vars, const Place& at, bool powered) {
  const GroundStation* ndb =
      powered ? stationReaching(StationKind::Ndb, adfKilohertz(vars), at.east, at.north) : nullptr;
  vars.write(tok::kAdfSignal, ndb ? 1 : 0);
  if (ndb) vars.write(tok::kAdfBearing, wrap360(radialOf(*ndb, at) + 180 - at.heading));
}

// The marker whose fan the aircraft is in, else 0.
void receiveMarker(VariableStore& vars, const Place& at, bool powered) {
  int code = 0;
  for (const MarkerBeacon& marker : markerBeacons())
    if (powered && std::hypot(at.east - marker.east, at.north - marker.north) <= marker.halfWidthNm)
      code = marker.code;
  vars.write(tok::kMarkerBeacon, code);
}

}  // namespace

void stepNavigation(VariableStore& vars, const AircraftMemory& memory) {
  const Place at{reading(vars, kPositionEast, -kGridLimitNm, kGridLimitNm, 0),
                 reading(vars, kPositionNorth, -kGridLimitNm, kGridLimitNm, 0),
                 reading(vars, tok::kAltitude, -2000, 100000, 0),
                 wrap360(reading(vars, tok::kHeading, -1e9, 1e9, 0)),
                 memory.groundEastKnots,
                 memory.groundNorthKnots};
  const bool powered =
      switchedOn(vars, tok::kBatteryMaster) && switchedOn(vars, tok::kAvionicsMaster);
  for (const NavReceiver& rx : kNavReceivers) receiveNav(vars, rx, at, powered);
  receiveAdf(vars, at, powered);
  receiveMarker(vars, at, powered);
}

}  // namespace panelhost
