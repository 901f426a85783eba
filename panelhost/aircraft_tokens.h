#pragma once
// The token numbers the simulated aircraft moves itself, by name. What each one means, its unit
// and its starting values are in the token table of aircraft_table.cpp.
#include "gauges/panel_records.h"

namespace panelhost::tok {

// Clock
inline constexpr ID32 kClockHour = 0x3;
inline constexpr ID32 kClockMinute = 0x4;
inline constexpr ID32 kClockSecond = 0x5;
inline constexpr ID32 kLocalHour = 0x6;
inline constexpr ID32 kLocalMinute = 0x7;

// Radios
inline constexpr ID32 kAdfFrequency = 0x10;
inline constexpr ID32 kAdfExtension = 0x12;
inline constexpr ID32 kCom1 = 0x17;
inline constexpr ID32 kNav1 = 0x18;
inline constexpr ID32 kNav2 = 0x1B;
inline constexpr ID32 kTransponder = 0x26;

// Flight
inline constexpr ID32 kOnGround = 0x3C;
inline constexpr ID32 kAirspeed = 0x3D;
inline constexpr ID32 kVerticalSpeed = 0x41;
inline constexpr ID32 kTurnBall = 0x45;
inline constexpr ID32 kTurnRate = 0x46;
inline constexpr ID32 kAltitude = 0x4A;
inline constexpr ID32 kKollsman = 0x4C;
inline constexpr ID32 kPitch = 0x4E;
inline constexpr ID32 kBank = 0x50;
inline constexpr ID32 kHeading = 0x51;
inline constexpr ID32 kCompass = 0x53;

// Engine
inline constexpr ID32 kThrottle = 0x80;
inline constexpr ID32 kPropeller = 0x81;
inline constexpr ID32 kMixture = 0x82;
inline constexpr ID32 kMagnetos = 0x84;
inline constexpr ID32 kEngineSpeed = 0x87;
inline constexpr ID32 kFuelFlow = 0x89;
inline constexpr ID32 kCylinderHead = 0x92;
inline constexpr ID32 kOilTemperature = 0x93;
inline constexpr ID32 kOilPressure = 0x94;
inline constexpr ID32 kManifoldPressure = 0x98;
inline constexpr ID32 kEngineSpeedScale = 0x9A;

// Fuel
inline constexpr ID32 kLeftCapacity = 0x124;
inline constexpr ID32 kRightCapacity = 0x12A;
inline constexpr ID32 kRightQuantity = 0x12F;
inline constexpr ID32 kLeftQuantity = 0x130;
inline constexpr ID32 kFuelSelector = 0x133;

// Controls
inline constexpr ID32 kElevatorTrim = 0x13E;
inline constexpr ID32 kParkingBrake = 0x143;
inline constexpr ID32 kFlapHandle = 0x148;
inline constexpr ID32 kFlapPosition = 0x14A;
inline constexpr ID32 kGearHandle = 0x14B;
inline constexpr ID32 kGearCentre = 0x14C;
inline constexpr ID32 kGearLeft = 0x14D;
inline constexpr ID32 kGearRight = 0x14E;
inline constexpr ID32 kCowlFlaps = 0x16A;

// Electrics and vacuum
inline constexpr ID32 kSuction = 0x161;
inline constexpr ID32 kAlternator = 0x16B;
inline constexpr ID32 kBattery = 0x16C;
inline constexpr ID32 kAvionics = 0x2E4;
inline constexpr ID32 kAmperes = 0x2EF;
inline constexpr ID32 kPanelLights = 0x16D;
inline constexpr ID32 kLandingLight = 0xE;
inline constexpr ID32 kTaxiLight = 0x171;
inline constexpr ID32 kNavigationLights = 0x26B;
inline constexpr ID32 kBeacon = 0x170;
inline constexpr ID32 kStrobes = 0xB;
inline constexpr ID32 kPropDeIce = 0x8D;
inline constexpr ID32 kPitotHeat = 0xD;
// The five small toggles of the panel's lower edge, which the simulator only keeps.
inline constexpr ID32 kToggle2 = 0x3F2;
inline constexpr ID32 kToggle3 = 0x3F3;
inline constexpr ID32 kToggle4 = 0x3F4;
inline constexpr ID32 kToggle5 = 0x3F5;
inline constexpr ID32 kToggle6 = 0x3F6;

}  // namespace panelhost::tok
