#include "panelhost/lesson_start.h"

#include <cmath>
#include <numbers>

#include "gauges/sim_ids.h"
#include "panelhost/flight_aerodynamics.h"
#include "panelhost/ground_stations.h"
#include "panelhost/valley_gates.h"

namespace panelhost {
namespace {

// The runway (ground_stations.cpp): threshold at the grid's origin, at 0 ft, landing east.
constexpr double kFieldFeet = 0;
constexpr double kRunwayHeading = 90;
constexpr double kIdleThrottle = 1638;
constexpr double kGearDown = 16383;
constexpr double kFlapNotch = 8192;
// On the approach: established on the localizer and the glide slope, first flaps set.
constexpr double kApproachNm = 5;
constexpr double kApproachKnots = 90;
constexpr double kApproachThrottle = 7400;      // about 45 %: close to the path's descent at 90 kt
constexpr double kVerticalUnitsPerMetre = 256;  // the vertical speed token's units
// The valley race begins this far before its first gate.
constexpr double kValleyLeadNm = 1.5;
constexpr double kValleyKnots = 100;

struct Placed {
  double east;
  double north;
  double altitude;
  double heading;
  double airspeed;
};

Placed placeFor(const LessonStart& start) {
  switch (start.place) {
    case StartPlace::Runway:
      return {0.05, 0, kFieldFeet, kRunwayHeading, 0};
    case StartPlace::Approach: {
      const double path = std::tan(kGlidePathDegrees * std::numbers::pi / 180) * kFeetPerNm;
      return {-kApproachNm, 0, kFieldFeet + path * kApproachNm, kRunwayHeading, kApproachKnots};
    }
    case StartPlace::Valley: {
      const ValleyGate& gate = valleyGates().front();
      const double angle = gate.headingDegrees * std::numbers::pi / 180;
      return {gate.east - kValleyLeadNm * std::sin(angle),
              gate.north - kValleyLeadNm * std::cos(angle), (gate.floorFeet + gate.ceilingFeet) / 2,
              gate.headingDegrees, kValleyKnots};
    }
    case StartPlace::Parked:
    case StartPlace::Aloft:
      break;
  }
  // Aloft: where the cruise start is (aircraft_table.cpp).
  return {-14, 0, 3000, kRunwayHeading, 110};
}

}  // namespace

void startAircraft(SimulatedAircraft& aircraft, VariableStore& vars, const LessonStart& start) {
  if (start.place == StartPlace::Parked) {
    aircraft.reset(AircraftStart::Cold);
    return;
  }
  aircraft.reset(AircraftStart::Cruise);
  const Placed place = placeFor(start);
  const double heading = start.headingDegrees.value_or(place.heading);
  vars.write(kPositionEast, place.east);
  vars.write(kPositionNorth, place.north);
  vars.write(tok::kAltitude, start.altitudeFeet.value_or(place.altitude));
  vars.write(tok::kHeading, heading);
  vars.write(tok::kCompass, heading);
  vars.write(tok::kHeadingMarker, heading);
  vars.write(tok::kAirspeed, start.airspeedKnots.value_or(place.airspeed));
  if (start.place == StartPlace::Runway) {
    vars.write(tok::kOnGround, 1);
    vars.write(tok::kThrottle, kIdleThrottle);
  }
  if (start.place == StartPlace::Runway || start.place == StartPlace::Approach) {
    for (ID32 gear : {tok::kGearHandle, tok::kNoseGear, tok::kLeftGear, tok::kRightGear})
      vars.write(gear, kGearDown);
  }
  if (start.place == StartPlace::Approach) {
    vars.write(tok::kFlapHandle, kFlapNotch);
    vars.write(tok::kFlapPosition, kFlapNotch);
    vars.write(tok::kThrottle, kApproachThrottle);
    vars.write(tok::kVerticalSpeed, -std::sin(kGlidePathDegrees * std::numbers::pi / 180) *
                                        kApproachKnots * kMetresPerSecondPerKnot *
                                        kVerticalUnitsPerMetre);
  }
  vars.write(kWindDirection, start.windFromDegrees);
  vars.write(kWindSpeed, start.windKnots);
  // The magnetos off: the engine runs down as after a failure, and can be started again.
  if (start.engineOff) vars.write(tok::kMagnetos, 0);
}

}  // namespace panelhost
