// The radios keep their active frequencies in BCD, less 100 MHz for COM and NAV. A frequency
// event with digits that are no BCD, or a frequency outside the radio's band, leaves the radio
// where it was: the receiver cannot be tuned there.
#include <cstdint>

#include "gauges/sim_ids.h"
#include "panelhost/aircraft_systems.h"

namespace panelhost {
namespace {

bool decimalDigits(std::uint32_t value, int digits) {
  for (int i = 0; i < digits; ++i, value >>= 4)
    if ((value & 0xF) > 9) return false;
  return value == 0;
}

void tune(VariableStore& vars, ID32 token, std::uint32_t bcd, std::uint32_t lowest,
          std::uint32_t highest) {
  if (decimalDigits(bcd, 4) && bcd >= lowest && bcd <= highest) vars.write(token, bcd);
}

// Adds one to the octal digit `digit` (0 = thousands) of the transponder code, 7 wrapping to 0.
void stepTransponderDigit(VariableStore& vars, int digit) {
  const std::uint32_t code = toUint32(vars.value(tok::kTransponderCode)) & 0xFFFF;
  const int shift = 12 - 4 * digit;
  const std::uint32_t nibble = ((code >> shift) & 0xF) + 1;
  vars.write(tok::kTransponderCode,
             (code & ~(0xFu << shift)) | ((nibble > 7 ? 0 : nibble) << shift));
}

}  // namespace

// 118.000 to 136.975 MHz; NAV 108.00 to 117.95 MHz.
void setCom1Frequency(VariableStore& vars, AircraftMemory&, std::uint32_t value) {
  tune(vars, tok::kCom1Frequency, value, 0x1800, 0x3697);
}

void setNav1Frequency(VariableStore& vars, AircraftMemory&, std::uint32_t value) {
  tune(vars, tok::kNav1Frequency, value, 0x0800, 0x1795);
}

void setNav2Frequency(VariableStore& vars, AircraftMemory&, std::uint32_t value) {
  tune(vars, tok::kNav2Frequency, value, 0x0800, 0x1795);
}

// Hundreds, tens and units of kHz; the thousands travel in the extension word.
void setAdfFrequency(VariableStore& vars, AircraftMemory&, std::uint32_t value) {
  if (decimalDigits(value, 3)) vars.write(tok::kAdfFrequency, value);
}

void stepTransponderThousands(VariableStore& vars, AircraftMemory&, std::uint32_t) {
  stepTransponderDigit(vars, 0);
}
void stepTransponderHundreds(VariableStore& vars, AircraftMemory&, std::uint32_t) {
  stepTransponderDigit(vars, 1);
}
void stepTransponderTens(VariableStore& vars, AircraftMemory&, std::uint32_t) {
  stepTransponderDigit(vars, 2);
}
void stepTransponderUnits(VariableStore& vars, AircraftMemory&, std::uint32_t) {
  stepTransponderDigit(vars, 3);
}

}  // namespace panelhost
