#pragma once
// What the navigation instruments (RMI, HSI, second CDI) read alike: tokens that hold a whole
// number rather than a FLOAT64 (receiver state words, to-from states, the warning word), of
// which the gauges read the low 32 bits of the value field, and the compass cards.
#include <cmath>

#include "gauges/frame.h"
#include "gauges/instrument_elements.h"

namespace reading {

// A module variable's low 32 bits, looked up afresh.
inline UINT32 integerOf(MODULE_VAR& var) {
  frame::lookupVar(var);
  return var.var_value.d;
}

// The low 32 bits the host filled into an icon's own source variable.
inline UINT32 ownInteger(PELEMENT element) {
  return reinterpret_cast<ELEMENT_ICON*>(element)->source_var.var_value.d;
}

// An image shown (1) or not drawn (-1).
inline FLOAT64 shownIf(bool shown) {
  return shown ? 1.0 : -1.0;
}

// A heading, course or bearing in degrees within one turn either way, so that two of them
// subtracted stay finite however large the tokens are; NaN and infinities read as 0.
inline FLOAT64 withinTurn(FLOAT64 degrees) {
  return std::fmod(finiteOrZero(degrees), 360.0);
}

// A compass card turns against its heading or course under a fixed lubber line.
inline FLOAT64 compassCard(PELEMENT element) {
  return 360.0 - finiteOrZero(ownValue<ELEMENT_NEEDLE>(element));
}

// The warning flag is in view while the warning word is not 0.
inline FLOAT64 warningFlag(PELEMENT element) {
  return shownIf(ownInteger(element) != 0);
}

}  // namespace reading
