#include "gauges/radio_state.h"

#include <algorithm>
#include <cmath>

#include "gauges/sim_ids.h"

namespace radio {

RadioState radioState;

namespace {

// The four BCD digits of the low 16 bits, highest first: tens and units of MHz above 100,
// tenths, hundredths.
struct Digits {
  UINT32 tens, units, tenths, hundredths;
};

Digits digitsOf(UINT32 bcd) {
  return {(bcd >> 12) & 0xF, (bcd >> 8) & 0xF, (bcd >> 4) & 0xF, bcd & 0xF};
}

UINT32 bcdOf(UINT32 tens, UINT32 units, UINT32 tenths, UINT32 hundredths) {
  return (tens % 10) << 12 | (units % 10) << 8 | (tenths % 10) << 4 | (hundredths % 10);
}

UINT32 wholeMegahertz(const Digits& d) {
  return 100 + 10 * d.tens + d.units;
}

// The second COM radio's fraction counts 40 steps of 25 kHz per MHz.
constexpr long kStepsPerMegahertz = 40;
constexpr long kLastStep = kStepsPerMegahertz - 1;

long stepsOf(FLOAT64 fraction) {
  if (!std::isfinite(fraction)) return 0;
  return std::clamp(std::lround(fraction * kStepsPerMegahertz), 0L, kLastStep);
}

FLOAT64 fractionOf(long steps) {
  return static_cast<FLOAT64>(steps) / kStepsPerMegahertz;
}

}  // namespace

Decoded decodeComBcd(UINT32 bcd) {
  const Digits d = digitsOf(bcd);
  // The display's hundredths as the radio has always drawn them: 2 and 7 stand for the 25 kHz
  // channels, with single-precision constants.
  FLOAT64 hundredths = d.hundredths * 0.01;
  if (hundredths > 0.015 && hundredths < 0.03) {
    hundredths = static_cast<FLOAT64>(0.025f);
  } else if (hundredths > 0.065 && hundredths < 0.08) {
    hundredths = static_cast<FLOAT64>(0.075f);
  }
  const UINT32 whole = wholeMegahertz(d);
  const UINT32 khz = d.hundredths == 2 ? 25 : d.hundredths == 7 ? 75 : 10 * d.hundredths;
  return {whole + d.tenths * 0.1 + hundredths, 1000 * whole + 100 * d.tenths + khz};
}

Decoded decodeNavBcd(UINT32 bcd) {
  const Digits d = digitsOf(bcd);
  const UINT32 whole = wholeMegahertz(d);
  return {whole + d.tenths * 0.1 + d.hundredths * 0.01, 100 * whole + 10 * d.tenths + d.hundredths};
}

UINT32 comBcd(UINT32 khz) {
  const UINT32 above = khz > 100000 ? khz - 100000 : 0;
  return bcdOf(above / 10000, above / 1000, above / 100, above / 10);
}

UINT32 navBcd(UINT32 units) {
  const UINT32 above = units > 10000 ? units - 10000 : 0;
  return bcdOf(above / 1000, above / 100, above / 10, above);
}

UINT32 comChannelOf(UINT32 khz) {
  const UINT32 inBand = std::clamp(khz, kComLowest, kComHighest);
  return inBand - inBand % kComGrid;
}

UINT32 navChannelOf(UINT32 units) {
  const UINT32 inBand = std::clamp(units, kNavLowest, kNavHighest);
  return inBand - inBand % kNavGrid;
}

UINT32 comWholeDown(UINT32 khz) {
  return khz < kComLowest + 1000 ? khz + 18000 : khz - 1000;
}

UINT32 comWholeUp(UINT32 khz) {
  return khz >= 136000 ? khz - 18000 : khz + 1000;
}

// In 50 kHz steps a fraction on an odd 25 kHz channel (left from 25 kHz steps or taken over
// from the simulator) wraps at the ends of its own ring, .025 <-> .975, so it never leaves its
// MHz and never crosses the band's ends.
UINT32 comFractionDown(UINT32 khz, SINT32 spacing) {
  const UINT32 fraction = khz % 1000;
  if (spacing == kSpacing25) return fraction == 0 ? khz + 975 : khz - 25;
  return fraction < 50 ? khz + 950 : khz - 50;
}

UINT32 comFractionUp(UINT32 khz, SINT32 spacing) {
  const UINT32 fraction = khz % 1000;
  if (spacing == kSpacing25) return fraction >= 970 ? khz - 975 : khz + 25;
  return fraction >= 950 ? khz - 950 : khz + 50;
}

UINT32 navWholeDown(UINT32 units) {
  return units < kNavLowest + 100 ? units + 900 : units - 100;
}

UINT32 navWholeUp(UINT32 units) {
  return units >= 11700 ? units - 900 : units + 100;
}

UINT32 navFractionDown(UINT32 units) {
  return units % 100 < kNavGrid ? units + 95 : units - kNavGrid;
}

UINT32 navFractionUp(UINT32 units) {
  return units % 100 >= 95 ? units - 95 : units + kNavGrid;
}

FLOAT64 com2WholeDown(FLOAT64 whole) {
  const FLOAT64 lower = whole - 1.0;
  return lower < 118.0 ? 136.0 : lower;
}

FLOAT64 com2WholeUp(FLOAT64 whole) {
  const FLOAT64 higher = whole + 1.0;
  return higher > 136.0 ? 118.0 : higher;
}

FLOAT64 com2FractionDown(FLOAT64 fraction, SINT32 spacing) {
  const long step = spacing == kSpacing25 ? 1 : 2;
  const long lower = stepsOf(fraction) - step;
  return fractionOf(lower < 0 ? kStepsPerMegahertz - step : lower);
}

FLOAT64 com2FractionUp(FLOAT64 fraction, SINT32 spacing) {
  const long step = spacing == kSpacing25 ? 1 : 2;
  const long higher = stepsOf(fraction) + step;
  return fractionOf(higher > kStepsPerMegahertz - step ? 0 : higher);
}

FLOAT64 com2FractionForSpacing(FLOAT64 fraction, SINT32 newSpacing) {
  return newSpacing == kSpacing50 ? 0.5 : fractionOf(stepsOf(fraction));
}

SplitFrequency splitCom2(FLOAT64 megahertz) {
  constexpr FLOAT64 kLowest = kComLowest / 1000.0;
  constexpr FLOAT64 kHighest = kComHighest / 1000.0;
  const FLOAT64 inBand =
      std::isfinite(megahertz) ? std::clamp(megahertz, kLowest, kHighest) : kLowest;
  const long steps = std::lround(inBand * kStepsPerMegahertz);
  return {static_cast<FLOAT64>(steps / kStepsPerMegahertz), fractionOf(steps % kStepsPerMegahertz)};
}

FLOAT64 Switches::knobImage() const {
  return (power != 0 ? 1.0 : 0.0) + (pull != 0 ? 2.0 : 0.0);
}

bool Switches::shows(SINT32 avionics) const {
  return power != 0 && avionics != 0;
}

bool Switches::identHeard(SINT32 avionics, SINT32 audioSelected) const {
  return pull != 0 && shows(avionics) && audioSelected != 0;
}

ID32 navIdentEvent(const Switches& switches, SINT32 avionics, SINT32 audioSelected) {
  return switches.identHeard(avionics, audioSelected) ? evt::kNavIdentOn : evt::kNavIdentOff;
}

}  // namespace radio
