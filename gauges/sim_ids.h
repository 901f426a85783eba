#pragma once
// The simulator's numbers by name: tokens (the variables a gauge reads through lookup_var or an
// element's source) and key events (what a gauge sends through trigger_key_event). The gauge
// module, the panel host's simulated aircraft and the tests share this one list. Units, ranges
// and starting values are in the simulated aircraft's token table (panelhost/aircraft_table.cpp).
#include "gauges/panel_records.h"

namespace tok {

// Time of day, in simulated time.
inline constexpr ID32 kClockHour = 0x3;
inline constexpr ID32 kClockMinute = 0x4;
inline constexpr ID32 kClockSecond = 0x5;
inline constexpr ID32 kLocalHour = 0x6;
inline constexpr ID32 kLocalMinute = 0x7;

// COM and NAV frequencies (BCD, less 100 MHz), the ADF and the transponder code.
inline constexpr ID32 kCom1Frequency = 0x17;
inline constexpr ID32 kNav1Frequency = 0x18;
inline constexpr ID32 kNav2Frequency = 0x1B;
inline constexpr ID32 kAdfFrequency = 0x10;      // BCD hundreds, tens and units of kHz
inline constexpr ID32 kAdfTenthsTunable = 0x11;  // 1 when tenths of kHz can be tuned
inline constexpr ID32 kAdfExtension = 0x12;      // 256 x thousands digit + tenths digit
inline constexpr ID32 kTransponderCode = 0x26;

// DME readouts of the two receivers.
inline constexpr ID32 kNav1DmeDistance = 0x1F;
inline constexpr ID32 kNav1DmeSpeed = 0x20;
inline constexpr ID32 kNav2DmeDistance = 0x23;
inline constexpr ID32 kNav2DmeSpeed = 0x24;

// Navigation receivers as the HSI, the second CDI and the RMI read them.
inline constexpr ID32 kNav1Radial = 0x19;  // 65536 a turn
inline constexpr ID32 kNav1Deviation = 0x28;
inline constexpr ID32 kGlideSlopeDeviation = 0x29;
inline constexpr ID32 kNav1ToFrom = 0x2B;       // 0 none, 1 to, 2 from
inline constexpr ID32 kGlideSlopeValid = 0x2C;  // 1.0 when valid
inline constexpr ID32 kNav1Course = 0x2D;
inline constexpr ID32 kNav1Flags = 0x2E;  // bit 0x40: no to-from, no glide slope
inline constexpr ID32 kNav1Signal = 0x31;
inline constexpr ID32 kNav2Deviation = 0x32;
inline constexpr ID32 kNav2ToFrom = 0x34;
inline constexpr ID32 kNav2Course = 0x36;
inline constexpr ID32 kNav2Flags = 0x37;
inline constexpr ID32 kNav2Signal = 0x3A;
inline constexpr ID32 kNav2Bearing = 0x3B;
inline constexpr ID32 kAdfSignal = 0x14;
inline constexpr ID32 kAdfBearing = 0x27;
inline constexpr ID32 kHeadingMarker = 0x6B;
inline constexpr ID32 kMarkerBeacon = 0x162;  // 1, 2 or 3: the beacon passed over

// Flight instruments.
inline constexpr ID32 kOnGround = 0x3C;
inline constexpr ID32 kAirspeed = 0x3D;
inline constexpr ID32 kVerticalSpeed = 0x41;
inline constexpr ID32 kTurnBall = 0x45;
inline constexpr ID32 kTurnRate = 0x46;
inline constexpr ID32 kAltitude = 0x4A;
inline constexpr ID32 kAltimeterSetting = 0x4C;
inline constexpr ID32 kPitch = 0x4E;
inline constexpr ID32 kBank = 0x50;
inline constexpr ID32 kHeading = 0x51;
inline constexpr ID32 kCompass = 0x53;
inline constexpr ID32 kSuction = 0x161;

// Engine controls and readings.
inline constexpr ID32 kThrottle = 0x80;
inline constexpr ID32 kPropeller = 0x81;
inline constexpr ID32 kMixture = 0x82;
inline constexpr ID32 kMagnetos = 0x84;
inline constexpr ID32 kEngineSpeed = 0x87;
inline constexpr ID32 kEngineSpeedScale = 0x9A;  // 65536: the engine speed is in rpm
inline constexpr ID32 kFuelFlow = 0x89;
inline constexpr ID32 kCylinderHead = 0x92;
inline constexpr ID32 kOilTemperature = 0x93;
inline constexpr ID32 kOilPressure = 0x94;
inline constexpr ID32 kManifoldPressure = 0x98;
inline constexpr ID32 kCowlFlaps = 0x16A;

// Fuel tanks and the selector.
inline constexpr ID32 kLeftCapacity = 0x124;
inline constexpr ID32 kRightCapacity = 0x12A;
inline constexpr ID32 kRightQuantity = 0x12F;
inline constexpr ID32 kLeftQuantity = 0x130;
inline constexpr ID32 kFuelSelector = 0x133;

// Trim, brake, flaps and gear.
inline constexpr ID32 kElevatorTrim = 0x13E;
inline constexpr ID32 kParkingBrake = 0x143;
inline constexpr ID32 kFlapHandle = 0x148;
inline constexpr ID32 kFlapPosition = 0x14A;
inline constexpr ID32 kGearHandle = 0x14B;
inline constexpr ID32 kNoseGear = 0x14C;
inline constexpr ID32 kLeftGear = 0x14D;
inline constexpr ID32 kRightGear = 0x14E;

// Electrical switches and the ammeter.
inline constexpr ID32 kBatteryMaster = 0x16C;
inline constexpr ID32 kAlternator = 0x16B;
inline constexpr ID32 kAvionicsMaster = 0x2E4;
inline constexpr ID32 kAmperes = 0x2EF;

// Light and de-ice switches.
inline constexpr ID32 kLandingLight = 0xE;
inline constexpr ID32 kTaxiLight = 0x171;
inline constexpr ID32 kNavigationLights = 0x26B;
inline constexpr ID32 kBeacon = 0x170;
inline constexpr ID32 kStrobes = 0xB;
inline constexpr ID32 kPropDeIce = 0x8D;
inline constexpr ID32 kPitotHeat = 0xD;
inline constexpr ID32 kPanelLights = 0x16D;

// A warning the RMI, the HSI and the warning strip show while it is not 0.
inline constexpr ID32 kWarning = 0x11A;

// The five small toggles of the panel's lower edge, which only the simulator keeps.
inline constexpr ID32 kSmallSwitch2 = 0x3F2;
inline constexpr ID32 kSmallSwitch3 = 0x3F3;
inline constexpr ID32 kSmallSwitch4 = 0x3F4;
inline constexpr ID32 kSmallSwitch5 = 0x3F5;
inline constexpr ID32 kSmallSwitch6 = 0x3F6;

}  // namespace tok

namespace evt {

// Altimeter setting knob.
inline constexpr ID32 kAltimeterSettingInc = 0x1015B;
inline constexpr ID32 kAltimeterSettingDec = 0x1015C;

// Engine levers (value 0..16383) and the ignition key.
inline constexpr ID32 kThrottleSet = 0x1011C;
inline constexpr ID32 kPropellerSet = 0x10183;
inline constexpr ID32 kMixtureSet = 0x1017F;
inline constexpr ID32 kMagnetosOff = 0x10187;
inline constexpr ID32 kMagnetoRight = 0x10188;
inline constexpr ID32 kMagnetoLeft = 0x10189;
inline constexpr ID32 kMagnetosBoth = 0x1018A;
inline constexpr ID32 kMagnetoStart = 0x1018B;

// Fuel selector and brakes.
inline constexpr ID32 kFuelSelectorOff = 0x101A3;
inline constexpr ID32 kFuelSelectorLeft = 0x101A5;
inline constexpr ID32 kFuelSelectorRight = 0x101A6;
inline constexpr ID32 kParkingBrakeSet = 0x100D8;
inline constexpr ID32 kBrakes = 0x10034;  // releases the parking brake

// Flaps, gear, elevator trim and cowl flaps.
inline constexpr ID32 kFlapsUp = 0x100DF;
inline constexpr ID32 kFlapsDown = 0x100DE;
inline constexpr ID32 kGearToggle = 0x10022;
inline constexpr ID32 kElevatorTrimDown = 0x10047;
inline constexpr ID32 kElevatorTrimUp = 0x1004F;
inline constexpr ID32 kCowlFlapsClose = 0x1031A;
inline constexpr ID32 kCowlFlapsOpen = 0x10319;

// Electrical, light and de-ice switches, and the panel-light lever.
inline constexpr ID32 kBatteryMasterToggle = 0x102C1;
inline constexpr ID32 kAlternatorToggle = 0x102C2;
inline constexpr ID32 kAvionicsMasterToggle = 0x102F5;
inline constexpr ID32 kLandingLightToggle = 0x100D7;
inline constexpr ID32 kTaxiLightToggle = 0x102C0;
inline constexpr ID32 kNavigationLightsToggle = 0x1034B;
inline constexpr ID32 kBeaconToggle = 0x102BF;
inline constexpr ID32 kStrobesToggle = 0x10018;
inline constexpr ID32 kPropDeIceToggle = 0x10023;
inline constexpr ID32 kPitotHeatToggle = 0x10142;
inline constexpr ID32 kPanelLightsOn = 0x10208;
inline constexpr ID32 kPanelLightsOff = 0x10209;
inline constexpr ID32 kSmallSwitch2Toggle = 0x10173;
inline constexpr ID32 kSmallSwitch3Toggle = 0x10174;
inline constexpr ID32 kSmallSwitch4Toggle = 0x10176;
inline constexpr ID32 kSmallSwitch5Toggle = 0x10177;
inline constexpr ID32 kSmallSwitch6Toggle = 0x10178;

// Radio tuning (BCD values as the frequency tokens hold them) and the identifiers heard.
inline constexpr ID32 kCom1FrequencySet = 0x100AB;
inline constexpr ID32 kNav1FrequencySet = 0x100AC;
inline constexpr ID32 kNav2FrequencySet = 0x100AD;
inline constexpr ID32 kAdfFrequencySet = 0x100B2;
inline constexpr ID32 kAdfExtensionSet = 0x101FF;
inline constexpr ID32 kNavIdentOn = 0x1012D;
inline constexpr ID32 kNavIdentOff = 0x10128;
inline constexpr ID32 kAdfIdentOn = 0x10131;
inline constexpr ID32 kAdfIdentOff = 0x1012C;

// Transponder digits, one step up each.
inline constexpr ID32 kTransponderThousandsInc = 0x10073;
inline constexpr ID32 kTransponderHundredsInc = 0x10074;
inline constexpr ID32 kTransponderTensInc = 0x10075;
inline constexpr ID32 kTransponderUnitsInc = 0x10076;

// Course and heading-marker knobs, a degree a step.
inline constexpr ID32 kNav1CourseDec = 0x1007E;
inline constexpr ID32 kNav1CourseInc = 0x1007F;
inline constexpr ID32 kNav2CourseDec = 0x10080;
inline constexpr ID32 kNav2CourseInc = 0x10081;
inline constexpr ID32 kHeadingMarkerInc = 0x10157;
inline constexpr ID32 kHeadingMarkerDec = 0x10158;

}  // namespace evt
