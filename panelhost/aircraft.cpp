#include "panelhost/aircraft.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace panelhost {
namespace {

// Token numbers of the values the aircraft itself moves.
constexpr ID32 kThrottle = 0x80;
constexpr ID32 kEngineRpm = 0x87;
constexpr ID32 kManifoldPressure = 0x98;  // inHg x 1024
constexpr ID32 kAltitude = 0x4A;          // feet
constexpr ID32 kVerticalSpeed = 0x41;     // 1/256 m/s
constexpr ID32 kKollsman = 0x4C;          // inHg
constexpr ID32 kTransponder = 0x26;       // four BCD digits

// A steady cruise at 3000 ft with the engine running; radios on typical frequencies.
constexpr auto kTokens = std::to_array<TokenDefault>({
    {0x10, VarKind::Integer, 0x350, "ADF frequency, BCD hundreds/tens/units of kHz"},
    {0x11, VarKind::Number, 1, "ADF tenths tunable"},
    {0x12, VarKind::Integer, 0, "ADF extension word (256 x thousands + tenths)"},
    {0x17, VarKind::Integer, 0x1850, "COM1 frequency, BCD, less 100 MHz"},
    {0x18, VarKind::Integer, 0x1030, "NAV1 frequency, BCD, less 100 MHz"},
    {0x1B, VarKind::Integer, 0x1450, "NAV2 frequency, BCD, less 100 MHz"},
    {kTransponder, VarKind::Integer, 0x1200, "transponder code, BCD"},
    {0x2B, VarKind::Integer, 0, "NAV1 to-from state"},
    {0x2E, VarKind::Integer, 0, "NAV1 receiver flags"},
    {0x34, VarKind::Integer, 0, "NAV2 to-from state"},
    {0x133, VarKind::Integer, 2, "fuel selector (0 off, 2 left, 3 right)"},
    {0x3D, VarKind::Number, 110, "indicated airspeed, knots"},
    {kVerticalSpeed, VarKind::Number, 0, "vertical speed, 1/256 m/s"},
    {0x45, VarKind::Number, 0, "turn coordinator ball"},
    {0x46, VarKind::Number, 0, "turn rate"},
    {kAltitude, VarKind::Number, 3000, "altitude, feet"},
    {kKollsman, VarKind::Number, 29.92, "altimeter setting, inHg"},
    {0x51, VarKind::Number, 90, "heading, degrees"},
    {0x53, VarKind::Number, 90, "compass heading, degrees"},
    {kThrottle, VarKind::Number, 13106, "throttle lever, 0..16383"},
    {0x81, VarKind::Number, 16383, "propeller lever, 0..16383"},
    {0x82, VarKind::Number, 16383, "mixture lever, 0..16383"},
    {kEngineRpm, VarKind::Number, 2300, "engine speed, scaled by token 0x9A"},
    {0x9A, VarKind::Number, 65536, "engine speed scaler (65536 = revolutions per minute)"},
    {0x89, VarKind::Number, 10, "fuel flow, gallons per hour"},
    {0x92, VarKind::Number, 350, "cylinder head temperature, degrees F"},
    {0x93, VarKind::Number, 9362, "oil temperature (80 degrees C at 0.008544921 per unit)"},
    {0x94, VarKind::Number, 17874, "oil pressure (60 psi at 0.003356933 per unit)"},
    {kManifoldPressure, VarKind::Number, 26214, "manifold pressure, inHg x 1024"},
    {0x124, VarKind::Number, 28, "left tank capacity, gallons"},
    {0x12A, VarKind::Number, 28, "right tank capacity, gallons"},
    {0x130, VarKind::Number, 20, "left tank quantity, gallons"},
    {0x12F, VarKind::Number, 18, "right tank quantity, gallons"},
    {0x143, VarKind::Number, 0, "parking brake"},
    {0x14A, VarKind::Number, 0, "flap position, 0..16384"},
    {0x161, VarKind::Number, 5, "suction, inHg"},
    {0x16C, VarKind::Number, 1, "battery master switch"},
    {0x16B, VarKind::Number, 1, "alternator switch"},
    {0x2E4, VarKind::Number, 1, "avionics master switch"},
    {0x84, VarKind::Number, 3, "magneto switch (0 off, 1 right, 2 left, 3 both, 4 start)"},
    {0x148, VarKind::Number, 0, "flap handle, 0..16383"},
    {0x13E, VarKind::Number, 0, "elevator trim, -16384..16384"},
    {0x16A, VarKind::Number, 0, "cowl flaps, 0..1"},
    {0xE, VarKind::Number, 0, "landing light switch"},
    {0x171, VarKind::Number, 0, "taxi light switch"},
    {0x26B, VarKind::Number, 1, "navigation light switch"},
    {0x170, VarKind::Number, 1, "beacon switch"},
    {0xB, VarKind::Number, 0, "strobe switch"},
    {0x8D, VarKind::Number, 0, "propeller de-ice switch"},
    {0xD, VarKind::Number, 0, "pitot heat switch"},
});

void setToken(VariableStore& vars, ID32 token, double value) {
  vars.write(token, value);
}

void addClamped(VariableStore& vars, ID32 token, double step, double low, double high) {
  vars.write(token, std::clamp(vars.value(token) + step, low, high));
}

void toggle(VariableStore& vars, ID32 token) {
  vars.write(token, vars.value(token) != 0 ? 0 : 1);
}

// Adds one to the BCD digit `digit` (0 = thousands) of the transponder code, wrapping 7 -> 0.
void stepTransponderDigit(VariableStore& vars, int digit) {
  const std::uint32_t code = toUint32(vars.value(kTransponder));
  const int shift = 12 - 4 * digit;
  const std::uint32_t nibble = ((code >> shift) & 0xF) + 1;
  const std::uint32_t next = (code & ~(0xFu << shift)) | ((nibble > 7 ? 0 : nibble) << shift);
  vars.write(kTransponder, next);
}

constexpr auto kHandlers = std::to_array<KeyEventHandler>({
    {0x1015B, [](VariableStore& v, std::uint32_t) { addClamped(v, kKollsman, 0.01, 28, 31); },
     "altimeter setting up"},
    {0x1015C, [](VariableStore& v, std::uint32_t) { addClamped(v, kKollsman, -0.01, 28, 31); },
     "altimeter setting down"},
    {0x1011C, [](VariableStore& v, std::uint32_t x) { setToken(v, kThrottle, x); }, "throttle"},
    {0x10183, [](VariableStore& v, std::uint32_t x) { setToken(v, 0x81, x); }, "propeller"},
    {0x1017F, [](VariableStore& v, std::uint32_t x) { setToken(v, 0x82, x); }, "mixture"},
    {0x100D8, [](VariableStore& v, std::uint32_t) { setToken(v, 0x143, 1); }, "parking brake set"},
    {0x10034, [](VariableStore& v, std::uint32_t) { setToken(v, 0x143, 0); }, "brakes"},
    {0x101A3, [](VariableStore& v, std::uint32_t) { setToken(v, 0x133, 0); }, "fuel off"},
    {0x101A5, [](VariableStore& v, std::uint32_t) { setToken(v, 0x133, 2); }, "fuel left"},
    {0x101A6, [](VariableStore& v, std::uint32_t) { setToken(v, 0x133, 3); }, "fuel right"},
    {0x100AB, [](VariableStore& v, std::uint32_t x) { setToken(v, 0x17, x); }, "COM1 set"},
    {0x100AC, [](VariableStore& v, std::uint32_t x) { setToken(v, 0x18, x); }, "NAV1 set"},
    {0x100AD, [](VariableStore& v, std::uint32_t x) { setToken(v, 0x1B, x); }, "NAV2 set"},
    {0x100B2, [](VariableStore& v, std::uint32_t x) { setToken(v, 0x10, x & 0xFFF); }, "ADF set"},
    {0x101FF, [](VariableStore& v, std::uint32_t x) { setToken(v, 0x12, x); }, "ADF extension"},
    {0x10073, [](VariableStore& v, std::uint32_t) { stepTransponderDigit(v, 0); }, "XPDR 1000"},
    {0x10074, [](VariableStore& v, std::uint32_t) { stepTransponderDigit(v, 1); }, "XPDR 100"},
    {0x10075, [](VariableStore& v, std::uint32_t) { stepTransponderDigit(v, 2); }, "XPDR 10"},
    {0x10076, [](VariableStore& v, std::uint32_t) { stepTransponderDigit(v, 3); }, "XPDR 1"},
    {0x102C1, [](VariableStore& v, std::uint32_t) { toggle(v, 0x16C); }, "battery toggle"},
    {0x102C2, [](VariableStore& v, std::uint32_t) { toggle(v, 0x16B); }, "alternator toggle"},
    {0x102F5, [](VariableStore& v, std::uint32_t) { toggle(v, 0x2E4); }, "avionics toggle"},
    {0x100D7, [](VariableStore& v, std::uint32_t) { toggle(v, 0xE); }, "landing lights"},
    {0x102C0, [](VariableStore& v, std::uint32_t) { toggle(v, 0x171); }, "taxi lights"},
    {0x1034B, [](VariableStore& v, std::uint32_t) { toggle(v, 0x26B); }, "navigation lights"},
    {0x102BF, [](VariableStore& v, std::uint32_t) { toggle(v, 0x170); }, "beacon"},
    {0x10018, [](VariableStore& v, std::uint32_t) { toggle(v, 0xB); }, "strobes"},
    {0x10023, [](VariableStore& v, std::uint32_t) { toggle(v, 0x8D); }, "propeller de-ice"},
    {0x10142, [](VariableStore& v, std::uint32_t) { toggle(v, 0xD); }, "pitot heat"},
    {0x10187, [](VariableStore& v, std::uint32_t) { setToken(v, 0x84, 0); }, "magnetos off"},
    {0x10188, [](VariableStore& v, std::uint32_t) { setToken(v, 0x84, 1); }, "magneto right"},
    {0x10189, [](VariableStore& v, std::uint32_t) { setToken(v, 0x84, 2); }, "magneto left"},
    {0x1018A, [](VariableStore& v, std::uint32_t) { setToken(v, 0x84, 3); }, "magnetos both"},
    {0x100DE, [](VariableStore& v, std::uint32_t) { addClamped(v, 0x148, 8192, 0, 16383); },
     "flaps down a notch"},
    {0x100DF, [](VariableStore& v, std::uint32_t) { addClamped(v, 0x148, -8192, 0, 16383); },
     "flaps up a notch"},
    {0x10047, [](VariableStore& v, std::uint32_t) { addClamped(v, 0x13E, -128, -16384, 16384); },
     "elevator trim down"},
    {0x1004F, [](VariableStore& v, std::uint32_t) { addClamped(v, 0x13E, 128, -16384, 16384); },
     "elevator trim up"},
    {0x1031A, [](VariableStore& v, std::uint32_t) { addClamped(v, 0x16A, -0.05, 0, 1); },
     "cowl flaps close"},
    {0x10319, [](VariableStore& v, std::uint32_t) { addClamped(v, 0x16A, 0.05, 0, 1); },
     "cowl flaps open"},
});

// Moves `token` towards `target` with a first-order lag of `seconds` time constant.
void approach(VariableStore& vars, ID32 token, double target, double dt, double seconds) {
  const double current = vars.value(token);
  if (!std::isfinite(current)) return;
  vars.write(token, current + (target - current) * (1.0 - std::exp(-dt / seconds)));
}

}  // namespace

std::span<const TokenDefault> aircraftTokens() {
  return kTokens;
}
std::span<const KeyEventHandler> aircraftEventHandlers() {
  return kHandlers;
}

SimulatedAircraft::SimulatedAircraft(VariableStore& vars) : vars_(vars) {
  for (const TokenDefault& token : kTokens) vars_.define(token.token, token.kind, token.value);
}

bool SimulatedAircraft::onKeyEvent(ID32 event, std::uint32_t value) {
  auto it = std::find_if(kHandlers.begin(), kHandlers.end(),
                         [event](const KeyEventHandler& h) { return h.event == event; });
  if (it == kHandlers.end()) return false;
  it->apply(vars_, value);
  return true;
}

// The engine follows its throttle (idle 700 rpm and 12 inHg, full 2700 rpm and 29 inHg) and the
// altitude follows the vertical speed; everything else holds still.
void SimulatedAircraft::step(double seconds) {
  if (!(seconds > 0)) return;
  elapsed_ += seconds;
  const double throttle = std::clamp(vars_.value(kThrottle) / 16383.0, 0.0, 1.0);
  const double scaler = vars_.value(0x9A) / 65536.0;
  if (scaler > 0) approach(vars_, kEngineRpm, (700 + 2000 * throttle) / scaler, seconds, 1.5);
  approach(vars_, kManifoldPressure, (12 + 17 * throttle) * 1024, seconds, 1.0);
  const double feetPerSecond = vars_.value(kVerticalSpeed) / 256.0 * 3.28084;
  if (std::isfinite(feetPerSecond) && feetPerSecond != 0) {
    vars_.write(kAltitude, vars_.value(kAltitude) + feetPerSecond * seconds);
  }
}

}  // namespace panelhost
