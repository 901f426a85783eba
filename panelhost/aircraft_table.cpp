// What the simulated aircraft's tokens and key events mean: the one place to read it.
//
// Tokens hold a number or a 32-bit integer (Integer: BCD frequencies, codes, states and the
// fuel selector, which gauges read as the low 32 bits). Each has a value for a start in level
// cruise at 3000 ft and one for a cold, parked aircraft. The engine speed token counts quarters
// of an rpm (its scale token, 16384, says so), so an engine at its 800 rpm idle reads 3200 and
// the switch panel sees it turning above 3000.
//
// The receivers' tokens follow from the tuned frequencies and where the aircraft is among the
// ground stations (ground_stations.cpp); the cruise start is 14 nm out on the ILS's centreline
// with NAV1 on the ILS, NAV2 on the VOR and the ADF on the NDB, the cold start parked beside the
// runway.
#include <array>

#include "gauges/sim_ids.h"
#include "panelhost/aircraft.h"
#include "panelhost/aircraft_systems.h"

namespace panelhost {
namespace {

using namespace tok;
constexpr VarKind N = VarKind::Number;
constexpr VarKind I = VarKind::Integer;

// clang-format off
constexpr auto kTokens = std::to_array<TokenDefault>({
    // token           kind cruise cold   meaning
    {kClockHour,        N, 12,    12,    "clock hours (0..23); the clock runs in simulated time"},
    {kClockMinute,      N, 0,     0,     "clock minutes"},
    {kClockSecond,      N, 0,     0,     "clock seconds"},
    {kLocalHour,        N, 12,    12,    "local time hours, as the clock"},
    {kLocalMinute,      N, 0,     0,     "local time minutes, as the clock"},
    {kAdfFrequency,     I, 0x350, 0x350, "ADF frequency, BCD hundreds/tens/units of kHz"},
    {kAdfTenthsTunable, N, 1,     1,     "ADF tenths tunable (1) or whole kHz only (0)"},
    {kAdfExtension,     I, 0,     0,     "ADF extension word (256 x thousands + tenths)"},
    {kCom1Frequency,    I, 0x1850, 0x1850, "COM1 active frequency, BCD, less 100 MHz"},
    {kNav1Frequency,    I, 0x1030, 0x1030, "NAV1 active frequency, BCD, less 100 MHz"},
    {kNav2Frequency,    I, 0x1450, 0x1450, "NAV2 active frequency, BCD, less 100 MHz"},
    {kNav1DmeDistance,  N, 14.2,  0,     "NAV1 DME slant distance, nm; 0 without a DME"},
    {kNav1DmeSpeed,     N, 110,   0,     "NAV1 DME speed, knots the distance shrinks or grows"},
    {kNav2DmeDistance,  N, 12.8,  0,     "NAV2 DME slant distance, nm; 0 without a DME"},
    {kNav2DmeSpeed,     N, 69,    0,     "NAV2 DME speed, knots the distance shrinks or grows"},
    {kTransponderCode,  I, 0x1200, 0x1200, "transponder code, four BCD octal digits"},
    {kNav1Deviation,    N, 0,     0,     "NAV1 deviation, -127..127 full scale, + course right"},
    {kNav1ToFrom,       I, 0,     0,     "NAV1 to-from (0 none or a localizer, 1 to, 2 from)"},
    {kNav1Course,       N, 90,    90,    "NAV1 course, degrees"},
    {kNav1Flags,        I, 0,     0x48,  "NAV1 state word: 0x48 nothing heard (no bearing,"
                                         " no to-from, no glide slope), else 0"},
    {kNav1Signal,       N, 1,     0,     "NAV1 signal: 1 a VOR or localizer heard, else 0"},
    {kNav1Radial,       N, 49152, 0,     "NAV1 radial the aircraft is on, 65536 a turn; kept"
                                         " while nothing is heard"},
    {kGlideSlopeDeviation, N, 0,  0,     "glide slope, -127..127 full scale (0.7 degrees),"
                                         " + aircraft above the path"},
    {kGlideSlopeValid,  N, 0,     0,     "glide slope received (1) or not (0)"},
    {kNav2Deviation,    N, -127,  0,     "NAV2 deviation, as NAV1's"},
    {kNav2ToFrom,       I, 1,     0,     "NAV2 to-from (0 none or a localizer, 1 to, 2 from)"},
    {kNav2Course,       N, 90,    90,    "NAV2 course, degrees"},
    {kNav2Flags,        I, 0,     0x48,  "NAV2 state word, as NAV1's"},
    {kNav2Signal,       N, 1,     0,     "NAV2 signal, as NAV1's"},
    {kNav2Bearing,      N, 308.7, 0,     "NAV2 station's bearing off the nose, degrees; kept"
                                         " while nothing is heard"},
    {kAdfSignal,        N, 1,     0,     "ADF signal: 1 an NDB heard, else 0"},
    {kAdfBearing,       N, 0,     0,     "NDB's bearing off the nose, degrees; kept while"
                                         " nothing is heard"},
    {kMarkerBeacon,     N, 0,     0,     "marker beacon overhead: 1 inner, 2 middle, 3 outer,"
                                         " else 0"},
    {kPositionEast,     N, -14,   0.3,   "nm east of the threshold (ground_stations.h); the"
                                         " aircraft flies on along its path, with the wind"},
    {kPositionNorth,    N, 0,     -0.1,  "nm north of the threshold"},
    {kWindDirection,    N, 0,     0,     "wind direction, degrees it blows from"},
    {kWindSpeed,        N, 0,     0,     "wind speed, knots; drifts the aircraft over the ground"},
    {kStallWarning,     N, 0,     0,     "stall warning: 1 within 3 degrees of the critical angle"
                                         " of attack or past it, in the air"},
    {kTouchdownRate,    N, 0,     0,     "vertical speed at the last touchdown, feet a minute"},
    {kWarning,          I, 0,     0,     "warning word (not 0: warning flags in view)"},
    {kHeadingMarker,    N, 90,    90,    "heading marker, degrees"},
    {kOnGround,         N, 0,     1,     "on the ground (1) or flying (0); lift-off and"
                                         " touchdown on the field (0 ft) set it"},
    {kAirspeed,         N, 110,   0,     "airspeed, knots (indicated and true alike)"},
    {kVerticalSpeed,    N, 0,     0,     "vertical speed, 1/256 m/s; the altitude follows it"},
    {kTurnBall,         N, 0,     0,     "turn coordinator ball (0 centred, + right), from slip"},
    {kTurnRate,         N, 0,     0,     "turn rate, 900 = 3 degrees a second to the right"},
    {kAltitude,         N, 3000,  0,     "altitude, feet above the field"},
    {kAltimeterSetting, N, 29.92, 29.92, "altimeter setting, inHg"},
    {kPitch,            N, 0,     0,     "pitch, degrees, + nose up"},
    {kBank,             N, 0,     0,     "bank, degrees, + right wing down"},
    {kHeading,          N, 90,    90,    "heading, degrees; turns with the turn rate"},
    {kCompass,          N, 90,    90,    "compass heading, degrees: the heading"},
    {kThrottle,         N, 13106, 1638,  "throttle lever, 0..16383"},
    {kPropeller,        N, 16383, 16383, "propeller lever, 0..16383 (limits rpm 1800..2700)"},
    {kMixture,          N, 16383, 16383, "mixture lever, 0..16383; below 1/10 the engine starves"},
    {kMagnetos,         N, 3,     0,     "magnetos (0 off, 1 right, 2 left, 3 both, 4 start)"},
    {kEngineSpeed,      N, 9280,  0,     "engine speed, rpm x 65536 / token 0x9A"},
    {kEngineSpeedScale, N, 16384, 16384, "engine speed scale (65536 = plain rpm)"},
    {kPropDeIce,        N, 0,     0,     "propeller de-ice switch (6 A)"},
    {kFuelFlow,         N, 10.77, 0,     "fuel flow, gallons per hour"},
    {kCylinderHead,     N, 382,   59,    "cylinder head temperature, degrees F"},
    {kOilTemperature,   N, 10121, 1755,  "oil temperature, units of 0.008544921 degrees C"},
    {kOilPressure,      N, 19363, 0,     "oil pressure, units of 0.003356933 psi"},
    {kManifoldPressure, N, 23605, 30638, "manifold pressure, inHg x 1024"},
    {kLeftCapacity,     N, 28,    28,    "left tank capacity, gallons"},
    {kRightCapacity,    N, 28,    28,    "right tank capacity, gallons"},
    {kRightQuantity,    N, 18,    26,    "right tank quantity, gallons; the engine burns it"},
    {kLeftQuantity,     N, 20,    26,    "left tank quantity, gallons; the engine burns it"},
    {kFuelSelector,     I, 2,     2,     "fuel selector (0 off, 1 both, 2 left, 3 right)"},
    {kElevatorTrim,     N, 0,     0,     "elevator trim, -16384..16384"},
    {kParkingBrake,     N, 0,     1,     "parking brake (1 set)"},
    {kFlapHandle,       N, 0,     0,     "flap handle, 0..16383"},
    {kFlapPosition,     N, 0,     0,     "flap position, 0..16384; follows the handle in 8 s"},
    {kGearHandle,       N, 0,     16383, "gear handle, 0 up .. 16383 down"},
    {kNoseGear,         N, 0,     16383, "nose gear, 0 up..16383 down; follows the handle in 6 s"},
    {kLeftGear,         N, 0,     16383, "left gear, as the nose gear"},
    {kRightGear,        N, 0,     16383, "right gear, as the nose gear"},
    {kSuction,          N, 5,     0,     "suction, inHg; the engine's pump gives 5 over 1200 rpm"},
    {kCowlFlaps,        N, 0,     1,     "cowl flaps, 0 shut..1 open; open flaps cool the engine"},
    {kAlternator,       N, 1,     0,     "alternator switch; charges from 600 rpm"},
    {kBatteryMaster,    N, 1,     0,     "battery master switch (2 A)"},
    {kPanelLights,      N, 0,     0,     "panel lights (1 on)"},
    {kAvionicsMaster,   N, 1,     0,     "avionics master switch (3 A)"},
    {kAmperes,          N, 0.5,   0,     "ammeter, A: battery charge (+) or discharge (-)"},
    {kLandingLight,     N, 0,     0,     "landing light switch (8 A)"},
    {kTaxiLight,        N, 0,     0,     "taxi light switch (5 A)"},
    {kNavigationLights, N, 1,     0,     "navigation light switch (2 A)"},
    {kBeacon,           N, 1,     0,     "beacon switch (1.5 A)"},
    {kStrobes,          N, 0,     0,     "strobe switch (2 A)"},
    {kPitotHeat,        N, 0,     0,     "pitot heat switch (10 A)"},
    {kSmallSwitch2,     N, 0,     0,     "small toggle 2"},
    {kSmallSwitch3,     N, 0,     0,     "small toggle 3"},
    {kSmallSwitch4,     N, 0,     0,     "small toggle 4"},
    {kSmallSwitch5,     N, 0,     0,     "small toggle 5"},
    {kSmallSwitch6,     N, 0,     0,     "small toggle 6"},
});
// clang-format on

using K = EventAction::Kind;
constexpr EventAction setTo(ID32 token, double value) {
  return {K::SetTo, token, value, 0, 0, nullptr};
}
constexpr EventAction eventValue(ID32 token, double low, double high) {
  return {K::SetToEventValue, token, 0, low, high, nullptr};
}
constexpr EventAction lever(ID32 token) {
  return eventValue(token, 0, 16383);
}
constexpr EventAction toggle(ID32 token, double on = 1) {
  return {K::Toggle, token, on, 0, 0, nullptr};
}
constexpr EventAction stepBy(ID32 token, double step, double low, double high) {
  return {K::StepBy, token, step, low, high, nullptr};
}
constexpr EventAction turnBy(ID32 token, double step) {
  return {K::TurnBy, token, step, 0, 360, nullptr};
}
constexpr EventAction special(void (*act)(VariableStore&, AircraftMemory&, std::uint32_t)) {
  return {K::Special, 0, 0, 0, 0, act};
}

constexpr auto kHandlers = std::to_array<KeyEventHandler>({
    // event, what the aircraft does, meaning
    {evt::kAltimeterSettingInc, stepBy(kAltimeterSetting, 0.01, 28, 31),
     "altimeter setting up 0.01 inHg"},
    {evt::kAltimeterSettingDec, stepBy(kAltimeterSetting, -0.01, 28, 31),
     "altimeter setting down 0.01 inHg"},
    {evt::kThrottleSet, lever(kThrottle), "throttle lever to the event's value"},
    {evt::kPropellerSet, lever(kPropeller), "propeller lever to the event's value"},
    {evt::kMixtureSet, lever(kMixture), "mixture lever to the event's value"},
    {evt::kParkingBrakeSet, setTo(kParkingBrake, 1), "parking brake set"},
    {evt::kBrakes, setTo(kParkingBrake, 0), "brakes: parking brake released"},
    {evt::kFuelSelectorOff, setTo(kFuelSelector, 0), "fuel selector off"},
    {evt::kFuelSelectorLeft, setTo(kFuelSelector, 2), "fuel selector left main"},
    {evt::kFuelSelectorRight, setTo(kFuelSelector, 3), "fuel selector right main"},
    {evt::kCom1FrequencySet, special(setCom1Frequency), "COM1 active frequency to the event's BCD"},
    {evt::kNav1FrequencySet, special(setNav1Frequency), "NAV1 active frequency to the event's BCD"},
    {evt::kNav2FrequencySet, special(setNav2Frequency), "NAV2 active frequency to the event's BCD"},
    {evt::kAdfFrequencySet, special(setAdfFrequency), "ADF frequency to the event's BCD"},
    {evt::kAdfExtensionSet, eventValue(kAdfExtension, 0, 265),
     "ADF extension word to the event's value"},
    {evt::kTransponderThousandsInc, special(stepTransponderThousands),
     "transponder first digit up, 7 wraps to 0"},
    {evt::kTransponderHundredsInc, special(stepTransponderHundreds), "transponder second digit up"},
    {evt::kTransponderTensInc, special(stepTransponderTens), "transponder third digit up"},
    {evt::kTransponderUnitsInc, special(stepTransponderUnits), "transponder fourth digit up"},
    {evt::kBatteryMasterToggle, toggle(kBatteryMaster), "battery master switch flips"},
    {evt::kAlternatorToggle, toggle(kAlternator), "alternator switch flips"},
    {evt::kAvionicsMasterToggle, toggle(kAvionicsMaster), "avionics master switch flips"},
    {evt::kLandingLightToggle, toggle(kLandingLight), "landing light switch flips"},
    {evt::kTaxiLightToggle, toggle(kTaxiLight), "taxi light switch flips"},
    {evt::kNavigationLightsToggle, toggle(kNavigationLights), "navigation light switch flips"},
    {evt::kBeaconToggle, toggle(kBeacon), "beacon switch flips"},
    {evt::kStrobesToggle, toggle(kStrobes), "strobe switch flips"},
    {evt::kPropDeIceToggle, toggle(kPropDeIce), "propeller de-ice switch flips"},
    {evt::kPitotHeatToggle, toggle(kPitotHeat), "pitot heat switch flips"},
    {evt::kPanelLightsOn, setTo(kPanelLights, 1), "panel lights on"},
    {evt::kPanelLightsOff, setTo(kPanelLights, 0), "panel lights off"},
    {evt::kSmallSwitch2Toggle, toggle(kSmallSwitch2), "small toggle 2 flips"},
    {evt::kSmallSwitch3Toggle, toggle(kSmallSwitch3), "small toggle 3 flips"},
    {evt::kSmallSwitch4Toggle, toggle(kSmallSwitch4), "small toggle 4 flips"},
    {evt::kSmallSwitch5Toggle, toggle(kSmallSwitch5), "small toggle 5 flips"},
    {evt::kSmallSwitch6Toggle, toggle(kSmallSwitch6), "small toggle 6 flips"},
    {evt::kMagnetosOff, setTo(kMagnetos, 0), "magnetos off: a running engine runs down"},
    {evt::kMagnetoRight, setTo(kMagnetos, 1), "right magneto only"},
    {evt::kMagnetoLeft, setTo(kMagnetos, 2), "left magneto only"},
    {evt::kMagnetosBoth, setTo(kMagnetos, 3), "both magnetos"},
    {evt::kMagnetoStart, special(engageStarter), "key to start: 1.5 s of starter, both mags"},
    {evt::kFlapsDown, stepBy(kFlapHandle, 8192, 0, 16383), "flap handle down a notch"},
    {evt::kFlapsUp, stepBy(kFlapHandle, -8192, 0, 16383), "flap handle up a notch"},
    {evt::kGearToggle, toggle(kGearHandle, 16383), "gear handle flips between up and down"},
    {evt::kElevatorTrimDown, stepBy(kElevatorTrim, -128, -16384, 16384), "elevator trim down"},
    {evt::kElevatorTrimUp, stepBy(kElevatorTrim, 128, -16384, 16384), "elevator trim up"},
    {evt::kCowlFlapsClose, stepBy(kCowlFlaps, -0.05, 0, 1), "cowl flaps close a step"},
    {evt::kCowlFlapsOpen, stepBy(kCowlFlaps, 0.05, 0, 1), "cowl flaps open a step"},
    {evt::kNav1CourseDec, turnBy(kNav1Course, -1), "NAV1 course down a degree"},
    {evt::kNav1CourseInc, turnBy(kNav1Course, 1), "NAV1 course up a degree"},
    {evt::kNav2CourseDec, turnBy(kNav2Course, -1), "NAV2 course down a degree"},
    {evt::kNav2CourseInc, turnBy(kNav2Course, 1), "NAV2 course up a degree"},
    {evt::kHeadingMarkerInc, turnBy(kHeadingMarker, 1), "heading marker right a degree"},
    {evt::kHeadingMarkerDec, turnBy(kHeadingMarker, -1), "heading marker left a degree"},
});

}  // namespace

std::span<const TokenDefault> aircraftTokens() {
  return kTokens;
}

std::span<const KeyEventHandler> aircraftEventHandlers() {
  return kHandlers;
}

}  // namespace panelhost
